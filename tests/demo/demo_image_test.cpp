#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <set>

#include <gtest/gtest.h>

#include "demo/demo_image.h"
#include "demo/stage_player.h"
#include "file/stream_error.h"
#include "model/editor.h"
#include "rom/player_program.h"
#include "rom/rom_layout.h"
#include "support/rom_image_builder.h"
#include "support/temp_folder.h"

namespace L = rom_layout;

namespace {

std::vector<std::uint8_t> readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class DemoImage : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder = new TempFolder;
        path = folder->file("demo.nes");
        writeDemoImage(path);
        editor = new EDITOR;
        editor->loadRom(path);
    }
    static void TearDownTestSuite()
    {
        delete editor;
        delete folder;
    }

    static inline TempFolder* folder = nullptr;
    static inline std::string path;
    static inline EDITOR* editor = nullptr;
};

bool tileIsBlank(const std::uint8_t (&tile)[kTileBytes])
{
    return std::all_of(std::begin(tile), std::end(tile), [](std::uint8_t b) { return b == 0; });
}

}  // namespace

TEST_F(DemoImage, IsTheSameEveryTimeAndIsWhatTheFileHolds)
{
    const auto image = makeDemoImage();
    EXPECT_EQ(image, makeDemoImage());
    EXPECT_EQ(readBytes(path), image);
    EXPECT_GE(image.size(), L::kStageTablesEnd);
    EXPECT_EQ(std::string(image.begin(), image.begin() + 4), "NES\x1A");
}

TEST_F(DemoImage, EveryStageHasDrawnTilesAndChipsInAllFourSubPalettes)
{
    for (int s = 0; s < kStageCount; ++s) {
        SCOPED_TRACE(::testing::Message() << "stage " << s);
        int drawn = 0;
        for (const auto& tile : editor->tileGfx[s])
            drawn += tileIsBlank(tile) ? 0 : 1;
        EXPECT_GT(drawn, 200);
        std::set<int> palettes;
        std::set<int> tiles;
        for (const ChipRecord& chip : editor->chip[s]) {
            palettes.insert(chip.palette);
            tiles.insert(chip.tile, chip.tile + 4);
        }
        EXPECT_EQ(palettes.size(), 4u);
        EXPECT_EQ(tiles.size(), 256u) << "every tile is used by a chip";
    }
    // The shared tiles are the same everywhere; the stage's own ground differs.
    EXPECT_EQ(std::memcmp(editor->tileGfx[0][4], editor->tileGfx[9][4], kTileBytes), 0);
    EXPECT_NE(std::memcmp(editor->tileGfx[0][64], editor->tileGfx[1][64], kTileBytes), 0);
}

TEST_F(DemoImage, PagesShowMapSetsWhoseFloorHasNoHoles)
{
    for (int s = 0; s < kStageCount; ++s) {
        SCOPED_TRACE(::testing::Message() << "stage " << s);
        std::set<int> shown;
        for (int p = 0; p < kPageCount; ++p) {
            ASSERT_LT(editor->pageSet[s][p], kMapSetCount) << "page " << p;
            shown.insert(editor->pageSet[s][p]);
        }
        EXPECT_EQ(shown.size(), std::size_t(kMapSetCount)) << "every map set appears on a page";
        const std::uint8_t sky = editor->mapSet[s][1][0];
        for (int m = 0; m < kMapSetCount; ++m)
            for (int c = 0; c < 8; ++c)
                EXPECT_NE(editor->mapSet[s][m][c * 8 + 7], sky) << "map set " << m << ", column " << c;
        std::set<int> chipSets;
        for (const auto& mapSet : editor->mapSet[s])
            chipSets.insert(std::begin(mapSet), std::end(mapSet));
        EXPECT_GE(chipSets.size(), 12u) << "a level is built of many kinds of blocks";
    }
}

TEST_F(DemoImage, ObjectsStandInOrderOnThePagesWithTheRestOfTheListEmpty)
{
    int fullLists = 0;
    for (int s = 0; s < kStageCount; ++s) {
        SCOPED_TRACE(::testing::Message() << "stage " << s);
        int used = 0;
        while (used < kObjectSlots && editor->object[s][used].isUsed())
            ++used;
        EXPECT_GE(used, 10);
        fullLists += used == kObjectSlots ? 1 : 0;
        for (int i = 1; i < used; ++i)
            EXPECT_LE(editor->object[s][i - 1].page, editor->object[s][i].page);
        for (int i = used; i < kObjectSlots; ++i)
            EXPECT_FALSE(editor->object[s][i].isUsed());
    }
    EXPECT_EQ(fullLists, 1) << "one stage has a full list of 64";
}

