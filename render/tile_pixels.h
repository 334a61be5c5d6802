#pragma once

#include <array>
#include <cstdint>

#include "model/stage_records.h"
#include "render/colour_table.h"

// A tile row holds its eight pixels in two bytes (bit plane 0 and bit plane 1), bit 7
// being the leftmost pixel. The value of pixel x (0 = left) is plane-0 bit + 2 x plane-1 bit.
inline std::array<std::uint8_t, 8> tileRowValues(std::uint8_t plane0, std::uint8_t plane1)
{
    std::array<std::uint8_t, 8> values;
    for (int x = 0; x < 8; ++x) {
        const int bit = 7 - x;
        values[std::size_t(x)] = std::uint8_t(((plane0 >> bit) & 1) | (((plane1 >> bit) & 1) << 1));
    }
    return values;
}

// The four screen colours of sub-palette p of a palette: colour index bytes looked up
// in the colour table.
inline std::array<Colour, 4> subPaletteColours(const PaletteRecord& palette, int p)
{
    const std::uint8_t* indexes = palette.colour[p];
    return {colourTable[indexes[0]], colourTable[indexes[1]], colourTable[indexes[2]], colourTable[indexes[3]]};
}
