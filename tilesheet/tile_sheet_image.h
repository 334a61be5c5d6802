#pragma once

#include <cstdint>
#include <vector>

#include "model/surface.h"

// A picture of a stage's 256 tiles, 16 to a row, as a picture file holds it: each
// pixel either an index into the picture's own palette or a colour.
struct TileSheetImage {
    int width = 0;
    int height = 0;
    bool indexed = false;
    // Row by row from the top-left: the index of a pixel's colour in palette when the
    // picture is indexed, else its colour (0xAARRGGBB; the alpha is not looked at).
    std::vector<std::uint32_t> pixels;
    std::vector<Colour> palette;
};

// The sheet that pixel artists draw on: one picture pixel per tile pixel.
inline constexpr int kTileSheetSide = 128;
// The sheet the picture export writes: each tile pixel a 2 x 2 block of one colour.
inline constexpr int kExportedTileSheetSide = 256;
