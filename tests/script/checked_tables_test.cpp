#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "demo/demo_image.h"
#include "model/editable_tables.h"
#include "model/editor.h"
#include "rom/load_rom.h"
#include "script/checked_tables.h"

namespace {

class CheckedTablesTest : public ::testing::Test {
protected:
    CheckedTablesTest() : editor(std::make_unique<EDITOR>()) { loadRomImage(*editor, makeDemoImage()); }

    // The message of the refusal `write` meets, checking that it changed nothing.
    template <typename Write>
    std::string refusal(Write write)
    {
        const std::vector<std::uint8_t> before = editableTables(*editor);
        try {
            write();
        } catch (const TableAccessError& error) {
            EXPECT_EQ(editableTables(*editor), before);
            return error.what();
        }
        ADD_FAILURE() << "the write was not refused";
        return {};
    }

    // A tile of stage that another stage loads from the same bytes.
    std::array<int, 2> sharedTile()
    {
        for (int stage = 0; stage < kStageCount; ++stage)
            for (int tile = 0; tile < kTileCount; ++tile)
                for (const auto& other : tileSource(*editor, stage, tile).sharedWith)
                    if (other[0] != stage && tileSource(*editor, stage, tile).refusal.empty())
                        return {stage, tile};
        return {-1, -1};
    }

    std::unique_ptr<EDITOR> editor;
};

TEST_F(CheckedTablesTest, EveryTableIsReadAndWrittenByStageAndPlace)
{
    setPageMapSet(*editor, 2, 47, 31);
    EXPECT_EQ(pageMapSet(*editor, 2, 47), 31);
    EXPECT_EQ(editor->pageSet[2][47], 31);

    setMapSetCell(*editor, 3, 5, 2, 6, 0xAB);
    EXPECT_EQ(mapSetCell(*editor, 3, 5, 2, 6), 0xAB);
    EXPECT_EQ(editor->mapSet[3][5][2 * 8 + 6], 0xAB);

    setChipSetChips(*editor, 4, 200, {1, 2, 3, 255});
    EXPECT_EQ(chipSetChips(*editor, 4, 200), (std::array<int, 4>{1, 2, 3, 255}));

    setChipValues(*editor, 5, 17, {{9, 8, 7, 6}, 3, 0xFC});
    const ChipValues chip = chipValues(*editor, 5, 17);
    EXPECT_EQ(chip.tiles, (std::array<int, 4>{9, 8, 7, 6}));
    EXPECT_EQ(chip.palette, 3);
    EXPECT_EQ(chip.style, 0xFC);

    setPaletteColour(*editor, 6, 3, 2, 1, 0x3F);
    setPaletteSelector(*editor, 6, 3, 2, 0x85);
    EXPECT_EQ(paletteColour(*editor, 6, 3, 2, 1), 0x3F);
    EXPECT_EQ(editor->palSet[6][3].colour[2][1], 0x3F);
    EXPECT_EQ(paletteSelector(*editor, 6, 3, 2), 0x85);

    const int stage = editor->curStage;
    const std::vector<ObjectValues> objects = usedObjects(*editor, stage);
    ASSERT_GE(objects.size(), 2u);
    setObjectValues(*editor, stage, {1, 47, 1, 2, 3});
    EXPECT_EQ(editor->object[stage][1].page, 47);
    EXPECT_EQ(editor->object[stage][1].data, 3);
    // The first free slot takes a new object; removing one moves the later ones up.
    setObjectValues(*editor, stage, {int(objects.size()), 0, 4, 5, 6});
    EXPECT_EQ(usedObjects(*editor, stage).size(), objects.size() + 1);
    removeObject(*editor, stage, 0);
    EXPECT_EQ(usedObjects(*editor, stage).size(), objects.size());
    EXPECT_EQ(usedObjects(*editor, stage)[0].page, 47);
}

TEST_F(CheckedTablesTest, AValueOrPlaceOutOfRangeIsRefusedByTablePlaceAndValue)
{
    EXPECT_EQ(refusal([&] { setMapSetCell(*editor, 3, 5, 2, 6, 256); }),
              "map sets: stage 3, map set 5, column 2, row 6: 256 is not a chip set (0 to 255)");
    EXPECT_EQ(refusal([&] { setMapSetCell(*editor, 3, 5, 8, 0, 1); }),
              "map sets: stage 3, map set 5, column 8: there is no column 8 (0 to 7)");
    EXPECT_EQ(refusal([&] { setPageMapSet(*editor, 0, 0, 32); }),
              "pages: stage 0, page 0: 32 is not a map set (0 to 31)");
    EXPECT_EQ(refusal([&] { setPageMapSet(*editor, 16, 0, 1); }), "there is no stage 16 (0 to 15)");
    EXPECT_EQ(refusal([&] {
                  setChipSetChips(*editor, 1, 0, {0, 0, -1, 0});
              }),
              "chip sets: stage 1, chip set 0: -1 is not a chip (0 to 255)");
    EXPECT_EQ(refusal([&] {
                  setChipValues(*editor, 1, 0, {{0, 0, 0, 0}, 0, 6});
              }),
              "chips: stage 1, chip 0: 6 is not a style (a multiple of 4, 0 to 252)");
    EXPECT_EQ(refusal([&] { setPaletteColour(*editor, 1, 0, 0, 0, 0x40); }),
              "palette sets: stage 1, palette set 0, sub-palette 0, colour 0: 64 is not a console colour (0 to 63)");
    EXPECT_EQ(refusal([&] { setTilePixelAt(*editor, 1, 0, 0, 0, 4); }),
              "tiles: stage 1, tile 0, x 0, y 0: 4 is not a pixel value (0 to 3)");
    const int count = int(usedObjects(*editor, 0).size());
    EXPECT_EQ(refusal([&] {
                  setObjectValues(*editor, 0, {count + 1, 0, 0, 0, 0});
              }),
              "objects: stage 0, slot " + std::to_string(count + 1) + ": slot " + std::to_string(count + 1) +
                  " holds no object and is not the first free slot (" + std::to_string(count) + ")");
    EXPECT_EQ(refusal([&] {
                  setObjectValues(*editor, 0, {0, 48, 0, 0, 0});
              }),
              "objects: stage 0, slot 0: 48 is not a page (0 to 47)");
}

TEST_F(CheckedTablesTest, ATileChangesEverywhereItIsLoadedAndOneThatCannotBeDrawnIsRefused)
{
    const auto [stage, tile] = sharedTile();
    ASSERT_GE(stage, 0) << "the demo image shares no tile between stages";
    const int value = (tilePixelAt(*editor, stage, tile, 3, 4) + 1) % 4;
    setTilePixelAt(*editor, stage, tile, 3, 4, value);
    for (const auto& [otherStage, otherTile] : tileSource(*editor, stage, tile).sharedWith)
        EXPECT_EQ(tilePixelAt(*editor, otherStage, otherTile, 3, 4), value);

    editor->tileSources.offset[stage][tile] = kNoTileSource;
    EXPECT_EQ(refusal([&] { setTilePixelAt(*editor, stage, tile, 0, 0, 1); }),
              "tiles: stage " + std::to_string(stage) + ", tile " + std::to_string(tile) +
                  ", x 0, y 0: This tile is not loaded from the image, so it cannot be drawn.");
}

}  // namespace
