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

namespace {

constexpr int kViewWidth = 512;
constexpr int kPageWidth = 256;  // also the height of the pages, map sets and chip-set half
constexpr int kSheetColumns = 16;

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

struct Area {
    int left, top, right, bottom;  // inclusive

    bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// The upper part of every view: two pages, two map sets, or 16 x 8 chip sets.
constexpr Area kUpperArea{0, 0, kViewWidth - 1, kPageWidth - 1};
// The chip-set sheet of "MAP SET", at half size.
constexpr Area kChipSetSheet{256, 272, 511, 527};
// The chip sheet of "CHIP SET".
constexpr Area kChipSheet{256, 256, 511, 511};
// The selected chip set or chip, enlarged. Its 65 pixels per side split into
// quadrants of 33 and 32 pixels.
constexpr Area kEnlargedArea{96, 320, 160, 384};
constexpr int kEnlargedQuadrantPixels = 33;

// Column and row of a position in a sheet of 16 cells per row.
int sheetIndex(int x, int y, const Area& sheet, int cellPixels)
{
    return (x - sheet.left) / cellPixels + ((y - sheet.top) / cellPixels) * kSheetColumns;
}

int enlargedColumn(int x) { return (x - kEnlargedArea.left) / kEnlargedQuadrantPixels; }
int enlargedRow(int y) { return (y - kEnlargedArea.top) / kEnlargedQuadrantPixels; }

void onObjectView(EDITOR& editor, int x, int y)
{
    if (!kUpperArea.contains(x, y))
        return;
    const MouseButton button = heldButton(editor);
    if (button == MouseButton::None)
        return;

    const int half = x < kPageWidth ? 0 : 1;
    int px = x - half * kPageWidth;
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
    constexpr int kCellPixels = 32;
    constexpr int kSheetCellPixels = 16;

    if (kUpperArea.contains(x, y)) {
        // The cursor follows the pointer whatever the buttons.
        editor.cursorCol = x / kCellPixels;
        editor.cursorRow = y / kCellPixels;
        std::uint8_t* cell = cellUnderCursor(editor);
        if (cell == nullptr)
            return;  // the right map set lies past the last one
        switch (heldButton(editor)) {
        case MouseButton::Left: *cell = static_cast<std::uint8_t>(editor.curChipSet); break;
        case MouseButton::Right: editor.curChipSet = *cell; break;
        case MouseButton::None: break;
        }
    } else if (kChipSetSheet.contains(x, y) && heldButton(editor) == MouseButton::Left) {
        editor.curChipSet = sheetIndex(x, y, kChipSetSheet, kSheetCellPixels);
    }
}

void onChipSetView(EDITOR& editor, int x, int y)
{
    constexpr int kChipSetPixels = 32;
    constexpr int kChipPixels = 16;
    constexpr int kHalfBit = 0x80;

    const MouseButton button = heldButton(editor);
    if (button == MouseButton::None)
        return;

    if (kUpperArea.contains(x, y)) {
        if (button == MouseButton::Left)
            editor.curChipSet = (editor.curChipSet & kHalfBit) | sheetIndex(x, y, kUpperArea, kChipSetPixels);
        else
            editor.curChipSet ^= kHalfBit;  // show the other half
    } else if (kChipSheet.contains(x, y)) {
        if (button == MouseButton::Left)
            editor.curChip = sheetIndex(x, y, kChipSheet, kChipPixels);
    } else if (kEnlargedArea.contains(x, y)) {
        const int quadrant = enlargedRow(y) * 2 + enlargedColumn(x);
        if (button == MouseButton::Left)
            putChipIntoQuadrant(editor, quadrant);
        else
            pickChipFromQuadrant(editor, quadrant);
    }
}

void onChipView(EDITOR& editor, int x, int y)
{
    constexpr int kCellPixels = 16;
    constexpr Area kChipSheetArea{0, 0, 255, 255};
    constexpr Area kTileSheetArea{256, 0, 511, 255};

    const MouseButton button = heldButton(editor);
    if (button == MouseButton::None)
        return;

    if (kChipSheetArea.contains(x, y)) {
        if (button == MouseButton::Left)
            editor.curChip = sheetIndex(x, y, kChipSheetArea, kCellPixels);
    } else if (kTileSheetArea.contains(x, y)) {
        if (button == MouseButton::Left)
            editor.curTile = sheetIndex(x, y, kTileSheetArea, kCellPixels);
    } else if (kEnlargedArea.contains(x, y)) {
        const int quadrant = enlargedRow(y) * 2 + enlargedColumn(x);
        if (button == MouseButton::Left)
            putTileIntoQuadrant(editor, quadrant);
        else
            pickTileFromQuadrant(editor, quadrant);
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
