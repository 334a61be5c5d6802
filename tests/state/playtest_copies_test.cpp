#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "file/stream_error.h"
#include "model/editor.h"
#include "rom/player_program.h"
#include "rom/rom_layout.h"
#include "state/playtest_copies.h"
#include "support/file_bytes.h"
#include "support/rom_image_builder.h"
#include "support/temp_folder.h"

namespace L = rom_layout;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> filesIn(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class PlaytestCopiesTest : public ::testing::Test {
protected:
    PlaytestCopiesTest()
    {
        RomImageBuilder image;
        image.putStage(3, L::kPageTable, {0x05});
        image.put(image.bytes().size(), {0xAB, 0xCD});  // bytes past the tables stay as they are
        image.writeTo(imagePath);
        editor.loadRom(imagePath);
    }

    TempFolder temp;
    const std::string imagePath = temp.file("game.nes");
    const std::string folder = temp.file("state/playtest");
    EDITOR editor;
};

}  // namespace

TEST_F(PlaytestCopiesTest, CopyHoldsTheUnsavedEditsAsSaveWouldAndTheImageStaysAsItWas)
{
    const std::vector<std::uint8_t> original = readBytes(imagePath);
    editor.pageSet[3][0] = 0x11;
    editor.chip[15][7].palette = 2;

    PlaytestCopies copies(folder);
    const std::string copy = copies.write(editor, imagePath);

    EXPECT_EQ(readBytes(imagePath), original);
    EXPECT_EQ(fs::path(copy).parent_path(), fs::path(folder));
    editor.saveRom(imagePath);
    EXPECT_EQ(readBytes(copy), readBytes(imagePath));
}

TEST_F(PlaytestCopiesTest, TheCopysNameHoldsOnlyPlainLettersWhateverTheImageIsCalled)
{
    const std::string oddName = temp.file("st\xE4ge 100%f.nes");  // not UTF-8, a space, %f
    fs::copy_file(imagePath, oddName);
    PlaytestCopies copies(folder);
    const std::string name = fs::path(copies.write(editor, oddName)).filename().string();
    EXPECT_EQ(name.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789._-"),
              std::string::npos)
        << name;
    EXPECT_EQ(name.rfind("st_ge_100_f.nes-", 0), 0u) << name;
}

TEST_F(PlaytestCopiesTest, KeepsTheThreeNewestAndRemovesOnlyItsOwnAtTheEnd)
{
    PlaytestCopies copies(folder);
    std::vector<std::string> written;
    for (int i = 0; i < 5; ++i) {
        written.push_back(fs::path(copies.write(editor, imagePath)).filename().string());
        copies.keepNewest();
    }
    EXPECT_EQ(filesIn(folder), std::vector<std::string>(written.begin() + 2, written.end()));

    // A copy another editor made meanwhile, and a file that is no copy.
    std::ofstream(folder + "/other-run.nes") << "x";
    std::ofstream(folder + "/notes.txt") << "x";
    copies.remove(folder + "/" + written[4]);
    EXPECT_FALSE(fs::exists(folder + "/" + written[4]));
    copies.removeOwn();
    EXPECT_EQ(filesIn(folder), (std::vector<std::string>{"notes.txt", "other-run.nes"}));
}

TEST_F(PlaytestCopiesTest, AnImageThatCannotBeReadWritesNoCopy)
{
    PlaytestCopies copies(folder);
    fs::remove(imagePath);
    EXPECT_THROW(copies.write(editor, imagePath), StreamError);
    EXPECT_FALSE(fs::exists(folder));

    // A folder that cannot be made: its place is taken by a file.
    RomImageBuilder().writeTo(imagePath);
    std::ofstream(temp.file("state")) << "x";
    EXPECT_THROW(copies.write(editor, imagePath), std::runtime_error);
}

TEST_F(PlaytestCopiesTest, AStagePlayerInTheImageOpensWhereTheEditorStands)
{
    // The player's signature past the tables, then its three start bytes.
    const std::size_t at = readBytes(imagePath).size();
    RomImageBuilder image;
    image.put(at, std::vector<std::uint8_t>(kPlayerSignature.begin(), kPlayerSignature.end()));
    image.put(at + kPlayerSignature.size(), {0, 0, 0, 0xEA});
    image.writeTo(imagePath);
    editor.curStage = 5;
    editor.viewPos = 12;
    editor.curPalSet = 3;

    PlaytestCopies copies(folder);
    const std::vector<std::uint8_t> copy = readBytes(copies.write(editor, imagePath));
    editor.saveRom(imagePath);
    std::vector<std::uint8_t> saved = readBytes(imagePath);
    ASSERT_EQ(copy.size(), saved.size());
    const std::size_t start = at + kPlayerSignature.size();
    EXPECT_EQ(std::vector<std::uint8_t>(copy.begin() + std::ptrdiff_t(start), copy.begin() + std::ptrdiff_t(start) + 4),
              (std::vector<std::uint8_t>{5, 12, 3, 0xEA}));
    std::copy(copy.begin() + std::ptrdiff_t(start), copy.begin() + std::ptrdiff_t(start) + 3,
              saved.begin() + std::ptrdiff_t(start));
    EXPECT_EQ(copy, saved);

    // "MAP SET" counts map sets, not pages: the player opens on the first page showing it.
    editor.curTab = kViewMapSet;
    editor.viewPos = 7;
    std::fill(std::begin(editor.pageSet[5]), std::end(editor.pageSet[5]), std::uint8_t(0));
    editor.pageSet[5][20] = editor.pageSet[5][30] = 7;
    EXPECT_EQ(readBytes(copies.write(editor, imagePath))[start + 1], 20);
}
