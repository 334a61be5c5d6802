// The counts of a small hand-made stage: what the pages reach of each kind, what they
// leave unused, where an item is named, and counts kept until the tables change.

#include <memory>

#include <gtest/gtest.h>

#include "model/editor.h"
#include "usage/item_uses.h"
#include "usage/number_list.h"
#include "usage/stage_usage.h"
#include "usage/usage_cache.h"

namespace {

constexpr int kStage = 5;

// Every table zero, so that everything names item 0, apart from:
// pages 1, 2 show map set 03, page 3 names no map set (25), page 4 shows map set 1F;
// map set 00 holds chip set 10, map set 03 chip sets 11 and 12, map set 05, which no
// page shows, chip set 40; chip set 10 holds chips 01, 02, chip set 40 chip 09;
// chip 01 holds tiles 05, 05, 06, chip 09 tile 07.
class StageUsageTest : public ::testing::Test {
protected:
    StageUsageTest() : editor(std::make_unique<EDITOR>())
    {
        auto& pages = editor->pageSet[kStage];
        pages[1] = pages[2] = 0x03;
        pages[3] = 0x25;
        pages[4] = 0x1F;
        cell(0x00, 1, 2) = 0x10;
        cell(0x03, 0, 0) = 0x11;
        cell(0x03, 7, 7) = 0x12;
        cell(0x05, 4, 4) = 0x40;
        editor->chipSet[kStage][0x10][0] = 0x01;
        editor->chipSet[kStage][0x10][1] = 0x02;
        editor->chipSet[kStage][0x40][3] = 0x09;
        editor->chip[kStage][0x01] = ChipRecord{{0x05, 0x05, 0x06, 0x00}, 0, 0};
        editor->chip[kStage][0x09] = ChipRecord{{0x07, 0x00, 0x00, 0x00}, 0, 0};
    }

    std::uint8_t& cell(int mapSet, int column, int row) { return editor->mapSet[kStage][mapSet][column * 8 + row]; }

    std::string unused(ItemKind kind) { return compactNumberList(countStageUsage(*editor, kStage).of(kind).unreached); }
    int used(ItemKind kind) { return countStageUsage(*editor, kStage).of(kind).reachedCount; }

    std::unique_ptr<EDITOR> editor;
};

TEST_F(StageUsageTest, MapSetsAreThoseThePagesShow)
{
    EXPECT_EQ(used(ItemKind::MapSet), 3);
    EXPECT_EQ(unused(ItemKind::MapSet), "01, 02, 04-1E");
    EXPECT_EQ(countStageUsage(*editor, kStage).of(ItemKind::MapSet).namedTimes[0x03], 2);
}

TEST_F(StageUsageTest, ChipSetsAreThoseOfShownMapSetsOnly)
{
    EXPECT_EQ(used(ItemKind::ChipSet), 4);
    EXPECT_EQ(unused(ItemKind::ChipSet), "01-0F, 13-FF");
    // Chip set 40 is named, in a map set that no page shows.
    EXPECT_EQ(countStageUsage(*editor, kStage).of(ItemKind::ChipSet).namedTimes[0x40], 1);
}

TEST_F(StageUsageTest, ChipsAreThoseOfReachedChipSets)
{
    EXPECT_EQ(used(ItemKind::Chip), 3);
    EXPECT_EQ(unused(ItemKind::Chip), "03-FF");
}

TEST_F(StageUsageTest, TilesAreThoseOfReachedChips)
{
    EXPECT_EQ(used(ItemKind::Tile), 3);
    EXPECT_EQ(unused(ItemKind::Tile), "01-04, 07-FF");
}

TEST(NumberList, RunsOfThreeOrMoreBecomeRanges)
{
    const int numbers[] = {0x00, 0x01, 0x02, 0x0F, 0x12, 0x13, 0x1A, 0x1B, 0x1C, 0xFF};
    EXPECT_EQ(compactNumberList(numbers), "00-02, 0F, 12, 13, 1A-1C, FF");
    EXPECT_EQ(compactNumberList({}), "none");
}

TEST_F(StageUsageTest, EveryCellThatHoldsTheChipSetIsListedInOrder)
{
    cell(0x1F, 6, 0) = 0x33;
    cell(0x02, 3, 5) = 0x33;
    cell(0x02, 1, 5) = 0x33;
    cell(0x02, 7, 0) = 0x33;
    const std::vector<ItemUse> expected = {{0x02, 7, 0, 0}, {0x02, 1, 5, 0}, {0x02, 3, 5, 0}, {0x1F, 6, 0, 0}};
    EXPECT_EQ(usesOf(*editor, kStage, ItemKind::ChipSet, 0x33), expected);
    EXPECT_EQ(useName(ItemKind::ChipSet, expected[2]), "map set 02, column 3, row 5");
}

TEST_F(StageUsageTest, PagesAndQuadrantsThatNameTheItemAreListed)
{
    EXPECT_EQ(usesOf(*editor, kStage, ItemKind::MapSet, 0x03), (std::vector<ItemUse>{{1, 0, 0, 0}, {2, 0, 0, 0}}));
    editor->chipSet[kStage][0xA0][2] = 0x02;
    EXPECT_EQ(usesOf(*editor, kStage, ItemKind::Chip, 0x02), (std::vector<ItemUse>{{0x10, 0, 0, 1}, {0xA0, 0, 0, 2}}));
}

TEST_F(StageUsageTest, TheCacheCountsAgainOnlyWhenTheTablesChange)
{
    StageUsageCache cache;
    EXPECT_EQ(cache.usage(*editor, kStage).of(ItemKind::MapSet).reachedCount, 3);
    const std::uint64_t counted = cache.version();
    cache.usage(*editor, kStage);
    EXPECT_EQ(cache.version(), counted);

    editor->pageSet[kStage][10] = 0x07;
    EXPECT_EQ(cache.usage(*editor, kStage).of(ItemKind::MapSet).reachedCount, 4);
    EXPECT_NE(cache.version(), counted);

    // Another stage is counted from its own tables: all zero, one of each kind.
    EXPECT_EQ(cache.usage(*editor, 0).of(ItemKind::Tile).reachedCount, 1);
}

}  // namespace
