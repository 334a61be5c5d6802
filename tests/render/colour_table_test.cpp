#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "render/colour_table.h"

TEST(ColourTable, HoldsTheListedColoursIncludingTheIrregularEntries)
{
    EXPECT_EQ(colourTable[0x00], rgb(0x78, 0x78, 0x78));
    EXPECT_EQ(colourTable[0x01], rgb(0x20, 0x00, 0xB0));
    EXPECT_EQ(colourTable[0x0A], rgb(0x38, 0x6C, 0x00));
    EXPECT_EQ(colourTable[0x12], rgb(0x40, 0x40, 0xFF));
    EXPECT_EQ(colourTable[0x27], rgb(0xFF, 0xA0, 0x00));
    EXPECT_EQ(colourTable[0x30], rgb(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(colourTable[0x3C], rgb(0xA0, 0xFF, 0xF0));
    // 0x2D repeats colour 0x00 and 0x3D is a light grey rather than black.
    EXPECT_EQ(colourTable[0x2D], rgb(0x78, 0x78, 0x78));
    EXPECT_EQ(colourTable[0x3D], rgb(0xA0, 0xA0, 0xA0));
    for (int blackIndex : {0x0D, 0x0E, 0x0F, 0x1D, 0x1E, 0x1F, 0x2E, 0x2F, 0x3E, 0x3F})
        EXPECT_EQ(colourTable[std::size_t(blackIndex)], kBlack) << blackIndex;
}

TEST(ColourTable, AnyIndexByteShowsItsColourModulo64)
{
    EXPECT_EQ(colourTable[0x41], colourTable[0x01]);
    EXPECT_EQ(colourTable[0xFF], colourTable[0x3F]);
    EXPECT_EQ(colourTable[0xFF], kBlack);
    for (std::size_t i = 0; i < colourTable.size(); ++i)
        ASSERT_EQ(colourTable[i], colourTable[i % 64]) << i;
}

TEST(ColourTable, APaletteFileGivesItsFirst64ColoursAndOtherSizesAreRefused)
{
    std::vector<std::uint8_t> bytes(1536);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = std::uint8_t(i * 7);
    const std::array<Colour, 64> colours = paletteFileColours(bytes);
    EXPECT_EQ(colours[1], rgb(21, 28, 35));
    EXPECT_EQ(colours, paletteFileColours(std::span(bytes).first(192)));
    for (const std::size_t size : {0, 191, 193, 1535})
        EXPECT_THROW(paletteFileColours(std::span(bytes).first(size)), std::runtime_error) << size;
}
