#pragma once

#include <cstdint>
#include <vector>

#include "model/view_geometry.h"

// Items copied out of one view: a rectangle of map-set cells, chip sets or chips, or a
// run of pages or objects (one row), with each item's bytes as the stage tables hold
// them. An object's first byte is its page's distance from the first object's page
// (a signed byte); the others are its x, y and data.
struct CopiedItems {
    int view = -1;
    int columns = 0;
    int rows = 0;
    std::vector<std::uint8_t> bytes;  // row by row, item by item, itemBytes(view) each

    int count() const { return columns * rows; }
    const std::uint8_t* item(int column, int row) const;
    std::uint8_t* item(int column, int row);
};

// Besides the views' items: sub-palettes of the Colours window, a column of one to
// four, each its four colours and then its animation selector; and tiles of the tile
// window, a block of up to 2 x 2, each its 64 pixel values (0 to 3) row by row.
inline constexpr int kSubPaletteItems = 5;
inline constexpr int kTileItems = 6;
inline constexpr int kClipboardKindCount = 7;
inline constexpr int kTileValues = kTilePixels * kTilePixels;  // a tile's pixel values

// What the clipboard text calls a kind of items: a view's name, "SUB-PALETTES" or
// "TILES".
const char* itemKindName(int kind);

// The bytes of one item of view: a page's map-set number, an object, a cell's chip
// set, a chip set's four chips, a chip's four tiles with its sub-palette and style, a
// sub-palette's colours and selector, a tile's pixels. 0 for any other view.
int itemBytes(int view);
