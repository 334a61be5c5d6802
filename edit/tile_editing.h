#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/stage_records.h"

class EDITOR;

// Drawing on tiles. A tile is drawn at its source in the image: every tile of every
// stage loaded from the same 16 bytes changes with it, in the model and in the views.

struct TilePlace {
    int stage;
    int tile;
};

// Why a tile cannot be drawn, in the system's own words ("This tile is not loaded from
// the image, so it cannot be drawn." or why its source is refused), or "" when it can.
std::string tileDrawingRefusal(const EDITOR& editor, int stage, int tile);
// The other tiles, of this stage and the others, loaded from the same 16 bytes, stage by stage and tile by tile.
std::vector<TilePlace> tilesSharingSource(const EDITOR& editor, int stage, int tile);
// Gives a tile new bytes at its source: every tile of every stage loaded from the same
// source changes with it at once. Returns false and changes nothing when it is refused.
bool setTileBytes(EDITOR& editor, int stage, int tile, const std::array<std::uint8_t, kTileBytes>& bytes);
// Pixel values 0 to 3; x is the column (0 left), y the row (0 top).
int tilePixel(const EDITOR& editor, int stage, int tile, int x, int y);
bool setTilePixel(EDITOR& editor, int stage, int tile, int x, int y, int value);
// Fills the 4-connected area of one value around (x, y), inside the tile.
bool fillTileArea(EDITOR& editor, int stage, int tile, int x, int y, int value);
bool flipTile(EDITOR& editor, int stage, int tile, bool horizontally);
// A quarter turn clockwise.
bool turnTile(EDITOR& editor, int stage, int tile);
