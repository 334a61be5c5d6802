#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/stage_records.h"
#include "model/surface.h"
#include "tilesheet/tile_sheet_image.h"

// Tile sheets turned into a stage's tiles and back. A tile pixel's value (0 to 3) is
// the sheet's palette index in an indexed sheet of four colours or fewer, the
// convention of the console's tile tools, and otherwise the value whose colour it has
// in the sub-palette the sheet was drawn in.

using TileBytes = std::array<std::uint8_t, kTileBytes>;
using StageTileBytes = std::uint8_t[kTileCount][kTileBytes];

// The colours a sheet is drawn in: the four of one sub-palette of one palette set, the
// numbers kept for saying which.
struct SheetColours {
    std::array<Colour, 4> colour{};
    int paletteSet = 0;
    int subPalette = 0;
};

// Why a sheet cannot be read, in the editor's words, naming its size or its first
// pixel at fault (x, y and colour or index).
class TileSheetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct SheetTiles {
    std::array<TileBytes, kTileCount> tiles{};
    // The tiles whose pixels differ from those the stage holds now, in ascending order.
    std::vector<int> changed;
};

// The 256 tiles a sheet of 128 x 128 or 256 x 256 pixels holds. A pixel read by colour
// whose colour two values of the sub-palette share keeps the value the tile holds now
// in current if that is one of them, else gets the lower. Throws TileSheetError for a
// sheet of another size, a 2 x 2 block of two colours (or indexes) in a 256 x 256
// sheet, an index above 3 where indexes are values, and a colour the sub-palette does
// not hold.
SheetTiles readTileSheet(const TileSheetImage& sheet, const SheetColours& colours, const StageTileBytes& current);

// The 256 tiles as an indexed sheet whose index is the value and whose four palette
// entries are colours: 128 x 128 at scale 1, 256 x 256 (2 x 2 pixels a tile pixel)
// at scale 2.
TileSheetImage writeTileSheet(const StageTileBytes& tiles, const std::array<Colour, 4>& colours, int scale = 1);
