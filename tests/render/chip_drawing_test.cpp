#include "render_fixture.h"

namespace {

// Sub-palette 0 with four easily told apart colours.
constexpr std::uint8_t kC0 = 0x0F, kC1 = 0x16, kC2 = 0x2A, kC3 = 0x12;

class ChipDrawing : public RenderTest {
protected:
    Colour chipPixel(int x, int y) const { return editor.chipSurface.pixel(x, y); }
};

}  // namespace

TEST_F(ChipDrawing, DecodesBit7AsTheLeftmostPixelAndCombinesBothPlanes)
{
    setSubPalette(0, kC0, kC1, kC2, kC3);
    std::uint8_t(&tile)[16] = editor.tileGfx[0][9];
    tile[0] = 0x80;      // row 0: plane 0 only in the leftmost pixel -> value 1
    tile[8 + 1] = 0x01;  // row 1: plane 1 only in the rightmost pixel -> value 2
    tile[2] = 0x40;      // row 2: both planes in the second pixel -> value 3
    tile[8 + 2] = 0x40;

    editor.drawChipTile(24, 40, 9, 0);

    EXPECT_EQ(chipPixel(24, 40), colourTable[kC1]);
    EXPECT_EQ(chipPixel(25, 40), colourTable[kC0]);
    EXPECT_EQ(chipPixel(31, 41), colourTable[kC2]);
    EXPECT_EQ(chipPixel(30, 41), colourTable[kC0]);
    EXPECT_EQ(chipPixel(25, 42), colourTable[kC3]);
    // Value 0 is painted in colour 0 of the sub-palette, not left transparent.
    EXPECT_EQ(chipPixel(31, 47), colourTable[kC0]);
    // Nothing outside the 8 x 8 block.
    EXPECT_EQ(chipPixel(32, 40), kWhite);
    EXPECT_EQ(chipPixel(24, 48), kWhite);
}

TEST_F(ChipDrawing, ColourIndexesOf64AndMoreWrapIntoTheTable)
{
    setSubPalette(0, 0xFF, 0x41, 0x00, 0x00);
    editor.tileGfx[0][1][0] = 0x80;
    editor.drawChipTile(0, 0, 1, 0);
    EXPECT_EQ(chipPixel(0, 0), colourTable[0x01]);
    EXPECT_EQ(chipPixel(1, 0), colourTable[0x3F]);
}

TEST_F(ChipDrawing, TheWholeSheetDecodesEveryTileAsOneTileIsDecoded)
{
    for (int p = 0; p < 4; ++p)
        setSubPalette(p, std::uint8_t(4 * p), std::uint8_t(4 * p + 0x11), std::uint8_t(4 * p + 0x22),
                      std::uint8_t(4 * p + 0x33));
    std::uint32_t seed = 12345;
    for (auto& tile : editor.tileGfx[0])
        for (std::uint8_t& byte : tile)
            byte = std::uint8_t((seed = seed * 1103515245 + 12345) >> 16);
    for (int c = 0; c < kChipCount; ++c)
        editor.chip[0][c] = ChipRecord{
            {std::uint8_t(c), std::uint8_t(c * 7), std::uint8_t(c * 13), std::uint8_t(c * 31)}, std::uint8_t(c % 4), 0};
    editor.drawChips();
    const Surface sheet = editor.chipSurface;

    editor.chipSurface.fillAll(kWhite);
    for (int c = 0; c < kChipCount; ++c)
        for (int q = 0; q < 4; ++q)
            editor.drawChipTile(c % 16 * 16 + q % 2 * 8, c / 16 * 16 + q / 2 * 8, editor.chip[0][c].tile[q], c % 4);
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            ASSERT_EQ(sheet.pixel(x, y), chipPixel(x, y)) << x << ", " << y;
}

TEST_F(ChipDrawing, PlacesEachQuadrantOfEachChipInTheSheet)
{
    setSubPalette(0, 0x01, 0x11, 0x21, 0x31);
    setSolidTile(1, 1);
    setSolidTile(2, 2);
    setSolidTile(3, 3);
    // Chip 17 sits in column 1, row 1 of the sheet.
    editor.chip[0][17] = ChipRecord{{0, 1, 2, 3}, 0, 0};
    editor.drawChips();
    EXPECT_EQ(chipPixel(16, 16), colourTable[0x01]);
    EXPECT_EQ(chipPixel(24, 16), colourTable[0x11]);
    EXPECT_EQ(chipPixel(16, 24), colourTable[0x21]);
    EXPECT_EQ(chipPixel(31, 31), colourTable[0x31]);
}

TEST_F(ChipDrawing, StaticAndAnimatedPathsEachDrawOnlyTheirOwnQuadrants)
{
    setSubPalette(0, 0x01, 0x01, 0x01, 0x01);
    setSubPalette(1, 0x02, 0x02, 0x02, 0x02, 0x85);
    // A non-zero selector without bit 7 still belongs to the animated path.
    setSubPalette(2, 0x03, 0x03, 0x03, 0x03, 0x05);
    editor.chip[0][0] = ChipRecord{{0, 0, 0, 0}, 0, 0};
    editor.chip[0][1] = ChipRecord{{0, 0, 0, 0}, 1, 0};
    editor.chip[0][2] = ChipRecord{{0, 0, 0, 0}, 2, 0};

    editor.drawChips();
    editor.drawChipTile(16, 0, 0, 1);
    EXPECT_EQ(chipPixel(0, 0), colourTable[0x01]);
    EXPECT_EQ(chipPixel(16, 0), kWhite);  // untouched until the first refresh
    EXPECT_EQ(chipPixel(40, 8), kWhite);

    editor.chipSurface.fillAll(kWhite);
    editor.drawAnimatedChips();
    editor.drawAnimatedChipTile(8, 8, 0, 0);
    EXPECT_EQ(chipPixel(0, 0), kWhite);
    EXPECT_EQ(chipPixel(8, 8), kWhite);
    EXPECT_EQ(chipPixel(16, 0), colourTable[0x02]);
    EXPECT_EQ(chipPixel(47, 15), colourTable[0x03]);
}

TEST_F(ChipDrawing, ChipSetsAreBuiltFromTheChipSheet)
{
    for (int k = 0; k < 256; ++k)
        editor.chipSurface.fill({16 * (k % 16), 16 * (k / 16), 16, 16}, tag(k));
    // Chip set 0x21 sits in column 1, row 2 of the chip-set sheet.
    editor.chipSet[0][0x21][0] = 0x05;
    editor.chipSet[0][0x21][1] = 0x10;
    editor.chipSet[0][0x21][2] = 0xFF;
    editor.chipSet[0][0x21][3] = 0x00;
    editor.drawChipSets();
    const Surface& sheet = editor.chipSetSurface;
    EXPECT_EQ(sheet.pixel(32, 64), tag(0x05));
    EXPECT_EQ(sheet.pixel(48 + 15, 64), tag(0x10));
    EXPECT_EQ(sheet.pixel(32, 80 + 15), tag(0xFF));
    EXPECT_EQ(sheet.pixel(63, 95), tag(0x00));
    // Chip sets left at zero show chip 0 in all four quadrants.
    EXPECT_EQ(sheet.pixel(511, 511), tag(0x00));
}
