#pragma once

#include <array>
#include <span>

#include "model/surface.h"

// Where things are in the views: the sheets' cells, the surfaces' sizes, the areas the
// views and the mouse share, and each view's step buttons. Painting, the hit tests and
// the placement of the buttons all read these, so a place is changed here once.

// --- Sheets --------------------------------------------------------------------------
// Tiles, chips and chip sets are laid out 16 to a row; a chip is 2 x 2 tiles and a chip
// set 2 x 2 chips.
inline constexpr int kSheetColumns = 16;
inline constexpr int kTilePixels = 8;
inline constexpr int kChipPixels = 2 * kTilePixels;
inline constexpr int kChipSetPixels = 2 * kChipPixels;
// "CHIP SET" shows half of the 256 chip sets at a time, 16 x 8; bit 7 of curChipSet
// chooses the half.
inline constexpr int kChipSetHalfBit = 0x80;
inline constexpr int kChipSetHalfRows = 8;

// The cell of entry index in a sheet of cells of cellPixels, the sheet at (left, top).
constexpr Rect sheetCell(int index, int cellPixels, int left = 0, int top = 0)
{
    return {left + cellPixels * (index % kSheetColumns), top + cellPixels * (index / kSheetColumns), cellPixels,
            cellPixels};
}

// The entry under (x, y) of a sheet of cells of cellPixels at sheet's top-left corner;
// (x, y) must lie in sheet.
constexpr int sheetIndexAt(int x, int y, const Rect& sheet, int cellPixels)
{
    return (x - sheet.x) / cellPixels + ((y - sheet.y) / cellPixels) * kSheetColumns;
}

// Where quadrant q (0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right) of a block
// of 2 x 2 parts of partPixels starts, relative to the block.
constexpr int quadrantX(int q, int partPixels)
{
    return partPixels * (q & 1);
}
constexpr int quadrantY(int q, int partPixels)
{
    return partPixels * (q >> 1);
}

// --- Surfaces ------------------------------------------------------------------------
inline constexpr int kViewWidth = 512;
inline constexpr int kViewHeight = 528;
inline constexpr int kChipSheetPixels = kSheetColumns * kChipPixels;        // square
inline constexpr int kChipSetSheetPixels = kSheetColumns * kChipSetPixels;  // square

inline constexpr Rect kWholeView{0, 0, kViewWidth, kViewHeight};

// --- Areas of the views, in view-surface pixels --------------------------------------
// Every view's upper part: two pages, two map sets, or half of the chip sets.
inline constexpr int kPagePixels = 8 * kChipSetPixels;
inline constexpr Rect kUpperArea{0, 0, kViewWidth, kPagePixels};
// The band under the upper area that the scroll bar covers in "MAP" and "OBJECT".
inline constexpr Rect kScrollBarBand{0, kPagePixels, kViewWidth, 16};
// Everything below the upper area: the scroll-bar band and the lower area.
inline constexpr Rect kBelowUpperArea{0, kPagePixels, kViewWidth, kViewHeight - kPagePixels};
// "MAP SET": the chip-set sheet at half size, one chip's size per chip set.
inline constexpr Rect kSmallChipSetSheet{kPagePixels, kPagePixels + kScrollBarBand.height, kChipSheetPixels,
                                         kChipSheetPixels};
// "CHIP SET": the chip sheet, under the chip sets.
inline constexpr Rect kChipSetViewChipSheet{kPagePixels, kPagePixels, kChipSheetPixels, kChipSheetPixels};
// "CHIP": the chip sheet and the tile sheet side by side.
inline constexpr Rect kChipViewChipSheet{0, 0, kChipSheetPixels, kChipSheetPixels};
inline constexpr Rect kTileSheet{kChipSheetPixels, 0, kChipSheetPixels, kChipSheetPixels};
// The square in the lower area that shows the current chip set or chip enlarged.
inline constexpr Rect kMagnifier{96, 320, 64, 64};
// The mouse reaches the magnifier one pixel further right and down, on its frame, and
// splits those 65 pixels per side into quadrants of 33 and 32.
inline constexpr Rect kMagnifierHitArea{kMagnifier.x, kMagnifier.y, kMagnifier.width + 1, kMagnifier.height + 1};
inline constexpr int kMagnifierQuadrantPixels = 33;
// "CHIP SET" and "CHIP": the four sub-palettes' swatches, 128 pixels apart, each 96 x 12
// with its outline one pixel further right and down.
inline constexpr int kPaletteSwatchSpacing = 128;
inline constexpr Rect kPaletteStrip{16, 514, 3 * kPaletteSwatchSpacing + 97, 13};

// --- Step buttons --------------------------------------------------------------------
struct StepButtonPlace {
    int index;  // 0 to 17
    const char* label;
    Rect rect;
};

// The buttons view shows (0 "MAP" to 4 "CHIP"), in the order they are labelled and
// placed; every button not listed is hidden. Empty for any other view.
std::span<const StepButtonPlace> stepButtonPlaces(int view);

// --- What reaches the editing area ---------------------------------------------------
// The rectangles of the view surface copied to the editing area. The buttons lie over
// the area and must stay visible, so their rectangles are left out of the copy.
std::span<const Rect> copiedRects(int view);
std::span<const Rect> leftOutRects(int view);
