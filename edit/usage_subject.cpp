#include "edit/usage_subject.h"

#include "edit/map_set_cursor.h"
#include "model/editor.h"

std::optional<ItemUse> cursorCellPlace(const EDITOR& editor)
{
    if (editor.cursorCol < 0 || editor.cursorCol >= kCursorColumns || editor.cursorRow < 0 ||
        editor.cursorRow >= kMapSetRows)
        return std::nullopt;
    const int mapSet = editor.viewPos + editor.cursorCol / kMapSetColumns;
    if (mapSet < 0 || mapSet >= kMapSetCount)
        return std::nullopt;
    return ItemUse{mapSet, editor.cursorCol % kMapSetColumns, editor.cursorRow, 0};
}

std::optional<UsageSubject> currentUsageSubject(const EDITOR& editor)
{
    const int stage = editor.curStage;
    if (stage < 0 || stage >= kStageCount)
        return std::nullopt;
    switch (editor.curTab) {
    case kViewMap:
        if (editor.viewPos < 0 || editor.viewPos >= kPageCount || editor.pageSet[stage][editor.viewPos] >= kMapSetCount)
            return std::nullopt;
        return UsageSubject{ItemKind::MapSet, editor.pageSet[stage][editor.viewPos]};
    case kViewMapSet:
        if (const std::optional<ItemUse> cell = cursorCellPlace(editor))
            return UsageSubject{ItemKind::ChipSet,
                                editor.mapSet[stage][cell->holder][cell->column * kMapSetRows + cell->row]};
        return std::nullopt;
    case kViewChipSet: return UsageSubject{ItemKind::ChipSet, editor.curChipSet & 0xFF};
    case kViewChip: return UsageSubject{ItemKind::Chip, editor.curChip & 0xFF};
    default: return std::nullopt;
    }
}
