#include <memory>

#include <gtest/gtest.h>

#include "model/editor.h"
#include "rom/model_snapshot.h"
#include "rom/rom_layout.h"
#include "support/rom_image_builder.h"
#include "support/temp_folder.h"

namespace L = rom_layout;

namespace {

class LoadRom : public ::testing::Test {
protected:
    void load(const RomImageBuilder& image)
    {
        image.writeTo(path);
        editor->loadRom(path);
    }

    TempFolder folder;
    std::string path = folder.file("image.nes");
    std::unique_ptr<EDITOR> editor = std::make_unique<EDITOR>();
    RomImageBuilder image;
};

// 16 bytes that differ from tile to tile, so a copied tile tells where it came from.
std::vector<std::uint8_t> numberedTiles(int count, std::uint8_t seed)
{
    std::vector<std::uint8_t> bytes;
    for (int t = 0; t < count; ++t)
        for (int b = 0; b < kTileBytes; ++b)
            bytes.push_back(std::uint8_t(seed + t * 7 + b));
    return bytes;
}

std::vector<std::uint8_t> tileOf(const EDITOR& e, int stage, int tile)
{
    return {e.tileGfx[stage][tile], e.tileGfx[stage][tile] + kTileBytes};
}

std::vector<std::uint8_t> slice(const std::vector<std::uint8_t>& bytes, std::size_t from, std::size_t count)
{
    return {bytes.begin() + std::ptrdiff_t(from), bytes.begin() + std::ptrdiff_t(from + count)};
}

}  // namespace

TEST_F(LoadRom, ObjectPagesEndAtTheFirstEmptySlotWhileXYAndDataAreReadForAllSlots)
{
    image.putStage(2, L::kObjectPages, {0x05, 0x2F, 0x30, 0x07});
    image.putStage(2, L::kObjectX + 63, {0x11});
    image.putStage(2, L::kObjectY + 3, {0x22});
    image.putStage(2, L::kObjectData + 62, {0x33});
    // Stage 4: 64 page bytes below 0x30, the last one being the largest used page.
    std::vector<std::uint8_t> allUsed(64, 0x01);
    allUsed[63] = 0x2F;
    image.put(L::stageBase(4) + L::kObjectPages, allUsed);
    // Stage 5: a list that starts empty.
    image.putStage(5, L::kObjectPages, {0xFF, 0x03});
    load(image);

    const ObjectRecord* objects = editor->object[2];
    EXPECT_EQ(objects[0].page, 0x05);
    EXPECT_EQ(objects[1].page, 0x2F);
    for (int i = 2; i < kObjectSlots; ++i)
        EXPECT_EQ(objects[i].page, kEmptyObjectPage) << "slot " << i;
    EXPECT_EQ(objects[63].x, 0x11);
    EXPECT_EQ(objects[3].y, 0x22);
    EXPECT_EQ(objects[62].data, 0x33);

    for (int i = 0; i < kObjectSlots; ++i)
        EXPECT_TRUE(editor->object[4][i].isUsed()) << "slot " << i;
    EXPECT_EQ(editor->object[4][63].page, 0x2F);

    for (int i = 0; i < kObjectSlots; ++i)
        EXPECT_EQ(editor->object[5][i].page, kEmptyObjectPage) << "slot " << i;
}

TEST_F(LoadRom, MapSetsAreTransposedFromRowByRowIntoColumnByColumn)
{
    std::vector<std::uint8_t> counting(64);
    for (int i = 0; i < 64; ++i)
        counting[std::size_t(i)] = std::uint8_t(i);
    image.put(L::stageBase(6) + L::kMapSets, counting);
    image.put(L::stageBase(6) + L::kMapSets + 31 * 64, counting);
    load(image);

    for (int m : {0, 31}) {
        EXPECT_EQ(editor->mapSet[6][m][1 * 8 + 0], 0x01) << "column 1 of row 0, map set " << m;
        EXPECT_EQ(editor->mapSet[6][m][0 * 8 + 1], 0x08) << "column 0 of row 1, map set " << m;
        EXPECT_EQ(editor->mapSet[6][m][7 * 8 + 2], 2 * 8 + 7) << "column 7 of row 2, map set " << m;
    }
    EXPECT_EQ(editor->mapSet[6][1][1], 0);
}

