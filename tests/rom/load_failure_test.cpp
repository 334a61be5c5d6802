#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <set>

#include <gtest/gtest.h>

#include "file/stream_error.h"
#include "model/editor.h"
#include "rom/model_snapshot.h"
#include "rom/rom_layout.h"
#include "support/rom_image_builder.h"
#include "support/temp_folder.h"

namespace L = rom_layout;

namespace {

class LoadFailure : public ::testing::Test {
protected:
    LoadFailure() { fillWithPattern(*editor); }

    // Loads `file` expecting the given error text, and checks that the editor did not
    // change at all.
    void expectLoadFails(const std::string& file, const std::string& text)
    {
        const auto before = snapshotOf(*editor);
        try {
            editor->loadRom(file);
            ADD_FAILURE() << "loading " << file << " succeeded";
        } catch (const StreamError& error) {
            EXPECT_EQ(error.what(), text);
        }
        EXPECT_TRUE(snapshotOf(*editor) == before) << "the editor changed on a failed load of " << file;
    }

    void expectTruncatedLoadFails(const RomImageBuilder& image, std::size_t length)
    {
        RomImageBuilder copy = image;
        copy.truncate(length);
        copy.writeTo(path);
        SCOPED_TRACE(::testing::Message() << "image cut at 0x" << std::hex << length);
        expectLoadFails(path, "not enough data in stream");
    }

    TempFolder folder;
    std::string path = folder.file("image.nes");
    std::unique_ptr<EDITOR> editor = std::make_unique<EDITOR>();
};

constexpr std::uint8_t kSourceBank = 0x30;

}  // namespace

TEST_F(LoadFailure, AnImageCutShortAnywhereFailsAndLeavesTheEditorUnchanged)
{
    RomImageBuilder image;
    // Stage 3 copies tiles from beyond the stage tables, and animation 5 uses the last
    // colour triple, so that pointer targets also sit at the cutting points.
    image.put(L::bankStart(kSourceBank) + 0x3000, std::vector<std::uint8_t>(0x200, 0x5A));
    image.setTileList(3, 0x51720, {{kSourceBank, 2, 0x30, 4}});
    image.setAnimation(5, 0x41E10, 1, {0, 255});
    const std::size_t source = L::tileSource(kSourceBank, 0x30);

    std::set<std::size_t> cuts = {0, 1, 0x10, 0x40010, L::kStageTablesEnd - 1};
    for (int s : {0, 1, 8, 15}) {
        const std::size_t tables[][2] = {
            {L::kChipTiles, L::kChipTilesSize},     {L::kChipAttributes, L::kChipAttributesSize},
            {L::kChipSets, L::kChipSetsSize},       {L::kMapSets, L::kMapSetsSize},
            {L::kObjectPages, L::kObjectTableSize}, {L::kObjectX, L::kObjectTableSize},
            {L::kObjectY, L::kObjectTableSize},     {L::kObjectData, L::kObjectTableSize},
            {L::kPageTable, L::kPageTableSize},     {L::kPaletteSets, L::kPaletteSetsSize},
        };
        for (const auto& [offset, size] : tables) {
            cuts.insert(L::stageBase(s) + offset);
            cuts.insert(L::stageBase(s) + offset + 1);
            cuts.insert(L::stageBase(s) + offset + size - 1);
        }
    }
    // Pointer tables and what they point at.
    for (std::size_t at : {L::kTileListPointerLow, L::kTileListPointerLow + 15, L::kTileListPointerHigh + 15,
                           L::kAnimationPointerLow, L::kAnimationPointerHigh + 63, std::size_t(0x51720 + 8),
                           std::size_t(0x51720 + 8 + 3), std::size_t(0x51720 + 8 + 4 + 3), std::size_t(0x41E10),
                           std::size_t(0x41E10 + 3), L::colourTriple(255), L::colourTriple(255) + 2})
        cuts.insert(at);
    for (std::size_t at : {source, source + 1, source + 16 * 31, source + 16 * 32 - 1})
        cuts.insert(at);

    for (std::size_t length : cuts)
        expectTruncatedLoadFails(image, length);

    // The uncut image loads.
    image.writeTo(path);
    EXPECT_NO_THROW(editor->loadRom(path));
}

TEST_F(LoadFailure, PointersAndListsThatLeadPastTheEndFail)
{
    {
        RomImageBuilder image;
        image.setTileList(2, 0x51720, {{0xE0, 1, 0, 0}});  // a source bank far beyond the end
        image.writeTo(path);
        SCOPED_TRACE("tile source past the end");
        expectLoadFails(path, "not enough data in stream");
    }
    {
        // A list with no end entry runs on until the end of the image. Its entries
        // copy nothing, so only the list itself is read.
        RomImageBuilder image;
        const std::size_t list = 0x51900;
        image.setTileListPointer(9, list);
        for (std::size_t at = list + L::kTileListSkipped; at + 4 <= image.bytes().size(); at += 4)
            image.put(at, {0x00, 0x01, 0x00, 0x10});
        image.writeTo(path);
        SCOPED_TRACE("tile list without an end");
        expectLoadFails(path, "not enough data in stream");
    }
}

TEST_F(LoadFailure, AMissingFileOrAFolderIsNotFound)
{
    const std::string missing = folder.file("no such image.nes");
    expectLoadFails(missing, "file '" + missing + "' not found");
    EXPECT_FALSE(std::filesystem::exists(missing)) << "loading must not create the file";

    const std::string inMissingFolder = folder.file("gone/image.nes");
    expectLoadFails(inMissingFolder, "file '" + inMissingFolder + "' not found");

    expectLoadFails(folder.path().string(), "file '" + folder.path().string() + "' not found");
}

TEST_F(LoadFailure, AFileWithoutReadPermissionIsNotFound)
{
    RomImageBuilder().writeTo(path);
    ASSERT_EQ(::chmod(path.c_str(), 0200), 0);
    if (::geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop root from reading";
    expectLoadFails(path, "file '" + path + "' not found");
}
