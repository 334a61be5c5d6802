#include "edit/clipboard_commands.h"

#include <algorithm>
#include <cstring>

#include "clipboard/selection_text.h"
#include "edit/map_set_cursor.h"
#include "edit/object_list.h"
#include "edit/refusal.h"
#include "edit/selection_editing.h"
#include "model/view_geometry.h"
#include "render/selection_picture.h"
#include "text/translation.h"

namespace {

// What "paste" calls the items of each view in its refusals.
constexpr const char* kItemNames[kViewCount] = {
    TEXT_NOOP("clipboard_commands", "pages"), TEXT_NOOP("clipboard_commands", "objects"),
    TEXT_NOOP("clipboard_commands", "map-set cells"), TEXT_NOOP("clipboard_commands", "chip sets"),
    TEXT_NOOP("clipboard_commands", "chips")};

// The bytes of the item at index of view in the current stage's tables.
std::uint8_t* tableItem(EDITOR& editor, int view, int group, int index)
{
    const int s = editor.curStage;
    switch (view) {
    case kViewMap: return &editor.pageSet[s][index];
    case kViewObject: return reinterpret_cast<std::uint8_t*>(&editor.object[s][index]);
    case kViewMapSet: return &editor.mapSet[s][group][index];
    case kViewChipSet: return editor.chipSet[s][index];
    case kViewChip: return reinterpret_cast<std::uint8_t*>(&editor.chip[s][index]);
    default: return nullptr;
    }
}

const std::uint8_t* tableItem(const EDITOR& editor, int view, int group, int index)
{
    // Only read through this pointer.
    return tableItem(const_cast<EDITOR&>(editor), view, group, index);
}

// The selection of the current view, or one of the current item alone ("MAP SET":
// its whole map set); nothing exists where there is no current item.
Selection selectionOrCurrentItem(EDITOR& editor)
{
    if (const Selection* selection = activeSelection(editor))
        return *selection;
    Selection single;
    const auto item = currentItem(editor);
    if (!item)
        return single;
    single.view = editor.curTab;
    single.stage = editor.curStage;
    single.anchor = single.end = *item;
    if (editor.curTab == kViewMapSet) {
        single.anchor = {item->group, 0, 0};
        single.end = {item->group, kMapSetColumns - 1, kMapSetRows - 1};
    }
    return single;
}

int usedObjectCount(const EDITOR& editor)
{
    return lowestFreeObjectSlot(editor);
}

void pasteObjects(EDITOR& editor, const CopiedItems& items)
{
    // Each keeps its distance from the first one's page, which goes to the left page
    // shown; those that would land before page 0 or after page 47 are left out.
    std::vector<ObjectRecord> pasted;
    for (int i = 0; i < items.count(); ++i) {
        const std::uint8_t* item = items.item(i, 0);
        const int page = editor.viewPos + static_cast<std::int8_t>(item[0]);
        if (page >= 0 && page < kPageCount)
            pasted.push_back({std::uint8_t(page), item[1], item[2], item[3]});
    }
    const int used = usedObjectCount(editor);
    const int count = int(pasted.size());
    if (count == 0)
        return;
    if (count > kObjectSlots - used) {
        refuse(editor, translated("clipboard_commands", "It cannot add any more!"));
        return;
    }
    ObjectRecord* list = editor.object[editor.curStage];
    const bool afterCurrent = editor.curObject >= 0 && editor.curObject < used;
    const int at = afterCurrent ? editor.curObject + 1 : used;
    std::copy_backward(list + at, list + used, list + used + count);
    std::copy(pasted.begin(), pasted.end(), list + at);
    editor.curObject = at;
    selectRange(editor, {0, at, 0}, {0, at + count - 1, 0});
}

// The rectangle of items from the current item on, clipped at the edges of its grid.
void pasteRectangle(EDITOR& editor, const CopiedItems& items)
{
    const auto origin = currentItem(editor);
    if (!origin)
        return;
    const SelectionGrid grid = selectionGrid(editor.curTab);
    const int columns = std::min(items.columns, grid.columns - origin->column);
    const int rows = std::min(items.rows, grid.rows - origin->row);
    const std::size_t size = std::size_t(itemBytes(items.view));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const SelectionPoint target{origin->group, origin->column + c, origin->row + r};
            std::memcpy(tableItem(editor, items.view, origin->group, itemIndex(items.view, target)), items.item(c, r),
                        size);
        }
    selectRange(editor, *origin, {origin->group, origin->column + columns - 1, origin->row + rows - 1});
    // The chip sheet is drawn from the chips; the chip-set sheet follows the chip sets
    // by itself.
    if (items.view == kViewChip)
        editor.drawChips();
}

}  // namespace

