#pragma once

#include <array>
#include <string>
#include <vector>

#include "clipboard/copied_items.h"
#include "edit/tile_editing.h"
#include "model/surface.h"

class EDITOR;

// What the tile window draws on: one tile of a stage, or the 2 x 2 tiles of one of
// its chips, so that a block can be drawn across its tile borders. Pixels are
// addressed across the whole block, x from the left and y from the top.
struct TileBlock {
    int stage = 0;
    int columns = 1;  // 1, or 2 for a chip
    int rows = 1;
    std::array<int, 4> tiles{};  // row by row, as a chip's quadrants

    int width() const { return columns * kTilePixels; }
    int height() const { return rows * kTilePixels; }
    int count() const { return columns * rows; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width() && y < height(); }
    // The tile under a pixel of the block.
    int tileAt(int x, int y) const { return tiles[std::size_t((y / kTilePixels) * columns + x / kTilePixels)]; }
};

TileBlock singleTileBlock(int stage, int tile);
TileBlock chipTileBlock(const EDITOR& editor, int stage, int chip);

int blockPixel(const EDITOR& editor, const TileBlock& block, int x, int y);

// Why no pixel of the block's tile under (x, y) can change, or "" when it can.
std::string blockDrawingRefusal(const EDITOR& editor, const TileBlock& block, int x, int y);

// Draws value along the straight line from (x0, y0) to (x1, y1), both ends included,
// skipping the tiles that cannot be drawn. Returns whether any pixel changed.
bool drawBlockLine(EDITOR& editor, const TileBlock& block, int x0, int y0, int x1, int y1, int value);

// The 2 x 2 block of a chip flips and turns as a whole: its tiles change places as
// well as pixels. Refused, with a message and nothing changed, when a tile of the
// block cannot be drawn or two of its quadrants would need different pixels in the
// same bytes. Returns whether anything changed.
bool flipTileBlock(EDITOR& editor, const TileBlock& block, bool horizontally);
bool turnTileBlock(EDITOR& editor, const TileBlock& block);

// The block's pixels as clipboard items of kind kTileItems.
CopiedItems tileBlockItems(const EDITOR& editor, const TileBlock& block);
// The items as a picture, one picture pixel per tile pixel, in colours of sub-palette
// subPalette of the stage's current palette.
Surface tileItemsPicture(const EDITOR& editor, const CopiedItems& items, int stage, int subPalette);

// Ctrl+C: the block onto the clipboard, as text and as a picture.
void copyTileBlock(EDITOR& editor, const TileBlock& block, int subPalette);
// Ctrl+V: tiles from the clipboard into the block (a chip's quadrants from the top
// left; after a single tile, the tiles right of it and below it in the stage's sheet
// of 16 x 16), as far as the block or the sheet reaches. Anything else on the
// clipboard, or a tile that cannot be drawn, is refused with the reason and nothing
// changes. Returns whether anything changed.
bool pasteTileBlock(EDITOR& editor, const TileBlock& block);
