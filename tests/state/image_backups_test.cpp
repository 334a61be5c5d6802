// Copies of the image before each save: where they go, how many stay, and a state
// folder that cannot take them.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

#include <gtest/gtest.h>

#include "file/file_access.h"
#include "model/editor.h"
#include "rom/rom_layout.h"
#include "state/image_backups.h"
#include "state/save_with_backup.h"
#include "state/state_folder.h"
#include "support/rom_image_builder.h"
#include "support/temp_folder.h"

namespace L = rom_layout;

namespace {

class ImageBackups : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* old = std::getenv("XDG_STATE_HOME");
        if (old)
            savedStateHome = old;
        ::setenv("XDG_STATE_HOME", folder.file("state").c_str(), 1);
        RomImageBuilder().writeTo(image);
        editor->loadRom(image);
    }
    void TearDown() override
    {
        if (savedStateHome)
            ::setenv("XDG_STATE_HOME", savedStateHome->c_str(), 1);
        else
            ::unsetenv("XDG_STATE_HOME");
    }

    TempFolder folder;
    std::string image = folder.file("game.nes");
    std::unique_ptr<EDITOR> editor = std::make_unique<EDITOR>();
    std::optional<std::string> savedStateHome;
};

}  // namespace

TEST_F(ImageBackups, EachSaveKeepsTheFileAsItWasAndOnlyTheTenNewestStay)
{
    std::vector<std::vector<std::uint8_t>> before;
    for (int save = 0; save < 12; ++save) {
        editor->pageSet[3][0] = std::uint8_t(save + 1);
        before.push_back(readFileBytes(image));
        const SaveResult result = saveRomWithBackup(*editor, image);
        EXPECT_EQ(result.copyProblem, "");
    }
    const std::vector<std::string> backups = imageBackups(image);
    ASSERT_EQ(backups.size(), kBackupsKept);
    EXPECT_EQ(std::filesystem::path(backups.front()).parent_path().string(),
              stateFolder() + "/backups/" + imageStateKey(image));
    for (std::size_t i = 0; i < kBackupsKept; ++i)
        EXPECT_EQ(readFileBytes(backups[i]), before[i + 2]) << "backup " << i;
    EXPECT_EQ(readFileBytes(image)[L::stageBase(3) + L::kPageTable], 12);

    // A save that changes no byte has nothing worth keeping.
    saveRomWithBackup(*editor, image);
    EXPECT_EQ(imageBackups(image), backups);
}

TEST_F(ImageBackups, AStateFolderThatCannotBeWrittenStillLetsTheSaveThrough)
{
    // A file where the state folder should be: no folder can be made there, not even
    // by root.
    std::ofstream(folder.file("state")) << "in the way";
    editor->pageSet[0][0] = 0x1E;
    const SaveResult result = saveRomWithBackup(*editor, image);

    EXPECT_NE(result.copyProblem.find("no copy of '" + image + "' could be kept"), std::string::npos)
        << result.copyProblem;
    EXPECT_EQ(readFileBytes(image)[L::stageBase(0) + L::kPageTable], 0x1E);
}