void refusePaste(EDITOR& editor, const ReadSelection& read)
{
    switch (read.problem) {
    case SelectionTextProblem::NotOurs:
        refuse(editor, translated("clipboard_commands", "The clipboard holds nothing that Quarrix Editor can paste."));
        break;
    case SelectionTextProblem::NewerVersion:
        refuse(editor,
               fillIn(translated("clipboard_commands",
                                 "The clipboard holds a selection of a newer Quarrix "
                                 "Editor (format %1), which this one cannot read."),
                      {read.detail}));
        break;
    case SelectionTextProblem::Damaged:
        refuse(editor,
               fillIn(translated("clipboard_commands",
                                 "The selection on the clipboard is damaged (%1); nothing was pasted."),
                      {read.detail}));
        break;
    case SelectionTextProblem::None: break;
    }
}

CopiedItems copyItems(const EDITOR& editor, const Selection& selection)
{
    CopiedItems items;
    items.view = selection.view;
    items.columns = selection.columns();
    items.rows = selection.rows();
    const std::size_t size = std::size_t(itemBytes(items.view));
    items.bytes.resize(std::size_t(items.count()) * size);
    for (int r = 0; r < items.rows; ++r)
        for (int c = 0; c < items.columns; ++c) {
            const SelectionPoint point{selection.group(), selection.left() + c, selection.top() + r};
            std::memcpy(items.item(c, r), tableItem(editor, items.view, point.group, itemIndex(items.view, point)),
                        size);
        }
    if (items.view == kViewObject) {
        // Pages become distances from the first object's page.
        const std::uint8_t firstPage = items.bytes.empty() ? 0 : items.bytes[0];
        for (int i = 0; i < items.count(); ++i)
            items.item(i, 0)[0] = static_cast<std::uint8_t>(items.item(i, 0)[0] - firstPage);
    }
    return items;
}

void pasteItems(EDITOR& editor, const CopiedItems& items)
{
    if (items.view == kSubPaletteItems || items.view == kTileItems) {
        const std::string refusal = items.view == kTileItems
            ? translated("clipboard_commands",
                         "The clipboard holds tiles, which \"%1\" cannot paste: the tile window (F4) pastes them.")
            : translated("clipboard_commands",
                         "The clipboard holds sub-palettes, which \"%1\" cannot paste: the "
                         "Colours window (F3) pastes them.");
        refuse(editor, fillIn(refusal, {kViewNames[editor.curTab]}));
        return;
    }
    if (items.view != editor.curTab) {
        refuse(editor,
               fillIn(translated("clipboard_commands",
                                 "The clipboard holds %1 of \"%2\", which \"%3\" cannot paste: it pastes %4."),
                      {translated("clipboard_commands", kItemNames[items.view]), kViewNames[items.view],
                       kViewNames[editor.curTab], translated("clipboard_commands", kItemNames[editor.curTab])}));
        return;
    }
    if (items.view == kViewObject)
        pasteObjects(editor, items);
    else
        pasteRectangle(editor, items);
}

void copyToClipboard(EDITOR& editor)
{
    const Selection selection = selectionOrCurrentItem(editor);
    if (!selection.exists())
        return;
    const CopiedItems items = copyItems(editor, selection);
    editor.host().writeClipboard(selectionText(items), selectionPicture(editor, selection));
}

void cutObjects(EDITOR& editor)
{
    const Selection selection = selectionOrCurrentItem(editor);
    if (!selection.exists())
        return;
    // The list never loses its last object.
    if (selection.count() >= usedObjectCount(editor)) {
        refuse(editor, translated("clipboard_commands", "It cannot erase any more!"));
        return;
    }
    copyToClipboard(editor);
    for (int i = 0; i < selection.count(); ++i)
        removeObjectSlot(editor, selection.left());
    endSelection(editor);
    editor.curObject = selection.left();
    editor.stepObject(0);
}

void pasteFromClipboard(EDITOR& editor)
{
    if (editor.curTab < 0 || editor.curTab >= kViewCount)
        return;
    const ReadSelection read = readSelectionText(editor.host().readClipboard());
    if (read.problem != SelectionTextProblem::None) {
        refusePaste(editor, read);
        return;
    }
    pasteItems(editor, read.items);
}
