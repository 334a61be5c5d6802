// Every writing path, run once for each file system call it makes with that call
// failing (ENOSPC, EIO, and EINTR where the call can be interrupted). After each run
// the file written is the old one or the new one, never a mixture; no temporary file
// is left; and the caller was told, unless the new file is complete. An interrupted
// call is tried again, so the write then succeeds.

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>

#include <gtest/gtest.h>

#include "faults/fault_injection.h"
#include "file/file_access.h"
#include "model/editable_tables.h"
#include "model/editor.h"
#include "patch/bps_patch.h"
#include "patch/patch_files.h"
#include "rom/save_rom.h"
#include "state/image_backups.h"
#include "state/playtest_copies.h"
#include "state/recovery_file.h"
#include "state/save_with_backup.h"
#include "state/state_folder.h"
#include "support/file_bytes.h"
#include "support/rom_image_builder.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

// What a writing path told its caller: an error's text, or a problem it reported
// beside success.
using Told = std::optional<std::string>;

void putFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

class WriteFaults : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const char* old = std::getenv("XDG_STATE_HOME"))
            savedStateHome = old;
        ::setenv("XDG_STATE_HOME", folder.file("state").c_str(), 1);
        RomImageBuilder builder;
        builder.putStage(2, 0x1500, {0x07});
        oldImage = builder.bytes();
        putFile(image, oldImage);
        editor->loadRom(image);
        editor->pageSet[2][0] = 0x1C;
        editor->object[5][1].x = 0x44;
        newImage = oldImage;
        writeEditableTables(*editor, newImage);
    }
    void TearDown() override
    {
        if (savedStateHome)
            ::setenv("XDG_STATE_HOME", savedStateHome->c_str(), 1);
        else
            ::unsetenv("XDG_STATE_HOME");
    }

    // Files whose names mark them as temporary: ours start with a dot.
    std::vector<std::string> temporaryFiles() const
    {
        std::vector<std::string> found;
        for (const auto& entry : fs::recursive_directory_iterator(folder.path()))
            if (entry.path().filename().string()[0] == '.')
                found.push_back(entry.path().string());
        return found;
    }

    // Runs `write` once to count its calls, then once per call and error with that call
    // failing, after `reset`; `check` looks at the outcome of each.
    void failEachCall(const std::function<void()>& reset, const std::function<Told()>& write,
                      const std::function<void(const Told&)>& check)
    {
        reset();
        faults::start();
        const Told clean = write();
        const std::vector<faults::Call> calls = faults::stop();
        ASSERT_FALSE(clean) << *clean;
        ASSERT_FALSE(calls.empty());
        for (std::size_t k = 1; k <= calls.size(); ++k) {
            std::vector<int> errors{ENOSPC, EIO};
            if (calls[k - 1].interruptible)
                errors.push_back(EINTR);
            for (const int error : errors) {
                SCOPED_TRACE("call " + std::to_string(k) + " of " + std::to_string(calls.size()) + " (" +
                             calls[k - 1].function + ") failing with " + std::strerror(error));
                reset();
                faults::start(int(k), error);
                const Told told = write();
                faults::stop();
                EXPECT_TRUE(faults::failed());
                if (error == EINTR) {
                    EXPECT_FALSE(told) << *told;
                }
                check(told);
                EXPECT_EQ(temporaryFiles(), std::vector<std::string>{});
            }
        }
    }

    void resetImageAndState()
    {
        putFile(image, oldImage);
        fs::remove_all(folder.file("state"));
    }

    // The image is one of the two, and only a complete new one goes untold.
    void expectOldOrNewImage(const Told& told)
    {
        const Bytes now = readBytes(image);
        EXPECT_TRUE(now == oldImage || now == newImage) << "a mixture of the old image and the new";
        if (!told) {
            EXPECT_EQ(now, newImage) << "the save failed without a word";
        }
    }

    TempFolder folder;
    std::string image = folder.file("game.nes");
    std::unique_ptr<EDITOR> editor = std::make_unique<EDITOR>();
    Bytes oldImage;
    Bytes newImage;
    std::optional<std::string> savedStateHome;
};

