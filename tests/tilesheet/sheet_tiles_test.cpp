#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "demo/demo_image.h"
#include "model/editor.h"
#include "render/stage_picture.h"
#include "render/tile_pixels.h"
#include "rom/load_rom.h"
#include "support/fake_host.h"
#include "tilesheet/sheet_colours.h"
#include "tilesheet/sheet_tiles.h"

namespace {

constexpr Colour kRed = rgb(0xD8, 0x28, 0x00);

class SheetTilesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        editor = new EDITOR;
        loadRomImage(*editor, makeDemoImage());
    }
    static void TearDownTestSuite() { delete editor; }

    static const StageTileBytes& tiles(int stage = 0) { return editor->tileGfx[stage]; }

    // The same sheet with its colours instead of indexes, as a picture editor keeps it.
    static TileSheetImage asColours(TileSheetImage sheet)
    {
        for (std::uint32_t& pixel : sheet.pixels)
            pixel = sheet.palette[pixel];
        sheet.indexed = false;
        sheet.palette.clear();
        return sheet;
    }

    static std::string refusal(const TileSheetImage& sheet, const SheetColours& colours)
    {
        try {
            readTileSheet(sheet, colours, tiles());
        } catch (const TileSheetError& error) {
            return error.what();
        }
        return "";
    }

    static inline EDITOR* editor = nullptr;
};

TEST_F(SheetTilesTest, SheetsWrittenAndReadBackUnchangedChangeNothing)
{
    for (int stage : {0, 5})
        for (int subPalette = 0; subPalette < 4; ++subPalette) {
            const SheetColours colours = sheetColours(*editor, stage, 1, subPalette);
            for (int scale : {1, 2}) {
                const TileSheetImage sheet = writeTileSheet(tiles(stage), colours.colour, scale);
                ASSERT_EQ(sheet.width, 128 * scale);
                for (const TileSheetImage& read : {sheet, asColours(sheet)}) {
                    const SheetTiles result = readTileSheet(read, colours, tiles(stage));
                    EXPECT_TRUE(result.changed.empty()) << stage << " " << subPalette << " " << scale;
                    EXPECT_EQ(std::memcmp(result.tiles.data(), tiles(stage), sizeof(StageTileBytes)), 0);
                }
            }
        }
}

TEST_F(SheetTilesTest, OneChangedPixelChangesOneBitOfItsTileOnly)
{
    const SheetColours colours{{kBlack, kRed, kWhite, rgb(0, 0, 0xFF)}, 0, 0};
    TileSheetImage sheet = asColours(writeTileSheet(tiles(), colours.colour, 2));
    // Tile 0x23 (column 3, row 2), pixel x 5, y 6: every pixel of its 2 x 2 block.
    const int tile = 0x23;
    const int value = ((tiles()[tile][6] >> 2) & 1) | (((tiles()[tile][14] >> 2) & 1) << 1);
    const int changedTo = value ^ 1;
    for (int y : {2 * (16 + 6), 2 * (16 + 6) + 1})
        for (int x : {2 * (24 + 5), 2 * (24 + 5) + 1})
            sheet.pixels[std::size_t(y * 256 + x)] = colours.colour[std::size_t(changedTo)];
    const SheetTiles result = readTileSheet(sheet, colours, tiles());
    ASSERT_EQ(result.changed, std::vector<int>{tile});
    for (int t = 0; t < kTileCount; ++t)
        for (int b = 0; b < kTileBytes; ++b)
            EXPECT_EQ(result.tiles[std::size_t(t)][std::size_t(b)], tiles()[t][b] ^ (t == tile && b == 6 ? 4 : 0))
                << t << " " << b;
}

