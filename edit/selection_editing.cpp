#include "edit/selection_editing.h"

#include <algorithm>

#include "edit/map_set_cursor.h"
#include "model/editable_tables.h"
#include "model/view_geometry.h"

namespace {

constexpr int kChipSetsPerHalf = kChipSetCount / 2;

void makeSelection(EDITOR& editor, SelectionPoint anchor, SelectionPoint end, bool extending)
{
    Selection& selection = editor.selection;
    const unsigned serial = selection.serial + 1;
    const unsigned settled = selection.settledSerial;
    selection = Selection{};
    selection.view = editor.curTab;
    selection.stage = editor.curStage;
    selection.anchor = anchor;
    selection.end = end;
    selection.extending = extending;
    selection.serial = serial;
    selection.settledSerial = settled;
}

// Keeps point in the grid and in group: past the group's edge the point stops at the
// edge it crossed. Map sets lie side by side, so a cursor that crossed into the next
// one stops on the last column; the halves of the chip sets follow one another, so
// stepping across 127 and 128 stops on the last row.
SelectionPoint keptInGroup(int view, SelectionPoint point, int group)
{
    const SelectionGrid grid = selectionGrid(view);
    if (point.group != group) {
        const bool forward = point.group > group;
        if (view == kViewChipSet)
            point.row = forward ? grid.rows - 1 : 0;
        else
            point.column = forward ? grid.columns - 1 : 0;
        point.group = group;
    }
    point.column = std::clamp(point.column, 0, grid.columns - 1);
    point.row = std::clamp(point.row, 0, grid.rows - 1);
    return point;
}

int usedObjectCount(const EDITOR& editor)
{
    int count = 0;
    while (count < kObjectSlots && editor.object[editor.curStage][count].isUsed())
        ++count;
    return count;
}

// Whether byte lies in table (an array of count records of recordBytes each), and if
// so which record it belongs to.
template <typename Table>
std::optional<int> recordOf(const Table& table, const std::uint8_t* byte, int recordBytes)
{
    const auto* first = reinterpret_cast<const std::uint8_t*>(&table);
    if (byte < first || byte >= first + sizeof(Table))
        return std::nullopt;
    return int(byte - first) / recordBytes;
}

bool changedOutside(const EDITOR& editor, const Selection& selection, std::span<const std::uint8_t> known)
{
    if (known.empty())
        return false;
    for (std::size_t at = firstTableDifference(editor, known); at < known.size();
         at = firstTableDifference(editor, known, at + 1))
        if (!selectionHoldsByte(editor, selection, editableTableByte(editor, at)))
            return true;
    return false;
}

// A run of objects covers used slots only, so that nothing it is copied or cut from
// can carry a free slot. Returns false when no used slot is left in it.
bool keepToUsedObjects(const EDITOR& editor, Selection& selection)
{
    const int last = usedObjectCount(editor) - 1;
    if (selection.left() > last)
        return false;
    selection.anchor.column = std::min(selection.anchor.column, last);
    selection.end.column = std::min(selection.end.column, last);
    return true;
}

}  // namespace

std::optional<SelectionPoint> currentItem(const EDITOR& editor)
{
    switch (editor.curTab) {
    case kViewMap:
        if (editor.viewPos < 0 || editor.viewPos >= kPageCount)
            return std::nullopt;
        return SelectionPoint{0, editor.viewPos, 0};
    case kViewObject:
        if (editor.curObject < 0 || editor.curObject >= kObjectSlots ||
            !editor.object[editor.curStage][editor.curObject].isUsed())
            return std::nullopt;
        return SelectionPoint{0, editor.curObject, 0};
    case kViewMapSet: {
        const int mapSet = editor.viewPos + (editor.cursorCol >= kMapSetColumns ? 1 : 0);
        if (mapSet < 0 || mapSet >= kMapSetCount || editor.cursorCol < 0 || editor.cursorCol >= kCursorColumns ||
            editor.cursorRow < 0 || editor.cursorRow >= kMapSetRows)
            return std::nullopt;
        return SelectionPoint{mapSet, editor.cursorCol % kMapSetColumns, editor.cursorRow};
    }
    case kViewChipSet: {
        const int c = editor.curChipSet & 0xFF;
        return SelectionPoint{c / kChipSetsPerHalf, c % kSheetColumns, (c % kChipSetsPerHalf) / kSheetColumns};
    }
    case kViewChip: {
        const int k = editor.curChip & 0xFF;
        return SelectionPoint{0, k % kSheetColumns, k / kSheetColumns};
    }
    default: return std::nullopt;
    }
}