Told saveTold(const EDITOR& editor, const std::string& image)
{
    try {
        const SaveResult result = saveRomWithBackup(editor, image);
        if (!result.copyProblem.empty())
            return result.copyProblem;
    } catch (const std::exception& error) {
        return std::string(error.what());
    }
    return std::nullopt;
}

}  // namespace

TEST_F(WriteFaults, SaveWithItsBackup)
{
    failEachCall([&] { resetImageAndState(); }, [&] { return saveTold(*editor, image); },
                 [&](const Told& told) {
                     expectOldOrNewImage(told);
                     // A backup is the whole old image or is not there.
                     for (const std::string& backup : imageBackups(image))
                         EXPECT_EQ(readBytes(backup), oldImage) << "a partial backup";
                     if (imageBackups(image).empty() && readBytes(image) == newImage) {
                         EXPECT_TRUE(told) << "no backup was kept, and no one was told";
                     }
                 });
}

TEST_F(WriteFaults, SaveInPlace)
{
    // A second hard link keeps the save in the file itself.
    ASSERT_EQ(::link(image.c_str(), folder.file("link.nes").c_str()), 0);
    failEachCall([&] { resetImageAndState(); }, [&] { return saveTold(*editor, image); },
                 [&](const Told& told) {
                     expectOldOrNewImage(told);
                     EXPECT_EQ(fs::hard_link_count(image), 2u) << "the save replaced the file";
                 });
}

TEST_F(WriteFaults, RecoveryFile)
{
    RecoveryFile earlier;
    earlier.imagePath = canonicalImagePath(image);
    earlier.tables = editableTables(*editor);
    RecoveryFile file = earlier;
    file.writtenAtMs = 1;
    file.tables[0] ^= 0xFF;
    const std::string path = recoveryFilePath(image);
    failEachCall(
        [&] {
            resetImageAndState();
            writeRecoveryFile(earlier);
        },
        [&]() -> Told {
            try {
                writeRecoveryFile(file);
            } catch (const std::exception& error) {
                return std::string(error.what());
            }
            return std::nullopt;
        },
        [&](const Told& told) {
            const Bytes now = readBytes(path);
            EXPECT_TRUE(now == encodeRecoveryFile(earlier) || now == encodeRecoveryFile(file)) << "a mixture";
            if (!told) {
                EXPECT_EQ(now, encodeRecoveryFile(file));
            }
        });
}

TEST_F(WriteFaults, PlaytestCopy)
{
    const std::string copies = folder.file("state/playtest");
    failEachCall([&] { resetImageAndState(); },
                 [&]() -> Told {
                     try {
                         PlaytestCopies(copies).write(*editor, image);
                     } catch (const std::exception& error) {
                         return std::string(error.what());
                     }
                     return std::nullopt;
                 },
                 [&](const Told& told) {
                     std::vector<fs::path> made;
                     if (fs::exists(copies))
                         for (const auto& entry : fs::directory_iterator(copies))
                             made.push_back(entry.path());
                     if (!told) {
                         ASSERT_EQ(made.size(), 1u);
                     }
                     for (const fs::path& copy : made)
                         EXPECT_EQ(readBytes(copy.string()), newImage) << "a partial play-test copy";
                     EXPECT_EQ(readBytes(image), oldImage) << "play-testing touched the image";
                 });
}

// A patch written over an older one: the file is the old patch or the whole new one.
TEST_F(WriteFaults, PatchExport)
{
    const std::string patch = folder.file("game.bps");
    const Bytes older{'B', 'P', 'S', '1', 0x80};
    failEachCall([&] { putFile(patch, older); },
                 [&]() -> Told {
                     try {
                         writePatchFile(oldImage, newImage, patch);
                     } catch (const std::exception& error) {
                         return std::string(error.what());
                     }
                     return std::nullopt;
                 },
                 [&](const Told& told) {
                     const Bytes now = readBytes(patch);
                     if (!told) {
                         EXPECT_EQ(applyBpsPatch(oldImage, now), newImage);
                     } else {
                         EXPECT_EQ(now, older) << "a patch cut short";
                     }
                 });
}
