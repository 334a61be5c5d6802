#include <array>
#include <cstring>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "edit/tile_editing.h"
#include "edit/undo_redo.h"
#include "edit/usage_report.h"
#include "model/editor.h"
#include "rom/load_rom.h"
#include "rom/rom_layout.h"
#include "support/fake_host.h"
#include "support/rom_image_builder.h"

namespace L = rom_layout;

namespace {

constexpr std::uint8_t kSourceBank = 0x30;
const std::size_t kSource = L::bankStart(kSourceBank);

using TileBytes = std::array<std::uint8_t, kTileBytes>;

TileBytes tileOf(const EDITOR& editor, int stage, int tile)
{
    TileBytes bytes;
    std::memcpy(bytes.data(), editor.tileGfx[stage][tile], kTileBytes);
    return bytes;
}

// Stages 3 and 7 load the 16 tiles at kSource: stage 3 as tiles 0 to 15 and again, by
// a later entry, as 32 to 47; stage 7 as tiles 32 to 47. Stage 3's first entry also
// loads tiles 16 to 31 from kSource + 0x100, which its second entry overwrites with
// kSource + 0x200.
class TileEditingTest : public ::testing::Test {
protected:
    TileEditingTest() : editor(std::make_unique<EDITOR>()), host(*editor)
    {
        editor->createSurfaces();
        std::vector<std::uint8_t> tiles(0x300);
        for (std::size_t i = 0; i < tiles.size(); ++i)
            tiles[i] = std::uint8_t(i * 7 + 1);
        image.put(kSource, tiles);
        image.setTileList(3, 0x51720, {{kSourceBank, 2, 0, 0}, {kSourceBank, 1, 2, 1}, {kSourceBank, 1, 0, 2}});
        image.setTileList(7, 0x51740, {{kSourceBank, 1, 0, 2}});
        loadRomImage(*editor, image.bytes());
    }

    void showStage(int stage)
    {
        host.stageSelection = stage;
        host.applySelections();
    }

    RomImageBuilder image;
    std::unique_ptr<EDITOR> editor;
    FakeHost host;
};

TEST_F(TileEditingTest, EachTileRemembersTheLastEntryThatLoadedIt)
{
    const TileSources& sources = editor->tileSources;
    EXPECT_EQ(sources.offset[3][0], kSource);
    EXPECT_EQ(sources.offset[3][15], kSource + 15 * 16);
    // Tile 17 was first loaded from kSource + 0x110, then from kSource + 0x210.
    EXPECT_EQ(sources.offset[3][17], kSource + 0x210);
    EXPECT_EQ(tileOf(*editor, 3, 17)[0], image.bytes()[kSource + 0x210]);
    EXPECT_EQ(sources.offset[7][33], kSource + 16);
    EXPECT_EQ(sources.offset[7][0], kNoTileSource);
    EXPECT_EQ(sources.offset[0][0], kNoTileSource);
}

TEST_F(TileEditingTest, ADrawingChangesEveryTileLoadedFromTheSameBytes)
{
    const std::vector<TilePlace> sharing = tilesSharingSource(*editor, 3, 1);
    ASSERT_EQ(sharing.size(), 2u);
    EXPECT_EQ(sharing[0].stage, 3);
    EXPECT_EQ(sharing[0].tile, 33);
    EXPECT_EQ(sharing[1].stage, 7);
    EXPECT_EQ(sharing[1].tile, 33);

    const int value = (tilePixel(*editor, 3, 1, 2, 5) + 1) % 4;
    ASSERT_TRUE(setTilePixel(*editor, 3, 1, 2, 5, value));
    EXPECT_EQ(tilePixel(*editor, 3, 1, 2, 5), value);
    EXPECT_EQ(tileOf(*editor, 7, 33), tileOf(*editor, 3, 1));
    EXPECT_EQ(tileOf(*editor, 3, 33), tileOf(*editor, 3, 1));
    // A neighbour from the next 16 bytes stays as it was.
    EXPECT_EQ(tileOf(*editor, 7, 34)[0], image.bytes()[kSource + 2 * 16]);
}

TEST_F(TileEditingTest, ATileWithoutASourceCannotBeDrawn)
{
    const TileBytes before = tileOf(*editor, 7, 0);
    EXPECT_EQ(tileDrawingRefusal(*editor, 7, 0), "This tile is not loaded from the image, so it cannot be drawn.");
    EXPECT_FALSE(setTilePixel(*editor, 7, 0, 0, 0, 3));
    EXPECT_FALSE(flipTile(*editor, 7, 0, true));
    EXPECT_EQ(tileOf(*editor, 7, 0), before);
    EXPECT_TRUE(tilesSharingSource(*editor, 7, 0).empty());
    EXPECT_EQ(tileDrawingRefusal(*editor, 3, 0), "");
}

TEST_F(TileEditingTest, FillTakesTheFourConnectedAreaOfOneValue)
{
    // A ring of 1 around the centre 2 x 2, the rest 0.
    TileBytes ring{};
    for (int y = 2; y <= 5; ++y)
        ring[std::size_t(y)] = (y == 2 || y == 5) ? 0x3C : 0x24;
    ASSERT_TRUE(setTileBytes(*editor, 3, 5, ring));
    ASSERT_TRUE(fillTileArea(*editor, 3, 5, 0, 0, 2));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool onRing = (y == 2 || y == 5) ? (x >= 2 && x <= 5) : (y > 2 && y < 5 && (x == 2 || x == 5));
            const bool inside = y > 2 && y < 5 && x > 2 && x < 5;
            EXPECT_EQ(tilePixel(*editor, 3, 5, x, y), onRing ? 1 : inside ? 0 : 2) << x << "," << y;
        }
}

