#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "edit/tile_editing.h"
#include "model/editor.h"
#include "rom/load_rom.h"
#include "rom/rom_layout.h"
#include "support/rom_image_builder.h"
#include "tilesheet/sheet_import.h"

namespace L = rom_layout;

namespace {

constexpr std::uint8_t kSourceBank = 0x30;
const std::size_t kSource = L::bankStart(kSourceBank);
constexpr std::array<Colour, 4> kColours = {kBlack, rgb(0xD8, 0x28, 0x00), kWhite, rgb(0, 0, 0xFF)};

// Stage 3 loads tiles 0 to 15 from kSource and again as 32 to 47; stage 7 loads them
// as 32 to 47. No other tile of either stage is loaded from the image.
class SheetImportTest : public ::testing::Test {
protected:
    SheetImportTest() : editor(std::make_unique<EDITOR>())
    {
        std::vector<std::uint8_t> tiles(0x100);
        for (std::size_t i = 0; i < tiles.size(); ++i)
            tiles[i] = std::uint8_t(i * 7 + 1);
        image.put(kSource, tiles);
        image.setTileList(3, 0x51720, {{kSourceBank, 1, 0, 0}, {kSourceBank, 1, 0, 2}});
        image.setTileList(7, 0x51740, {{kSourceBank, 1, 0, 2}});
        loadRomImage(*editor, image.bytes());
        editor->history.start(*editor);
    }

    // The sheet of stage 3 as it is, by index, with pixel (x, y) of tile `tile` flipped
    // between values 0 and 1 (or 2 and 3).
    TileSheetImage sheetWithPixelChanged(TileSheetImage sheet, int tile, int x, int y) const
    {
        std::uint32_t& pixel = sheet.pixels[std::size_t((tile / 16 * 8 + y) * 128 + tile % 16 * 8 + x)];
        pixel ^= 1;
        return sheet;
    }

    RomImageBuilder image;
    std::unique_ptr<EDITOR> editor;
};

TEST_F(SheetImportTest, OneChangedPixelWritesExactlyItsTilesSourceAndEveryTileLoadedFromIt)
{
    TileSheetImage sheet = writeTileSheet(editor->tileGfx[3], kColours);
    sheet = sheetWithPixelChanged(sheet, 5, 6, 2);
    sheet = sheetWithPixelChanged(sheet, 100, 0, 0);
    const SheetTiles read = readTileSheet(sheet, {kColours, 0, 0}, editor->tileGfx[3]);
    ASSERT_EQ(read.changed, (std::vector<int>{5, 100}));
    const SheetImport import = importSheetTiles(*editor, 3, read);
    EXPECT_EQ(import.written, std::vector<int>{5});
    ASSERT_EQ(import.left.size(), 1u);
    EXPECT_EQ(import.left[0].tile, 100);
    EXPECT_EQ(import.left[0].reason, tileDrawingRefusal(*editor, 3, 100));
    EXPECT_EQ(sheetImportSummary(import, 3, ", in out.nes"),
              "1 tile of stage 3 changed, in out.nes.\nTile 64 is left as it is: " + import.left[0].reason);

    // Tile 37 of both stages comes from the same bytes.
    for (const auto& [stage, tile] : {std::pair{3, 5}, {3, 37}, {7, 37}})
        EXPECT_EQ(std::memcmp(editor->tileGfx[stage][tile], read.tiles[5].data(), kTileBytes), 0) << stage << tile;

    std::vector<std::uint8_t> written = image.bytes();
    writeStageTiles(*editor, 3, written);
    for (std::size_t i = 0; i < written.size(); ++i)
        EXPECT_EQ(written[i], image.bytes()[i] ^ (i == kSource + 5 * 16 + 2 ? 0x02 : 0)) << i;

    editor->history.undo(*editor);
    EXPECT_EQ(std::memcmp(editor->tileGfx[7][37], image.bytes().data() + kSource + 5 * 16, kTileBytes), 0);
    EXPECT_EQ(readTileSheet(writeTileSheet(editor->tileGfx[3], kColours), {kColours, 0, 0}, editor->tileGfx[3])
                  .changed.size(),
              0u);
}

// Tiles 5 and 37 of stage 3 hold the same bytes: a sheet that draws them otherwise
// keeps the first and leaves the second, saying why.
TEST_F(SheetImportTest, TwoTilesOfOneSourceDrawnOtherwiseKeepTheFirst)
{
    TileSheetImage sheet = writeTileSheet(editor->tileGfx[3], kColours);
    sheet = sheetWithPixelChanged(sheet, 5, 0, 0);
    sheet = sheetWithPixelChanged(sheet, 37, 7, 7);
    const SheetImport import = putSheetTiles(*editor, 3, readTileSheet(sheet, {kColours, 0, 0}, editor->tileGfx[3]));
    EXPECT_EQ(import.written, std::vector<int>{5});
    ASSERT_EQ(import.left.size(), 1u);
    EXPECT_EQ(import.left[0].reason, "It is loaded from the same bytes as tile 05, which the sheet draws otherwise.");
}

}  // namespace