TEST_F(SheetTilesTest, RefusalsNameTheSizeOrTheFirstPixelAtFault)
{
    const SheetColours colours{{kBlack, kRed, kWhite, rgb(0, 0, 0xFF)}, 2, 3};
    TileSheetImage wrongSize = writeTileSheet(tiles(), colours.colour);
    wrongSize.width = 64;
    wrongSize.pixels.resize(64 * 128);
    EXPECT_EQ(refusal(wrongSize, colours),
              "The sheet is 64 x 128 pixels, but a tile sheet is 128 x 128 (one pixel per tile pixel) or 256 x 256 "
              "(2 x 2 pixels per tile pixel, as the exported sheets are); nothing was imported.");

    TileSheetImage foreign = asColours(writeTileSheet(tiles(), colours.colour));
    foreign.pixels[12 * 128 + 37] = rgb(0xA0, 0xB0, 0xC0);
    foreign.pixels[40 * 128 + 2] = rgb(0xA0, 0xB0, 0xC1);
    EXPECT_EQ(refusal(foreign, colours),
              "The pixel at x 37, y 12 has the colour #A0B0C0, which sub-palette 3 of "
              "palette set 2 does not hold; nothing was imported.");

    TileSheetImage block = asColours(writeTileSheet(tiles(), colours.colour, 2));
    for (int x : {20, 21})
        for (int y : {10, 11})
            block.pixels[std::size_t(y * 256 + x)] = kRed;
    block.pixels[11 * 256 + 21] = kWhite;
    EXPECT_EQ(refusal(block, colours),
              "The pixel at x 21, y 11 has the colour #FFFFFF, unlike the colour #D82800 at "
              "x 20, y 10 in its 2 x 2 block: a sheet of 256 x 256 draws each tile pixel as "
              "a block of one colour; nothing was imported.");
}

// Where two values of the sub-palette share a colour, the tile keeps the value it has
// if it is one of them, else takes the lower.
TEST_F(SheetTilesTest, ASharedColourKeepsTheTilesValueElseTakesTheLower)
{
    StageTileBytes current = {};
    current[0][0] = 0x80;  // tile 0, pixel (0, 0): value 1
    current[0][8] = 0x40;  // pixel (1, 0): value 2
    const SheetColours colours{{kBlack, kRed, kBlack, kBlack}, 0, 0};
    TileSheetImage sheet = asColours(writeTileSheet(current, colours.colour));
    sheet.pixels[0] = kBlack;  // was red: value 1 is not black, so the lowest black, 0
    const SheetTiles result = readTileSheet(sheet, colours, current);
    EXPECT_EQ(result.tiles[0][0], 0x00);
    EXPECT_EQ(result.tiles[0][8], 0x40);  // pixel (1, 0) keeps its 2
    EXPECT_EQ(result.changed, std::vector<int>{0});
}

// A sheet of four palette entries or fewer is read by index, whatever its colours.
TEST_F(SheetTilesTest, AnIndexedSheetOfFourColoursIsReadByIndex)
{
    const SheetColours colours{{kBlack, kRed, kWhite, rgb(0, 0, 0xFF)}, 0, 0};
    TileSheetImage sheet = writeTileSheet(tiles(), {rgb(1, 2, 3), rgb(4, 5, 6), rgb(7, 8, 9), rgb(10, 11, 12)});
    EXPECT_TRUE(readTileSheet(sheet, colours, tiles()).changed.empty());
    sheet.palette.resize(2);
    sheet.pixels[3] = 3;  // beyond the palette, yet a value
    EXPECT_EQ(readTileSheet(sheet, colours, tiles()).tiles[0][8] & 0x10, 0x10);
    sheet.pixels[5] = 4;
    EXPECT_EQ(refusal(sheet, colours),
              "The pixel at x 5, y 0 has the index 4, but in a sheet of four colours or "
              "fewer the index is the value, 0 to 3; nothing was imported.");
}

// The colours a sheet is read in are those the export draws it in, an animated
// sub-palette's first frame included.
TEST_F(SheetTilesTest, SheetColoursAreThoseOfTheExportedFirstFrame)
{
    EDITOR shown;
    FakeHost host(shown);
    loadRomImage(shown, makeDemoImage());
    for (int stage : {0, 9})
        for (int paletteSet = 0; paletteSet < kPaletteSetCount; ++paletteSet) {
            showFirstFrame(shown, stage, paletteSet);
            for (int p = 0; p < 4; ++p)
                EXPECT_EQ(sheetColours(*editor, stage, paletteSet, p).colour,
                          subPaletteColours(shown.curPal[stage], p));
        }
}

}  // namespace