TEST_F(TileEditingTest, FlipsAndTurnMovePixelsWhereExpected)
{
    TileBytes one{};
    one[0] = 0x80;  // pixel (0, 0) is 1
    one[8] = 0x40;  // pixel (1, 0) is 2
    ASSERT_TRUE(setTileBytes(*editor, 3, 6, one));
    ASSERT_TRUE(flipTile(*editor, 3, 6, true));
    EXPECT_EQ(tilePixel(*editor, 3, 6, 7, 0), 1);
    EXPECT_EQ(tilePixel(*editor, 3, 6, 6, 0), 2);
    ASSERT_TRUE(flipTile(*editor, 3, 6, false));
    EXPECT_EQ(tilePixel(*editor, 3, 6, 7, 7), 1);
    EXPECT_EQ(tilePixel(*editor, 3, 6, 6, 7), 2);
    // A quarter turn clockwise takes the bottom-right corner to the bottom-left.
    ASSERT_TRUE(turnTile(*editor, 3, 6));
    EXPECT_EQ(tilePixel(*editor, 3, 6, 0, 7), 1);
    EXPECT_EQ(tilePixel(*editor, 3, 6, 0, 6), 2);
    for (int turn = 0; turn < 3; ++turn)
        ASSERT_TRUE(turnTile(*editor, 3, 6));
    EXPECT_EQ(tilePixel(*editor, 3, 6, 7, 7), 1);
    EXPECT_EQ(tilePixel(*editor, 3, 6, 6, 7), 2);
}

TEST_F(TileEditingTest, ADrawingReachesTheChipsOnTheNextFrame)
{
    const std::uint8_t colours[4] = {0x0F, 0x30, 0x16, 0x2A};
    std::memcpy(editor->palSet[7][0].colour[0], colours, 4);
    editor->chip[7][0] = ChipRecord{{33, 33, 33, 33}, 0, 0};
    showStage(7);
    editor->drawChips();
    editor->refresh(0);
    // Chip 0's bottom-right quadrant shows tile 33 (of stage 3 as well) from (8, 8) on.
    const int value = (tilePixel(*editor, 3, 33, 4, 6) + 1) % 4;
    const Colour before = editor->chipSurface.pixel(8 + 4, 8 + 6);
    ASSERT_TRUE(setTilePixel(*editor, 3, 33, 4, 6, value));
    editor->refresh(0);
    EXPECT_NE(editor->chipSurface.pixel(8 + 4, 8 + 6), before);
}

TEST_F(TileEditingTest, UndoOfAStrokeRestoresItWholeAndShowsTheTile)
{
    editor->history.start(*editor);
    const TileBytes before = tileOf(*editor, 7, 33);
    showStage(7);
    for (int x = 0; x < 3; ++x) {
        ASSERT_TRUE(setTilePixel(*editor, 7, 33, x, 0, 3 - tilePixel(*editor, 7, 33, x, 0)));
        editor->history.record(*editor, true);
    }
    editor->history.record(*editor, false);
    const TileBytes drawn = tileOf(*editor, 7, 33);

    // The step changed stages 3 and 7; from another stage, undo shows the first.
    showStage(0);
    undoEdit(*editor);
    EXPECT_EQ(tileOf(*editor, 7, 33), before);
    EXPECT_EQ(tileOf(*editor, 3, 1), before);
    EXPECT_EQ(editor->curStage, 3);
    EXPECT_EQ(editor->curTile, 1);
    // On one of the stages it changed, redo stays there.
    showStage(7);
    redoEdit(*editor);
    EXPECT_EQ(tileOf(*editor, 3, 33), drawn);
    EXPECT_EQ(editor->curStage, 7);
    EXPECT_EQ(editor->curTile, 33);
}

TEST_F(TileEditingTest, TheUsageWindowListsTheChipsShowingTheTileAndTheTilesSharingItsSource)
{
    editor->chip[3][0x05].tile[2] = 33;
    editor->chip[3][0x40].tile[0] = 33;
    editor->curStage = 3;
    editor->curTab = kViewChip;
    editor->curTile = 33;
    const std::vector<UsageSection> report = usageReport(*editor, countStageUsage(*editor, 3));
    const auto section = [&](const std::string& title) {
        for (const UsageSection& s : report)
            if (s.title == title)
                return s;
        return UsageSection{"missing: " + title, {}};
    };
    const UsageSection chips = section("Chips that show tile 21 (2)");
    ASSERT_EQ(chips.entries.size(), 2u) << chips.title;
    EXPECT_EQ(chips.entries[0].where, "chip 05, quadrant 2 (bottom-left)");
    EXPECT_EQ(chips.entries[1].where, "chip 40, quadrant 0 (top-left)");
    const UsageSection shared = section("Tiles drawn from the same bytes as tile 21");
    ASSERT_EQ(shared.entries.size(), 2u) << shared.title;
    EXPECT_EQ(shared.entries[0].where + ": " + shared.entries[0].what, "stage 3: tile 01");
    EXPECT_EQ(shared.entries[1].where + ": " + shared.entries[1].what, "stage 7: tile 21");
}

}  // namespace
