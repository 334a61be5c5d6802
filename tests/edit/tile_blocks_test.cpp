// The tile window's blocks: a chip's 2 x 2 tiles flip, turn and paste as one picture
// across their tile borders, all or nothing; and the other places that load a tile's
// bytes are named compactly.

#include <memory>
#include <set>

#include <gtest/gtest.h>

#include "demo/demo_image.h"
#include "edit/tile_blocks.h"
#include "edit/tile_sharing_text.h"
#include "model/editor.h"
#include "rom/load_rom.h"
#include "support/fake_host.h"

namespace {

using Picture = std::vector<int>;

Picture pictureOf(const EDITOR& editor, const TileBlock& block)
{
    Picture picture;
    for (int y = 0; y < block.height(); ++y)
        for (int x = 0; x < block.width(); ++x)
            picture.push_back(blockPixel(editor, block, x, y));
    return picture;
}

// The first chip of stage 0 whose four tiles are stage 0's own and all look different.
int chipWithFourTiles(const EDITOR& editor)
{
    for (int chip = 0; chip < kChipCount; ++chip) {
        const ChipRecord& record = editor.chip[0][chip];
        std::set<std::vector<std::uint8_t>> looks;
        for (const std::uint8_t tile : record.tile)
            if (tile >= 0x40)
                looks.emplace(editor.tileGfx[0][tile], editor.tileGfx[0][tile] + kTileBytes);
        if (looks.size() == 4)
            return chip;
    }
    return -1;
}

}  // namespace

TEST(TileBlocks, AChipFlipsTurnsAndPastesAsOnePictureAllOrNothing)
{
    auto editor = std::make_unique<EDITOR>();
    FakeHost host(*editor);
    loadRomImage(*editor, makeDemoImage());
    const int chip = chipWithFourTiles(*editor);
    ASSERT_GE(chip, 0);
    const TileBlock block = chipTileBlock(*editor, 0, chip);
    const int side = block.width();
    const Picture before = pictureOf(*editor, block);

    ASSERT_TRUE(flipTileBlock(*editor, block, true));
    Picture flipped = pictureOf(*editor, block);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            ASSERT_EQ(flipped[std::size_t(y * side + x)], before[std::size_t(y * side + side - 1 - x)])
                << x << "," << y;
    ASSERT_TRUE(turnTileBlock(*editor, block));
    const Picture turned = pictureOf(*editor, block);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            ASSERT_EQ(turned[std::size_t(y * side + x)], flipped[std::size_t((side - 1 - x) * side + y)]);

    // Copied and pasted onto another chip, the picture arrives whole.
    copyTileBlock(*editor, block, 0);
    EXPECT_EQ(host.clipboardPicture.width(), side);
    ChipRecord& other = editor->chip[0][(chip + 1) & 0xFF];
    other = ChipRecord{{0x50, 0x51, 0x52, 0x53}, 0, 0};
    const TileBlock target = chipTileBlock(*editor, 0, (chip + 1) & 0xFF);
    ASSERT_TRUE(pasteTileBlock(*editor, target));
    EXPECT_EQ(pictureOf(*editor, target), turned);

    // A chip that shows one tile twice cannot take a picture whose halves differ.
    other.tile[1] = other.tile[0];
    const TileBlock twice = chipTileBlock(*editor, 0, (chip + 1) & 0xFF);
    const Picture unchanged = pictureOf(*editor, twice);
    EXPECT_FALSE(pasteTileBlock(*editor, twice));
    EXPECT_EQ(pictureOf(*editor, twice), unchanged);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Tile 50 stands in more than one quadrant, so the block cannot change as a whole.");
}

TEST(TileBlocks, TheSharingPlacesAreNamedCompactly)
{
    EXPECT_EQ(tileSharingText({}, 0), "");
    EXPECT_EQ(tileSharingText({{3, 0x45}, {0, 0x12}, {7, 0x45}}, 0),
              "Also tile 12 of this stage; tile 45 of stages 3 and 7.");
    std::vector<TilePlace> every;
    for (int stage = 1; stage < kStageCount; ++stage)
        if (stage != 9)
            every.push_back({stage, 0});
    EXPECT_EQ(tileSharingText(every, 0), "Also tile 00 of stages 1 to 8 and A to F.");
    EXPECT_EQ(tileSharingText({{1, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 4}}, 0),
              "Also tile 01 of stage 1; tile 02 of stage 1; tile 03 of stage 1; and 2 more places.");
}
