#include "changes/change_items.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/editable_tables.h"
#include "model/editor.h"

namespace {

class ChangeItems : public ::testing::Test {
protected:
    ChangeItems() : editor(std::make_unique<EDITOR>()) { before = editableTables(*editor); }

    std::vector<ChangeItem> items() { return describeChanges(before, editableTables(*editor), editor->tileSources); }
    std::vector<std::string> texts()
    {
        std::vector<std::string> out;
        for (const ChangeItem& item : items())
            out.push_back(item.text);
        return out;
    }
    // Stages 0 to F load tile 00 from one place, stage 5 also as tile 40.
    void shareTileZero()
    {
        for (int s = 0; s < kStageCount; ++s)
            editor->tileSources.offset[s][0] = 0x8010;
        editor->tileSources.offset[5][0x40] = 0x8010;
    }

    std::unique_ptr<EDITOR> editor;
    std::vector<std::uint8_t> before;
};

}  // namespace

TEST_F(ChangeItems, OneChangeOfEachTableIsNamedByStagePlaceAndValues)
{
    editor->pageSet[2][0x11] = 4;
    before[0x11 + 2 * kPageCount] = 3;  // the page held map set 03
    editor->mapSet[3][5][2 * 8 + 5] = 0x2B;
    editor->chipSet[1][0x2A][1] = 0x06;
    editor->chip[5][0x1C].palette = 3;
    editor->object[7][4].x = 0x48;
    editor->palSet[0][1].colour[2][3] = 0x16;
    shareTileZero();
    for (int s = 0; s < kStageCount; ++s)
        editor->tileGfx[s][0][0] = 0xFF;  // 8 pixels of row 0
    editor->tileGfx[5][0x40][0] = 0xFF;
    editor->tileGfx[9][3][8] = 0x01;  // one pixel of a tile no list loads
    // The old values where they were not zero.
    before[editableTablesSize(1) + (3 * kMapSetCount + 5) * kMapSetCells + 2 * 8 + 5] = 0x1A;
    const std::size_t chipAt = editableTablesSize(3) + (5 * kChipCount + 0x1C) * sizeof(ChipRecord) + 4;
    before[chipAt] = 1;
    before[editableTablesSize(4) + (7 * kObjectSlots + 4) * 4 + 1] = 0x40;
    before[editableTablesSize(5) + (0 * kPaletteSetCount + 1) * sizeof(PaletteRecord) + 2 * 4 + 3] = 0x21;

    EXPECT_EQ(texts(),
              (std::vector<std::string>{
                  "Stage 0 · palette set 1 · sub-palette 2 · colour 3: 21 -> 16",
                  "Tile 00 (loaded by stages 0 to F) · 8 pixels",
                  "Stage 1 · chip set 2A · top-right chip: 00 -> 06",
                  "Stage 2 · page 11: map set 03 -> 04",
                  "Stage 3 · map set 05 · cell (2, 5): 1A -> 2B",
                  "Stage 5 · chip 1C · palette: 1 -> 3",
                  "Stage 7 · object slot 04 · x: 40 -> 48",
                  "Tile 03 (stage 9) · 1 pixel",
              }));
    const ChangeItem tile = items()[1];
    EXPECT_EQ(tile.stages.size(), 16u);
    EXPECT_EQ(tile.bytes.size(), 17u);  // stage 5 loads it twice
}

TEST_F(ChangeItems, RunsOfOneKindGroupIntoOneItem)
{
    for (int cell = 10; cell < 24; ++cell)
        editor->mapSet[3][5][cell] = 1;
    for (int page = 0x10; page <= 0x14; ++page)
        editor->pageSet[2][page] = 7;
    editor->pageSet[2][0x20] = 7;
    editor->object[7][4] = {1, 2, 3, 4};

    const std::vector<ChangeItem> found = items();
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(found[0].text, "Stage 2 · pages 10 to 14");
    EXPECT_EQ(found[0].count, 5);
    EXPECT_EQ(found[1].text, "Stage 2 · page 20: map set 00 -> 07");
    EXPECT_EQ(found[2].text, "Stage 3 · map set 05 · 14 cells");
    EXPECT_EQ(found[3].text, "Stage 7 · object slot 04 · 4 fields");
}

TEST_F(ChangeItems, RevertPutsBackTheChosenItemsOnlyAndASharedTileEverywhere)
{
    shareTileZero();
    editor->mapSet[3][5][0] = 9;
    editor->palSet[0][1].colour[2][3] = 0x16;
    for (int s = 0; s < kStageCount; ++s)
        editor->tileGfx[s][0][3] = 0x81;
    editor->tileGfx[5][0x40][3] = 0x81;
    const std::vector<ChangeItem> found = items();
    ASSERT_EQ(found.size(), 3u);

    // The palette colour, the tile, the cell.
    EXPECT_FALSE(revertsSharedTile(std::vector{found[0], found[2]}));
    EXPECT_TRUE(revertsSharedTile(std::vector{found[1]}));
    revertChanges(*editor, before, std::vector{found[1], found[2]});
    EXPECT_EQ(editor->mapSet[3][5][0], 0);
    EXPECT_EQ(editor->tileGfx[0xF][0][3], 0);
    EXPECT_EQ(editor->tileGfx[5][0x40][3], 0);
    EXPECT_EQ(editor->palSet[0][1].colour[2][3], 0x16);
}
