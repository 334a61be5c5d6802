#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tilesheet/sheet_tiles.h"

class EDITOR;

// A tile the sheet draws otherwise that keeps its pixels, and why, in the editor's words.
struct TileLeft {
    int tile = 0;
    std::string reason;
};

// What putting a sheet's tiles into a stage did.
struct SheetImport {
    std::vector<int> written;  // the tiles given the sheet's pixels, in ascending order
    std::vector<TileLeft> left;
};

// Gives every tile of stage that read names as changed the sheet's bytes where the
// stage loads it from, so every tile of every stage loaded from the same bytes
// changes with it. A tile without a source, with a refused source, or loaded from the
// same bytes as a tile of the sheet written before it with other pixels is left.
SheetImport putSheetTiles(EDITOR& editor, int stage, const SheetTiles& read);

// The same as one step of the undo history, which Ctrl+Z takes back whole.
SheetImport importSheetTiles(EDITOR& editor, int stage, const SheetTiles& read);

// Writes the tiles of stage into image at their sources, as Save writes them, and no
// other byte. Throws std::runtime_error when image is too short to hold a source,
// which happens only if it is not the image the editor loaded.
void writeStageTiles(const EDITOR& editor, int stage, std::vector<std::uint8_t>& image);

// What an import did, for the user: a line saying how many tiles of stage changed
// (ending with where, when given: ", in ..."), then a line for each tile left as it
// is, with the reason.
std::string sheetImportSummary(const SheetImport& import, int stage, const std::string& where = {});