TEST_F(LoadRom, ChipPlanesAttributesChipSetsPagesAndPaletteSetsLandInTheirFields)
{
    for (int q = 0; q < 4; ++q)
        image.putStage(9, L::kChipTiles + std::size_t(q) * 256 + 7, {std::uint8_t(0xA0 + q)});
    image.putStage(9, L::kChipAttributes + 7, {0xB7});
    image.putStage(9, L::kChipAttributes + 8, {0x42});
    image.putStage(9, L::kChipSets + 255 * 4, {1, 2, 3, 4});
    image.putStage(9, L::kPageTable + 47, {0x25});
    // Palette set 2: sub-palette 1 colour 3, then its selector of sub-palette 3.
    image.putStage(9, L::kPaletteSets + 2 * 20 + 1 * 4 + 3, {0x16});
    image.putStage(9, L::kPaletteSets + 2 * 20 + 16 + 3, {0x85});
    load(image);

    const ChipRecord& chip = editor->chip[9][7];
    EXPECT_EQ(chip.tile[0], 0xA0);
    EXPECT_EQ(chip.tile[1], 0xA1);
    EXPECT_EQ(chip.tile[2], 0xA2);
    EXPECT_EQ(chip.tile[3], 0xA3);
    EXPECT_EQ(chip.palette, 3);
    EXPECT_EQ(chip.style, 0xB4);
    EXPECT_EQ(editor->chip[9][8].palette, 2);
    EXPECT_EQ(editor->chip[9][8].style, 0x40);
    EXPECT_EQ(editor->chipSet[9][255][0], 1);
    EXPECT_EQ(editor->chipSet[9][255][3], 4);
    EXPECT_EQ(editor->pageSet[9][47], 0x25) << "out-of-range map set numbers load unchanged";
    EXPECT_EQ(editor->palSet[9][2].colour[1][3], 0x16);
    EXPECT_EQ(editor->palSet[9][2].selector[3], 0x85);
    EXPECT_EQ(editor->curPal[9].selector[3], 0) << "the current palette is not loaded";
}

// Tile sources beyond the stage tables, one 8 KB bank each.
constexpr std::uint8_t kSourceBank = 0x30;
const std::size_t kSource = L::bankStart(kSourceBank);

TEST_F(LoadRom, TileListEntriesCopyWholeRowsOfSixteenTilesNeverBeyondTile255)
{
    const auto tiles = numberedTiles(32, 0x40);
    image.put(kSource, tiles);
    // Start 15, count 2: only tiles 240 to 255 exist, copied from the first 256 bytes.
    image.setTileList(1, 0x51720, {{kSourceBank, 2, 0, 15}});
    // Start 2, count 1, page 0x41 (masked to 1): tiles 32 to 47 from source + 0x100.
    image.setTileList(2, 0x51740, {{kSourceBank, 1, 0x41, 2}});
    // An earlier entry is overwritten by a later one for the tiles they share.
    image.put(kSource + 0x1000, numberedTiles(32, 0x90));
    image.setTileList(3, 0x51760, {{kSourceBank, 2, 0, 0}, {kSourceBank, 1, 0x10, 1}});
    fillWithPattern(*editor);
    const auto before = tileOf(*editor, 1, 239);
    load(image);

    EXPECT_EQ(tileOf(*editor, 1, 240), slice(tiles, 0, 16));
    EXPECT_EQ(tileOf(*editor, 1, 255), slice(tiles, 15 * 16, 16));
    EXPECT_EQ(tileOf(*editor, 1, 239), before) << "a tile no entry names keeps its contents";

    EXPECT_EQ(tileOf(*editor, 2, 32), slice(tiles, 16 * 16, 16));
    EXPECT_EQ(tileOf(*editor, 2, 47), slice(tiles, 31 * 16, 16));

    EXPECT_EQ(tileOf(*editor, 3, 15), slice(tiles, 15 * 16, 16)) << "only the first entry names tile 15";
    EXPECT_EQ(tileOf(*editor, 3, 16), slice(numberedTiles(1, 0x90), 0, 16)) << "the later entry wins";
}

TEST_F(LoadRom, TileListEntriesThatCopyNothingNeverReadTheirSource)
{
    // Each of these sources lies far beyond the end of the image: reading it would fail.
    const std::uint8_t outside = 0xF0;
    image.setTileList(4, 0x51720, {{outside, 1, 0, 16}, {outside, 0, 0, 3}, {outside, 200, 0, 0xFF}});
    // A list whose very first entry ends it.
    image.setTileList(5, 0x51740, {});
    fillWithPattern(*editor);
    const auto before = snapshotOf(*editor);
    const auto stage4Tile = tileOf(*editor, 4, 48);
    const auto stage5Tile = tileOf(*editor, 5, 0);

    load(image);

    EXPECT_EQ(tileOf(*editor, 4, 48), stage4Tile);
    EXPECT_EQ(tileOf(*editor, 5, 0), stage5Tile);
    EXPECT_NE(snapshotOf(*editor), before) << "the load did happen";
}

TEST_F(LoadRom, AListRunsOnToItsEndHoweverFarIntoTheFileThatIs)
{
    // Entries that copy nothing from bank 0x28 on, through every later bank, to an end
    // entry beyond the last byte any tile source can reach (bank 0xFE, page 0x3F).
    const std::size_t list = 0x51F00;
    const std::size_t end = L::tileSource(0xFE, 0x3F) + 256 * 16 + 0x100;
    image.setTileListPointer(0, list);
    image.put(end - 4, {0x21, 1, 0, 15});  // the last entry before the end still copies
    image.put(end, {L::kTileListEnd, 0, 0, 0});
    image.put(L::bankStart(0x21), numberedTiles(16, 0x40));
    ASSERT_EQ((end - list - L::kTileListSkipped) % L::kTileListEntrySize, 0u);
    load(image);
    EXPECT_EQ(tileOf(*editor, 0, 255), slice(numberedTiles(16, 0x40), 15 * 16, 16));
}

