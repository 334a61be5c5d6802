#include <cstring>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "edit/tile_editing.h"
#include "identity/image_report.h"
#include "model/editor.h"
#include "rom/load_rom.h"
#include "rom/rom_layout.h"
#include "rom/save_rom.h"
#include "support/rom_image_builder.h"

namespace L = rom_layout;

namespace {

constexpr std::uint8_t kSourceBank = 0x30;
const std::size_t kSource = L::bankStart(kSourceBank);

// Stages 1 and 9 load 16 tiles from kSource; stage 4 also loads a row of tiles from
// stage 2's map sets (bank 0x22, page 9), which only a crafted image does.
class TileSaving : public ::testing::Test {
protected:
    TileSaving() : editor(std::make_unique<EDITOR>())
    {
        std::vector<std::uint8_t> tiles(0x100);
        for (std::size_t i = 0; i < tiles.size(); ++i)
            tiles[i] = std::uint8_t(0x35 + i * 3);
        image.put(kSource, tiles);
        image.putStage(2, L::kMapSets, {0x11, 0x22, 0x33});
        image.setTileList(1, 0x51720, {{kSourceBank, 1, 0, 0}});
        image.setTileList(9, 0x51740, {{kSourceBank, 1, 0, 3}});
        image.setTileList(4, 0x51760, {{kSourceBank, 1, 0, 0}, {0x22, 1, 0x09, 1}});
        loadRomImage(*editor, image.bytes());
    }

    std::vector<std::uint8_t> saved() const
    {
        std::vector<std::uint8_t> bytes = image.bytes();
        writeEditableTables(*editor, bytes);
        return bytes;
    }

    RomImageBuilder image;
    std::unique_ptr<EDITOR> editor;
};

TEST_F(TileSaving, SaveWritesExactlyTheSixteenBytesOfTheChangedSource)
{
    EXPECT_EQ(saved(), image.bytes());
    EXPECT_TRUE(bytesChangedBySave(*editor, image.bytes()).empty());

    // Tile 5 of stage 1 is tile 53 of stage 9 and tile 5 of stage 4: one source.
    ASSERT_TRUE(setTilePixel(*editor, 9, 53, 0, 0, 3 - tilePixel(*editor, 9, 53, 0, 0)));
    const std::vector<std::uint8_t> after = saved();
    const std::size_t source = kSource + 5 * kTileBytes;
    for (std::size_t at = 0; at < after.size(); ++at) {
        if (at < source || at >= source + kTileBytes) {
            ASSERT_EQ(after[at], image.bytes()[at]) << std::hex << at;
        }
    }
    EXPECT_EQ(std::memcmp(after.data() + source, editor->tileGfx[1][5], kTileBytes), 0);
    EXPECT_EQ(std::memcmp(editor->tileGfx[4][5], editor->tileGfx[1][5], kTileBytes), 0);
    const ByteRange changed = bytesChangedBySave(*editor, image.bytes());
    EXPECT_GE(changed.first, source);
    EXPECT_LE(changed.end, source + kTileBytes);
}

TEST_F(TileSaving, ASourceInsideAStagesTablesIsRefusedAndNeverWritten)
{
    EXPECT_EQ(tileDrawingRefusal(*editor, 4, 16),
              "This tile is loaded from bytes that also hold stage 2's map sets, so it cannot be drawn.");
    EXPECT_FALSE(setTilePixel(*editor, 4, 16, 0, 0, 1));
    EXPECT_EQ(tileDrawingRefusal(*editor, 4, 0), "");

    // Even a tile that changed by other means never reaches those bytes: the map sets
    // are written from the map sets alone.
    editor->tileGfx[4][16][0] ^= 0xFF;
    editor->mapSet[2][0][0] = 0x44;
    const std::vector<std::uint8_t> after = saved();
    EXPECT_EQ(after[L::stageBase(2) + L::kMapSets], 0x44);
    EXPECT_EQ(after[L::stageBase(2) + L::kMapSets + 1], 0x22);
}

TEST_F(TileSaving, InfoAgainstTheOriginalCountsAChangedSourceInEveryStageLoadingIt)
{
    ASSERT_TRUE(setTilePixel(*editor, 1, 5, 2, 2, 3 - tilePixel(*editor, 1, 5, 2, 2)));
    const auto counts = stageTableDifferences(saved(), image.bytes(), &editor->tileSources);
    // v to 3 - v changes the pixel's bit in both planes: two bytes of the source.
    for (int s = 0; s < kStageCount; ++s)
        EXPECT_EQ(counts[std::size_t(s)], s == 1 || s == 4 || s == 9 ? 2u : 0u) << s;
}

}  // namespace
