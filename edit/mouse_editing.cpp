// What the pointer does over the editing area. onMouse runs for every hit-tested
// position, moving or not, and reads the mouse buttons itself: holding a button while
// moving paints or places at every position passed. Coordinates may lie outside the
// views (negative, or below or right of a sheet, while a drag leaves the area); such
// positions are ignored, so no selection leaves 0 to 255 and no cell leaves its map set.
#include "edit/chip_quadrants.h"
#include "edit/map_set_cursor.h"
#include "edit/object_list.h"
#include "edit/virtual_keys.h"
#include "model/editor.h"
#include "model/view_geometry.h"

namespace {

enum class MouseButton { None, Left, Right };

// When both buttons are held, the left one acts.
MouseButton heldButton(const EDITOR& editor)
{
    if (editor.host().isKeyDown(VK_LBUTTON))
        return MouseButton::Left;
    if (editor.host().isKeyDown(VK_RBUTTON))
        return MouseButton::Right;
    return MouseButton::None;
}

// The quadrant of the magnifier under (x, y), which must lie in its hit area.
int magnifierQuadrant(int x, int y)
{
    const int column = (x - kMagnifierHitArea.x) / kMagnifierQuadrantPixels;
    const int row = (y - kMagnifierHitArea.y) / kMagnifierQuadrantPixels;
    return row * 2 + column;
}

// The left button puts the selection into the quadrant under the pointer, the right
// one picks it from there; "CHIP SET" does so with chips, "CHIP" with tiles.
void onMagnifier(EDITOR& editor, int x, int y, MouseButton button, void (*put)(EDITOR&, int),
                 void (*pick)(EDITOR&, int))
{
    const int quadrant = magnifierQuadrant(x, y);
    if (button == MouseButton::Left)
        put(editor, quadrant);
    else
        pick(editor, quadrant);
}

void onObjectView(EDITOR& editor, int x, int y)
{
    if (!kUpperArea.contains(x, y))
        return;
    const MouseButton button = heldButton(editor);
    if (button == MouseButton::None)
        return;

    const int half = x < kPagePixels ? 0 : 1;
    int px = x - half * kPagePixels;
    int py = y;
    if (button == MouseButton::Right) {
        px &= ~7;  // snap to the 8-pixel grid
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

void onMapSetView(EDITOR& editor, int x, int y)
{
    if (kUpperArea.contains(x, y)) {
        // The cursor follows the pointer whatever the buttons.
        editor.cursorCol = x / kChipSetPixels;
        editor.cursorRow = y / kChipSetPixels;
        std::uint8_t* cell = cellUnderCursor(editor);
        if (cell == nullptr)
            return;  // the right map set lies past the last one
        switch (heldButton(editor)) {
        case MouseButton::Left: *cell = static_cast<std::uint8_t>(editor.curChipSet); break;
        case MouseButton::Right: editor.curChipSet = *cell; break;
        case MouseButton::None: break;
        }
    } else if (kSmallChipSetSheet.contains(x, y) && heldButton(editor) == MouseButton::Left) {
        // Each chip set shows at one chip's size in the small sheet.
        editor.curChipSet = sheetIndexAt(x, y, kSmallChipSetSheet, kChipPixels);
    }
}

void onChipSetView(EDITOR& editor, int x, int y)
{
    constexpr int kHalfBit = 0x80;

    const MouseButton button = heldButton(editor);
    if (button == MouseButton::None)
        return;

    if (kUpperArea.contains(x, y)) {
        if (button == MouseButton::Left)
            editor.curChipSet = (editor.curChipSet & kHalfBit) | sheetIndexAt(x, y, kUpperArea, kChipSetPixels);
        else
            editor.curChipSet ^= kHalfBit;  // show the other half
    } else if (kChipSetViewChipSheet.contains(x, y)) {
        if (button == MouseButton::Left)
            editor.curChip = sheetIndexAt(x, y, kChipSetViewChipSheet, kChipPixels);
    } else if (kMagnifierHitArea.contains(x, y)) {
        onMagnifier(editor, x, y, button, putChipIntoQuadrant, pickChipFromQuadrant);
    }
}

void onChipView(EDITOR& editor, int x, int y)
{
    const MouseButton button = heldButton(editor);
    if (button == MouseButton::None)
        return;

    if (kChipViewChipSheet.contains(x, y)) {
        if (button == MouseButton::Left)
            editor.curChip = sheetIndexAt(x, y, kChipViewChipSheet, kChipPixels);
    } else if (kTileSheet.contains(x, y)) {
        // Tiles show at twice their size.
        if (button == MouseButton::Left)
            editor.curTile = sheetIndexAt(x, y, kTileSheet, 2 * kTilePixels);
    } else if (kMagnifierHitArea.contains(x, y)) {
        onMagnifier(editor, x, y, button, putTileIntoQuadrant, pickTileFromQuadrant);
    }
}

}  // namespace

void EDITOR::onMouse(int x, int y)
{
    switch (curTab) {
    case kViewObject: onObjectView(*this, x, y); break;
    case kViewMapSet: onMapSetView(*this, x, y); break;
    case kViewChipSet: onChipSetView(*this, x, y); break;
    case kViewChip: onChipView(*this, x, y); break;
    default: break;  // the mouse does nothing in "MAP"
    }
}