TEST_F(LoadRom, PointersCountOnlyTheLowFiveBitsOfTheirHighByte)
{
    image.put(kSource, numberedTiles(16, 0x10));
    image.setTileList(7, 0x51720, {{kSourceBank, 1, 0, 4}});
    image.put(L::kTileListPointerHigh + 7, {std::uint8_t(0xE0 | 0x17)});  // 0x17 with junk bits
    image.setColourTriple(9, {0x21, 0x22, 0x23});
    image.setAnimation(12, 0x41E10, 5, {9});
    image.put(L::kAnimationPointerHigh + 12, {std::uint8_t(0xC0 | 0x1E)});
    load(image);

    EXPECT_EQ(tileOf(*editor, 7, 64), slice(numberedTiles(1, 0x10), 0, 16));
    EXPECT_EQ(editor->palAnim[12].delay, 5);
    ASSERT_EQ(editor->palAnim[12].frames.size(), 1u);
    EXPECT_EQ(editor->palAnim[12].frames[0], (ColourTriple{0x21, 0x22, 0x23}));
}

TEST_F(LoadRom, AnimationRecordsGiveOneToTwoHundredFiftySixFramesLookedUpInTheTripleTable)
{
    image.setColourTriple(0, {0x01, 0x02, 0x03});
    image.setColourTriple(1, {0x11, 0x12, 0x13});
    image.setColourTriple(255, {0x31, 0x32, 0x33});
    image.setAnimation(0, 0x41E00, 7, {255});  // n = 0: exactly one frame
    image.setAnimation(1, 0x41E10, 3, {1, 0, 255, 1});
    std::vector<std::uint8_t> longest(2 + 256);
    longest[0] = 0xFF;
    longest[1] = 2;
    for (int f = 0; f < 256; ++f)
        longest[std::size_t(2 + f)] = std::uint8_t(f % 2);
    image.put(0x41F00, longest);
    image.setAnimationPointer(63, 0x41F00);
    load(image);

    ASSERT_EQ(editor->palAnim[0].frames.size(), 1u);
    EXPECT_EQ(editor->palAnim[0].delay, 7);
    EXPECT_EQ(editor->palAnim[0].frames[0], (ColourTriple{0x31, 0x32, 0x33}));

    const std::vector<ColourTriple> expected = {
        {0x11, 0x12, 0x13}, {0x01, 0x02, 0x03}, {0x31, 0x32, 0x33}, {0x11, 0x12, 0x13}};
    EXPECT_EQ(editor->palAnim[1].frames, expected);
    EXPECT_EQ(editor->palAnim[1].delay, 3);

    ASSERT_EQ(editor->palAnim[63].frames.size(), 256u);
    EXPECT_EQ(editor->palAnim[63].frames[255], (ColourTriple{0x11, 0x12, 0x13}));
    EXPECT_EQ(editor->palAnim[2].frames.size(), 1u) << "the builder's default record";
}

TEST_F(LoadRom, ReloadKeepsCountersFramesAndCurrentPalettesButPullsAFrameBackIntoRange)
{
    image.setAnimation(3, 0x41E10, 4, {0, 0, 0, 0});  // 4 frames
    image.setAnimation(4, 0x41E20, 4, {0, 0});        // 2 frames
    load(image);
    editor->palAnim[3].counter = 2;
    editor->palAnim[3].frame = 3;
    editor->palAnim[4].counter = 1;
    editor->palAnim[4].frame = 1;
    editor->curPal[0].colour[2][1] = 0x2A;
    editor->curStage = 5;
    editor->curObject = 9;

    // The file changes outside the editor: animation 3 now has 2 frames.
    image.setAnimation(3, 0x41E10, 4, {0, 0});
    load(image);

    EXPECT_EQ(editor->palAnim[3].frames.size(), 2u);
    EXPECT_LT(editor->palAnim[3].frame, 2) << "the frame index must stay valid";
    EXPECT_EQ(editor->palAnim[3].counter, 2);
    EXPECT_EQ(editor->palAnim[4].frame, 1) << "a frame still in range is kept";
    EXPECT_EQ(editor->palAnim[4].counter, 1);
    EXPECT_EQ(editor->curPal[0].colour[2][1], 0x2A);
    EXPECT_EQ(editor->curStage, 5);
    EXPECT_EQ(editor->curObject, 9);
}

TEST_F(LoadRom, TheShortestLoadableImageEndsWithStage15sPaletteSets)
{
    image.truncate(L::kStageTablesEnd);
    EXPECT_NO_THROW(load(image));
    EXPECT_EQ(L::kStageTablesEnd, 0x5F5F0u);
}