TEST_F(DemoImage, FourDifferentPaletteSetsPerStageAnimateTheirLiquidWithAllSixtyFourAnimations)
{
    std::set<int> animations;
    std::set<std::vector<std::uint8_t>> looks;
    for (int s = 0; s < kStageCount; ++s)
        for (int k = 0; k < kPaletteSetCount; ++k) {
            const PaletteRecord& set = editor->palSet[s][k];
            for (const auto& subPalette : set.colour)
                for (std::uint8_t colour : subPalette)
                    EXPECT_LT(colour, 0x40) << "stage " << s << " set " << k;
            EXPECT_EQ(set.selector[0] | set.selector[1] | set.selector[2], 0);
            ASSERT_TRUE(set.selector[3] & 0x80) << "stage " << s << " set " << k;
            animations.insert(set.selector[3] & 0x3F);
            looks.insert(std::vector<std::uint8_t>(&set.colour[0][0], &set.colour[0][0] + 16));
        }
    EXPECT_EQ(animations.size(), 64u);
    EXPECT_EQ(looks.size(), std::size_t(kStageCount * kPaletteSetCount)) << "no two palette sets alike";

    for (int a = 0; a < kPaletteAnimationCount; ++a) {
        const PaletteAnimation& animation = editor->palAnim[a];
        EXPECT_GE(animation.frames.size(), 2u) << "animation " << a;
        EXPECT_GT(animation.delay, 0) << "animation " << a;
        EXPECT_NE(animation.frames.front(), animation.frames.back()) << "animation " << a << " moves";
    }
}

TEST_F(DemoImage, SavingItUnchangedOnlyMarksTheEmptySlotsAsLoadingSawThem)
{
    const TempFolder scratch;
    const std::string copy = scratch.file("copy.nes");
    writeDemoImage(copy);
    auto fresh = std::make_unique<EDITOR>();
    fresh->loadRom(copy);
    fresh->saveRom(copy);

    const auto before = makeDemoImage();
    const auto after = readBytes(copy);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i] == after[i])
            continue;
        const std::size_t inStage = (i - L::stageBase(0)) % L::kBankSize;
        ASSERT_TRUE(i >= L::stageBase(0) && i < L::stageBase(16) && inStage >= L::kObjectPages &&
                    inStage < L::kObjectPages + 64 && before[i] == kErasedObjectPage && after[i] == kEmptyObjectPage)
            << "byte 0x" << std::hex << i;
    }
}

TEST(WriteDemoImage, ReplacesAFileKeepingItsModeLeavesOneThatHoldsItAndFailsWhereNoFileCanBeMade)
{
    const TempFolder folder;
    const std::string path = folder.file("demo.nes");
    std::ofstream(path) << "old";
    ASSERT_EQ(::chmod(path.c_str(), 0604), 0);
    writeDemoImage(path);
    EXPECT_EQ(readBytes(path), makeDemoImage());
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0604u);
    // Holding the image already, the file is left as it is: the same file, not a new one.
    writeDemoImage(path);
    struct stat again {};
    ASSERT_EQ(::stat(path.c_str(), &again), 0);
    EXPECT_EQ(again.st_ino, info.st_ino);
    // One byte off at its very end, it is written again.
    std::vector<std::uint8_t> almost = makeDemoImage();
    almost.back() ^= 1;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(almost.data()), std::streamsize(almost.size()));
    writeDemoImage(path);
    EXPECT_EQ(readBytes(path), makeDemoImage());

    const std::string nowhere = folder.file("missing/demo.nes");
    try {
        writeDemoImage(nowhere);
        ADD_FAILURE() << "writing into a missing folder succeeded";
    } catch (const StreamError& error) {
        EXPECT_EQ(error.what(), "file '" + nowhere + "' not found");
    }
}

TEST_F(DemoImage, CarriesTheStagePlayerApartFromEveryTableTileAndListWithAHeaderThatRunsIt)
{
    const auto image = makeDemoImage();
    const std::optional<std::size_t> player = findPlayerProgram(image);
    ASSERT_TRUE(player.has_value());
    EXPECT_EQ(image.size() - *player, stagePlayerProgram().size());
    EXPECT_FALSE(findPlayerProgram(RomImageBuilder().bytes()).has_value());
    // Mapper 2, 32 banks of 16 KB, character RAM, vertical mirroring.
    EXPECT_EQ(std::vector<std::uint8_t>(image.begin(), image.begin() + 8),
              (std::vector<std::uint8_t>{'N', 'E', 'S', 0x1A, 32, 0, 0x21, 0}));

    // What the loader reads (each area it reserves) and every tile's source lie before
    // the player, so adding it changed none of them.
    const TileSources& sources = editor->tileSources;
    int playerAreas = 0;
    for (const ReservedArea& area : sources.reserved) {
        if (area.first == *player) {
            ++playerAreas;
            EXPECT_EQ(area.end, image.size());
        } else {
            EXPECT_LE(area.end, *player) << area.what;
        }
    }
    EXPECT_EQ(playerAreas, 1);
    for (int s = 0; s < kStageCount; ++s)
        for (int t = 0; t < kTileCount; ++t)
            EXPECT_LT(sources.offset[s][t] + kTileBytes, *player);
    // Between the stage tables' banks and the player the image holds nothing.
    EXPECT_TRUE(std::all_of(image.begin() + std::ptrdiff_t(L::bankStart(0x30)), image.begin() + std::ptrdiff_t(*player),
                            [](std::uint8_t b) { return b == 0; }));
}
