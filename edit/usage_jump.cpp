#include "edit/usage_jump.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "edit/map_set_cursor.h"
#include "edit/usage_subject.h"
#include "model/editor.h"

namespace {

// The scroll bar reaches one page and one map set less than there are: the left one
// of the two shown.
constexpr int kLastLeftPage = kPageCount - 2;
constexpr int kLastLeftMapSet = kMapSetCount - 2;

void showView(EDITOR& editor, int view)
{
    if (editor.curTab == view)
        return;
    editor.host().selectTab(view);
    editor.host().applySelections();
}

}  // namespace

std::optional<int> currentUsePlace(const EDITOR& editor, ItemKind kind)
{
    switch (kind) {
    case ItemKind::MapSet: return editor.viewPos;
    case ItemKind::ChipSet:
        if (const std::optional<ItemUse> cell = cursorCellPlace(editor))
            return useOrder(kind, *cell);
        return std::nullopt;
    case ItemKind::Chip: return editor.curChipSet & 0xFF;
    case ItemKind::Tile: break;
    }
    return std::nullopt;
}

void goToUse(EDITOR& editor, ItemKind kind, const ItemUse& use)
{
    switch (kind) {
    case ItemKind::MapSet:
        showView(editor, kViewMap);
        editor.host().setScrollPos(std::clamp(use.holder, 0, kLastLeftPage));
        break;
    case ItemKind::ChipSet: {
        showView(editor, kViewMapSet);
        const bool shown = editor.viewPos >= 0 && editor.viewPos <= kLastLeftMapSet &&
            (use.holder == editor.viewPos || use.holder == editor.viewPos + 1);
        if (!shown)
            editor.host().setScrollPos(std::clamp(use.holder, 0, kLastLeftMapSet));
        // A host that did not scroll leaves the cursor where it was.
        const int column = (use.holder - editor.viewPos) * kMapSetColumns + use.column;
        if (column < 0 || column >= kCursorColumns)
            break;
        editor.cursorCol = column;
        editor.cursorRow = use.row;
        break;
    }
    case ItemKind::Chip:
        showView(editor, kViewChipSet);
        editor.curChipSet = use.holder;
        break;
    case ItemKind::Tile: break;
    }
}

void jumpToUse(EDITOR& editor, int direction)
{
    const std::optional<UsageSubject> subject = currentUsageSubject(editor);
    if (!subject)
        return;
    const std::vector<ItemUse> uses = usesOf(editor, editor.curStage, subject->kind, subject->item);
    if (uses.empty())
        return;
    const std::optional<int> here = currentUsePlace(editor, subject->kind);
    // Pages 46 and 47 are both shown from the last scroll position, which is where a
    // jump to either lands; they count as one place, so that U moves on from there.
    const auto order = [&](const ItemUse& use) {
        const int place = useOrder(subject->kind, use);
        return subject->kind == ItemKind::MapSet ? std::min(place, kLastLeftPage) : place;
    };
    const ItemUse* target = nullptr;
    if (direction >= 0) {
        const auto after =
            std::find_if(uses.begin(), uses.end(), [&](const ItemUse& use) { return !here || order(use) > *here; });
        target = after != uses.end() ? &*after : &uses.front();
    } else {
        const auto before =
            std::find_if(uses.rbegin(), uses.rend(), [&](const ItemUse& use) { return !here || order(use) < *here; });
        target = before != uses.rend() ? &*before : &uses.back();
    }
    goToUse(editor, subject->kind, *target);
}
