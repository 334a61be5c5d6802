#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/stage_records.h"

class EDITOR;

// Every editable table of every stage, read and written one value at a time by stage
// and place, for scripts. A write is checked as the editor's own editing checks the
// same value (its range, a slot that exists, a tile that can be drawn) and refused with
// a TableAccessError that names the table, the place and the value; a refused write
// changes nothing. The writes go straight into the editor's tables, so the history
// sees them as it sees any edit.

class TableAccessError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Stages are 0 to 15; any other number is refused.
void checkStage(int stage);

// Pages: the map set each of the 48 pages shows (0 to 31; a loaded value of 32 or
// more is read as it is).
int pageMapSet(const EDITOR& editor, int stage, int page);
void setPageMapSet(EDITOR& editor, int stage, int page, int mapSet);

// Map sets: the chip set in each cell, by column (0 left) and row (0 top).
int mapSetCell(const EDITOR& editor, int stage, int mapSet, int column, int row);
void setMapSetCell(EDITOR& editor, int stage, int mapSet, int column, int row, int chipSet);

// Chip sets: the chips of the four quadrants (top-left, top-right, bottom-left,
// bottom-right).
std::array<int, 4> chipSetChips(const EDITOR& editor, int stage, int chipSet);
void setChipSetChips(EDITOR& editor, int stage, int chipSet, const std::array<int, 4>& chips);

// Chips: the tiles of the four quadrants, the sub-palette (0 to 3) and the style (the
// upper six bits of the attribute byte: a multiple of 4, 0 to 252).
struct ChipValues {
    std::array<int, 4> tiles{};
    int palette = 0;
    int style = 0;
};
ChipValues chipValues(const EDITOR& editor, int stage, int chip);
void setChipValues(EDITOR& editor, int stage, int chip, const ChipValues& values);

// Palette sets: colour `index` (0 to 3) of a sub-palette (0 to 3) of a set (0 to 3),
// a console colour 0 to 63; and the animation selector of each sub-palette (0 to 255).
int paletteColour(const EDITOR& editor, int stage, int set, int subPalette, int index);
void setPaletteColour(EDITOR& editor, int stage, int set, int subPalette, int index, int colour);
int paletteSelector(const EDITOR& editor, int stage, int set, int subPalette);
void setPaletteSelector(EDITOR& editor, int stage, int set, int subPalette, int selector);

// Tiles: pixel values 0 to 3 by column and row. A tile is drawn at its source, so
// every tile of every stage loaded from the same bytes changes with it.
int tilePixelAt(const EDITOR& editor, int stage, int tile, int x, int y);
void setTilePixelAt(EDITOR& editor, int stage, int tile, int x, int y, int value);
// All 64 pixels, row by row, written as one change at the source.
void setTilePixels(EDITOR& editor, int stage, int tile, const std::array<std::array<int, 8>, 8>& pixels);

// Where a tile is loaded from, and so what it shares.
struct TileSourceInfo {
    std::optional<std::uint32_t> offset;         // in the image; none when no list loads the tile
    std::string refusal;                         // why it cannot be drawn; "" when it can
    std::vector<std::array<int, 2>> sharedWith;  // the other {stage, tile} loaded from there
};
TileSourceInfo tileSource(const EDITOR& editor, int stage, int tile);

// Objects: the used slots, in slot order.
struct ObjectValues {
    int slot = 0;
    int page = 0;
    int x = 0;
    int y = 0;
    int data = 0;
};
std::vector<ObjectValues> usedObjects(const EDITOR& editor, int stage);
// A used slot gets new values; the first free slot takes a new object at the end of
// the list. Pages are 0 to 47, the rest 0 to 255; any other slot is refused.
void setObjectValues(EDITOR& editor, int stage, const ObjectValues& values);
// Takes an object out of the list, the later ones moving up; the list keeps at least
// one object, as erasing in the editor does.
void removeObject(EDITOR& editor, int stage, int slot);