const Selection* activeSelection(const EDITOR& editor)
{
    const Selection& selection = editor.selection;
    return selection.exists() && selection.view == editor.curTab && selection.stage == editor.curStage ? &selection
                                                                                                       : nullptr;
}

void toggleSelecting(EDITOR& editor)
{
    if (activeSelection(editor) && editor.selection.extending) {
        editor.selection.extending = false;
        return;
    }
    if (const auto item = currentItem(editor))
        makeSelection(editor, *item, *item, true);
}

void endSelection(EDITOR& editor)
{
    const unsigned serial = editor.selection.serial;
    const unsigned settled = editor.selection.settledSerial;
    editor.selection = Selection{};
    editor.selection.serial = serial;
    editor.selection.settledSerial = settled;
}

void selectWholeUnit(EDITOR& editor)
{
    const SelectionGrid grid = selectionGrid(editor.curTab);
    if (editor.curTab == kViewObject) {
        const int count = usedObjectCount(editor);
        if (count > 0)
            makeSelection(editor, {0, 0, 0}, {0, count - 1, 0}, false);
        return;
    }
    if (const auto item = currentItem(editor))
        makeSelection(editor, {item->group, 0, 0}, {item->group, grid.columns - 1, grid.rows - 1}, false);
}

void selectRange(EDITOR& editor, SelectionPoint anchor, SelectionPoint end)
{
    makeSelection(editor, anchor, keptInGroup(editor.curTab, end, anchor.group), false);
}

void followCurrentItem(EDITOR& editor, const std::optional<SelectionPoint>& before)
{
    if (!activeSelection(editor) || !editor.selection.extending)
        return;
    const auto item = currentItem(editor);
    if (item && item != before)
        editor.selection.end = keptInGroup(editor.curTab, *item, editor.selection.group());
}

void dragSelection(EDITOR& editor, std::optional<SelectionPoint> item)
{
    if (!editor.selection.dragging || !activeSelection(editor)) {
        if (!item)
            return;
        makeSelection(editor, *item, *item, false);
        editor.selection.dragging = true;
        return;
    }
    if (item)
        editor.selection.end = keptInGroup(editor.curTab, *item, editor.selection.group());
}

void settleSelection(EDITOR& editor)
{
    Selection& selection = editor.selection;
    const bool madeNow = selection.serial != selection.settledSerial;
    selection.settledSerial = selection.serial;
    if (!selection.exists())
        return;
    if (selection.view != editor.curTab || selection.stage != editor.curStage ||
        (!madeNow && changedOutside(editor, selection, editor.history.recordedTables())) ||
        (selection.view == kViewObject && !keepToUsedObjects(editor, selection)))
        endSelection(editor);
}

void endSelectionIfChangedOutside(EDITOR& editor, std::span<const std::uint8_t> before)
{
    if (editor.selection.exists() && changedOutside(editor, editor.selection, before))
        endSelection(editor);
}

bool selectionHoldsByte(const EDITOR& editor, const Selection& selection, const std::uint8_t* byte)
{
    const int s = selection.stage;
    if (s < 0 || s >= kStageCount || byte == nullptr)
        return false;
    std::optional<int> record;
    switch (selection.view) {
    case kViewMap: record = recordOf(editor.pageSet[s], byte, 1); return record && selection.contains({0, *record, 0});
    case kViewObject:
        record = recordOf(editor.object[s], byte, sizeof(ObjectRecord));
        return record && selection.contains({0, *record, 0});
    case kViewMapSet:
        if (selection.group() < 0 || selection.group() >= kMapSetCount)
            return false;
        record = recordOf(editor.mapSet[s][selection.group()], byte, 1);
        return record && selection.contains({selection.group(), *record / kMapSetRows, *record % kMapSetRows});
    case kViewChipSet:
        record = recordOf(editor.chipSet[s], byte, 4);
        return record &&
            selection.contains(
                {*record / kChipSetsPerHalf, *record % kSheetColumns, (*record % kChipSetsPerHalf) / kSheetColumns});
    case kViewChip:
        record = recordOf(editor.chip[s], byte, sizeof(ChipRecord));
        return record && selection.contains({0, *record % kSheetColumns, *record / kSheetColumns});
    default: return false;
    }
}

int itemIndex(int view, const SelectionPoint& point)
{
    switch (view) {
    case kViewMapSet: return point.column * kMapSetRows + point.row;
    case kViewChipSet: return point.group * kChipSetsPerHalf + point.row * kSheetColumns + point.column;
    case kViewChip: return point.row * kSheetColumns + point.column;
    default: return point.column;  // pages and slots
    }
}
