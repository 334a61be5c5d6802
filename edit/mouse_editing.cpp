// What the pointer does over the editing area. onMouse runs for every hit-tested
// position, moving or not, and reads the mouse buttons itself: holding a button while
// moving paints or places at every position passed. Coordinates may lie outside the
// views (negative, or below or right of a sheet, while a drag leaves the area); such
// positions lie in no area and are ignored, so no selection leaves 0 to 255 and no
// cell leaves its map set.
#include <algorithm>

#include "edit/chip_quadrants.h"
#include "edit/map_set_cursor.h"
#include "edit/mouse_areas.h"
#include "edit/object_list.h"
#include "edit/selection_editing.h"
#include "edit/virtual_keys.h"
#include "model/editor.h"
#include "model/view_geometry.h"
#include "text/translation.h"

namespace {

// The quadrant of the magnifier under (x, y), which must lie in its hit area.
int magnifierQuadrant(int x, int y)
{
    const int column = (x - kMagnifierHitArea.x) / kMagnifierQuadrantPixels;
    const int row = (y - kMagnifierHitArea.y) / kMagnifierQuadrantPixels;
    return row * 2 + column;
}

void placeObject(EDITOR& editor, int x, int y, bool snap)
{
    const int half = x < kPagePixels ? 0 : 1;
    int px = x - half * kPagePixels;
    int py = y;
    if (snap) {
        px &= ~7;  // the 8-pixel grid
        py &= ~7;
    }
    // With no object selected (an empty list, or a selection on a free slot after a
    // stage change from the keyboard), the object is placed into the lowest free slot,
    // so the used slots stay together.
    editor.curObject = slotForNewObject(editor);
    ObjectRecord& selected = editor.object[editor.curStage][editor.curObject];
    selected.page = static_cast<std::uint8_t>(editor.viewPos + half);
    selected.x = static_cast<std::uint8_t>(px);
    selected.y = static_cast<std::uint8_t>(py);
}

void followPointer(EDITOR& editor, int x, int y)
{
    editor.cursorCol = x / kChipSetPixels;
    editor.cursorRow = y / kChipSetPixels;
}

// The cell under the cursor, which followPointer has just moved.
void paintCell(EDITOR& editor, int, int)
{
    paintCursorCell(editor);
}
void pickCell(EDITOR& editor, int, int)
{
    pickCursorCell(editor);
}

// The items under the pointer, for a drag with Shift.
std::optional<SelectionPoint> cellAt(const EDITOR& editor, int x, int y)
{
    const int mapSet = editor.viewPos + x / kPagePixels;
    if (mapSet < 0 || mapSet >= kMapSetCount)
        return std::nullopt;
    return SelectionPoint{mapSet, (x % kPagePixels) / kChipSetPixels, y / kChipSetPixels};
}

std::optional<SelectionPoint> chipSetAt(const EDITOR& editor, int x, int y)
{
    return SelectionPoint{(editor.curChipSet & kChipSetHalfBit) ? 1 : 0, x / kChipSetPixels, y / kChipSetPixels};
}

std::optional<SelectionPoint> chipAt(const EDITOR&, int x, int y)
{
    return SelectionPoint{0, (x - kChipViewChipSheet.x) / kChipPixels, (y - kChipViewChipSheet.y) / kChipPixels};
}

using E = EDITOR&;

constexpr MouseArea kObjectAreas[] = {
    {TEXT_NOOP("mouse_editing", "the two pages"), kUpperArea, nullptr, nullptr,
     [](E e, int x, int y) { placeObject(e, x, y, false); },
     TEXT_NOOP("mouse_editing", "place the selected object at the pointer"),
     [](E e, int x, int y) { placeObject(e, x, y, true); }, TEXT_NOOP("mouse_editing", "place it on the 8-pixel grid")},
};

constexpr MouseArea kMapSetAreas[] = {
    {TEXT_NOOP("mouse_editing", "the two map sets"), kUpperArea, followPointer,
     TEXT_NOOP("mouse_editing", "the cursor follows the pointer"), paintCell,
     TEXT_NOOP("mouse_editing", "paint the chip set into the cell"), pickCell,
     TEXT_NOOP("mouse_editing", "pick the cell's chip set"), cellAt,
     TEXT_NOOP("mouse_editing", "select a rectangle of cells of one map set")},
    // Each chip set shows at one chip's size in the small sheet.
    {TEXT_NOOP("mouse_editing", "the chip-set sheet"), kSmallChipSetSheet, nullptr, nullptr,
     [](E e, int x, int y) { e.curChipSet = sheetIndexAt(x, y, kSmallChipSetSheet, kChipPixels); },
     TEXT_NOOP("mouse_editing", "select a chip set"), nullptr, nullptr},
};

constexpr MouseArea kChipSetAreas[] = {
    {TEXT_NOOP("mouse_editing", "the chip sets"), kUpperArea, nullptr, nullptr,
     [](E e, int x, int y) {
         e.curChipSet = (e.curChipSet & kChipSetHalfBit) | sheetIndexAt(x, y, kUpperArea, kChipSetPixels);
     },
     TEXT_NOOP("mouse_editing", "select a chip set of the half shown"),
     [](E e, int, int) { e.curChipSet ^= kChipSetHalfBit; }, TEXT_NOOP("mouse_editing", "show the other half"),
     chipSetAt, TEXT_NOOP("mouse_editing", "select a rectangle of chip sets")},
    {TEXT_NOOP("mouse_editing", "the chip sheet"), kChipSetViewChipSheet, nullptr, nullptr,
     [](E e, int x, int y) { e.curChip = sheetIndexAt(x, y, kChipSetViewChipSheet, kChipPixels); },
     TEXT_NOOP("mouse_editing", "select a chip"), nullptr, nullptr},
    {TEXT_NOOP("mouse_editing", "the enlarged chip set"), kMagnifierHitArea, nullptr, nullptr,
     [](E e, int x, int y) { putChipIntoQuadrant(e, magnifierQuadrant(x, y)); },
     TEXT_NOOP("mouse_editing", "put the chip into the quadrant"),
     [](E e, int x, int y) { pickChipFromQuadrant(e, magnifierQuadrant(x, y)); },
     TEXT_NOOP("mouse_editing", "pick the quadrant's chip")},
};

constexpr MouseArea kChipAreas[] = {
    {TEXT_NOOP("mouse_editing", "the chip sheet"), kChipViewChipSheet, nullptr, nullptr,
     [](E e, int x, int y) { e.curChip = sheetIndexAt(x, y, kChipViewChipSheet, kChipPixels); },
     TEXT_NOOP("mouse_editing", "select a chip"), nullptr, nullptr, chipAt,
     TEXT_NOOP("mouse_editing", "select a rectangle of chips")},
    // Tiles show at twice their size.
    {TEXT_NOOP("mouse_editing", "the tile sheet"), kTileSheet, nullptr, nullptr,
     [](E e, int x, int y) { e.curTile = sheetIndexAt(x, y, kTileSheet, 2 * kTilePixels); },
     TEXT_NOOP("mouse_editing", "select a tile"), nullptr, nullptr},
    {TEXT_NOOP("mouse_editing", "the enlarged chip"), kMagnifierHitArea, nullptr, nullptr,
     [](E e, int x, int y) { putTileIntoQuadrant(e, magnifierQuadrant(x, y)); },
     TEXT_NOOP("mouse_editing", "put the tile into the quadrant"),
     [](E e, int x, int y) { pickTileFromQuadrant(e, magnifierQuadrant(x, y)); },
     TEXT_NOOP("mouse_editing", "pick the quadrant's tile")},
};

}  // namespace

