#pragma once

#include <array>
#include <cstdint>
#include <cstring>

#include "model/stage_records.h"
#include "render/colour_table.h"

namespace tile_pixels_detail {

// For each plane byte, its eight bits spread over eight bytes, leftmost pixel (bit 7)
// first, each byte 0 or 1.
constexpr std::array<std::array<std::uint8_t, 8>, 256> makeSpreadBits()
{
    std::array<std::array<std::uint8_t, 8>, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        for (int x = 0; x < 8; ++x)
            table[std::size_t(byte)][std::size_t(x)] = std::uint8_t((byte >> (7 - x)) & 1);
    return table;
}
inline constexpr auto kSpreadBits = makeSpreadBits();

}  // namespace tile_pixels_detail

// A tile row holds its eight pixels in two bytes (bit plane 0 and bit plane 1), bit 7
// being the leftmost pixel. Returns the values of pixels 0 (left) to 7, each plane-0
// bit + 2 x plane-1 bit.
inline std::array<std::uint8_t, 8> tileRowValues(std::uint8_t plane0, std::uint8_t plane1)
{
    // Combine all eight pixels at once: every byte of the spread bits is 0 or 1, so
    // shifting the whole word left by one doubles each byte without crossing into the
    // next, whatever the byte order.
    std::uint64_t low;
    std::uint64_t high;
    std::memcpy(&low, tile_pixels_detail::kSpreadBits[plane0].data(), sizeof low);
    std::memcpy(&high, tile_pixels_detail::kSpreadBits[plane1].data(), sizeof high);
    const std::uint64_t combined = low | (high << 1);
    std::array<std::uint8_t, 8> values;
    std::memcpy(values.data(), &combined, sizeof combined);
    return values;
}

// The four screen colours of sub-palette p of a palette: colour index bytes looked up
// in the colour table.
inline std::array<Colour, 4> subPaletteColours(const PaletteRecord& palette, int p)
{
    const std::uint8_t* indexes = palette.colour[p];
    return {colourTable[indexes[0]], colourTable[indexes[1]], colourTable[indexes[2]], colourTable[indexes[3]]};
}

// The colours of four neighbouring pixels of a tile row in one sub-palette, for every
// pair of plane nibbles, so that a row of eight pixels is two lookups. Worth making
// for the many tiles of a sheet, not for one tile.
class TileRowColours {
public:
    explicit TileRowColours(const std::array<Colour, 4>& colours) : colours_(colours)
    {
        for (int nibbles = 0; nibbles < 256; ++nibbles)
            for (int i = 0; i < 4; ++i) {
                const int bit = 3 - i;
                const int value = ((nibbles >> bit) & 1) | (((nibbles >> (4 + bit)) & 1) << 1);
                quads_[std::size_t(nibbles)][std::size_t(i)] = colours[std::size_t(value)];
            }
    }

    const std::array<Colour, 4>& colours() const { return colours_; }

    // Writes the eight pixels of the row with plane bytes plane0 and plane1 to line.
    void drawRow(Colour* line, std::uint8_t plane0, std::uint8_t plane1) const
    {
        std::memcpy(line, quads_[std::size_t((plane0 >> 4) | (plane1 & 0xF0))].data(), 4 * sizeof(Colour));
        std::memcpy(line + 4, quads_[std::size_t((plane0 & 0x0F) | ((plane1 & 0x0F) << 4))].data(), 4 * sizeof(Colour));
    }

private:
    std::array<Colour, 4> colours_;
    std::array<std::array<Colour, 4>, 256> quads_;
};