std::span<const MouseArea> mouseAreas(int view)
{
    switch (view) {
    case kViewObject: return kObjectAreas;
    case kViewMapSet: return kMapSetAreas;
    case kViewChipSet: return kChipSetAreas;
    case kViewChip: return kChipAreas;
    default: return {};  // the mouse does nothing in "MAP"
    }
}

namespace {

// The area of the view that a drag with Shift selects in, if any.
const MouseArea* dragArea(int view)
{
    for (const MouseArea& area : mouseAreas(view))
        if (area.shiftDrag)
            return &area;
    return nullptr;
}

}  // namespace

void EDITOR::onMouse(int x, int y)
{
    const bool left = host().isKeyDown(VK_LBUTTON);
    const bool button = left || host().isKeyDown(VK_RBUTTON);
    // A drag with Shift goes on wherever the pointer goes, until the button is let go;
    // beyond the area it ends on the area's edge.
    if (selection.dragging) {
        const MouseArea* area = dragArea(curTab);
        if (button && area && activeSelection(*this)) {
            if (area->pointer && area->area.contains(x, y))
                area->pointer(*this, x, y);
            const Rect& r = area->area;
            dragSelection(
                *this,
                area->shiftDrag(*this, std::clamp(x, r.x, r.x + r.width - 1), std::clamp(y, r.y, r.y + r.height - 1)));
            return;
        }
        selection.dragging = false;
    }
    const bool shift = host().isKeyDown(VK_SHIFT);
    for (const MouseArea& area : mouseAreas(curTab)) {
        if (!area.area.contains(x, y))
            continue;
        if (area.pointer)
            area.pointer(*this, x, y);
        if (button && shift && area.shiftDrag) {
            dragSelection(*this, area.shiftDrag(*this, x, y));
            return;
        }
        // A click without Shift ends the selection, then acts as ever.
        if (button && !shift)
            endSelection(*this);
        // When both buttons are held, the left one acts.
        if (left) {
            if (area.left)
                area.left(*this, x, y);
        } else if (button && area.right) {
            area.right(*this, x, y);
        }
        return;
    }
    // Nothing of the view is under the pointer: a click without Shift still ends the
    // selection.
    if (button && !shift)
        endSelection(*this);
}
