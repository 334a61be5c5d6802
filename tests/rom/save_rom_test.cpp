#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

#include <gtest/gtest.h>

#include "file/stream_error.h"
#include "model/editor.h"
#include "rom/model_snapshot.h"
#include "rom/rom_layout.h"
#include "support/file_bytes.h"
#include "support/rom_image_builder.h"
#include "support/temp_folder.h"

namespace L = rom_layout;
namespace fs = std::filesystem;

namespace {

// An image with no zero runs: every byte, header and tables included, has a value
// that a save would visibly change. Object lists end at a different slot per stage,
// with used-looking page bytes behind the end that a save turns into 0x30.
RomImageBuilder busyImage()
{
    RomImageBuilder image;
    std::vector<std::uint8_t>& bytes = image.bytes();
    bytes.resize(L::kStageTablesEnd + 0x3000);
    std::uint32_t state = 12345;
    for (std::uint8_t& b : bytes) {
        state = state * 1103515245u + 12345u;
        b = std::uint8_t(state >> 16);
    }
    for (int s = 0; s < kStageCount; ++s) {
        std::vector<std::uint8_t> pages(64);
        const int used = s == 15 ? 64 : s * 4;
        for (int i = 0; i < 64; ++i)
            pages[std::size_t(i)] = i < used ? std::uint8_t(i % 48) : (i == used ? 0x30 + s : std::uint8_t(i % 48));
        image.put(L::stageBase(s) + L::kObjectPages, pages);
        image.setTileList(s, 0x51710 + std::size_t(s) * 0x10, {});
    }
    for (int a = 0; a < kPaletteAnimationCount; ++a)
        image.setAnimation(a, 0x41E00 + std::size_t(a) * 4, std::uint8_t(a), {std::uint8_t(a * 3)});
    return image;
}

// What a load followed by a save must leave: the image itself, except the object page
// bytes from the first empty slot of each stage on.
std::vector<std::uint8_t> expectedAfterSave(std::vector<std::uint8_t> bytes)
{
    for (int s = 0; s < kStageCount; ++s) {
        std::uint8_t* pages = bytes.data() + L::stageBase(s) + L::kObjectPages;
        int i = 0;
        while (i < 64 && pages[i] < kEmptyObjectPage)
            ++i;
        for (; i < 64; ++i)
            pages[i] = kEmptyObjectPage;
    }
    return bytes;
}

class SaveRom : public ::testing::Test {
protected:
    void expectSaveFails(const std::string& file, const std::string& text)
    {
        try {
            editor->saveRom(file);
            ADD_FAILURE() << "saving " << file << " succeeded";
        } catch (const StreamError& error) {
            EXPECT_EQ(error.what(), text);
        }
    }

    std::vector<std::string> folderEntries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder.path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempFolder folder;
    std::string path = folder.file("image.nes");
    std::unique_ptr<EDITOR> editor = std::make_unique<EDITOR>();
};

}  // namespace

TEST_F(SaveRom, SavingRightAfterLoadingChangesOnlyThePageBytesBehindEachListsEnd)
{
    const RomImageBuilder image = busyImage();
    image.writeTo(path);
    editor->loadRom(path);

    // Tables that are never written: changing them in the editor must not reach the file.
    editor->selectPaletteSet(2);
    for (int s = 0; s < kStageCount; ++s) {
        editor->curPal[s].colour[0][0] ^= 0xFF;
        editor->tileGfx[s][17][3] ^= 0xFF;
    }
    editor->palAnim[5].frames[0][1] ^= 0xFF;
    editor->palAnim[5].delay ^= 0xFF;
    editor->saveRom(path);

    const auto saved = readBytes(path);
    const auto expected = expectedAfterSave(image.bytes());
    ASSERT_EQ(saved.size(), expected.size());
    std::size_t differences = 0;
    for (std::size_t i = 0; i < saved.size() && differences < 10; ++i)
        if (saved[i] != expected[i]) {
            ADD_FAILURE() << "byte 0x" << std::hex << i << " is 0x" << int(saved[i]) << ", expected 0x"
                          << int(expected[i]);
            ++differences;
        }
    EXPECT_NE(saved, image.bytes()) << "the page bytes behind the ends did change";
}

TEST_F(SaveRom, PaletteSetEditsAreWrittenAndNothingElse)
{
    const RomImageBuilder image = busyImage();
    image.writeTo(path);
    editor->loadRom(path);
    editor->palSet[7][3].colour[1][2] ^= 0x3F;
    editor->palSet[7][3].selector[2] ^= 0x80;
    editor->saveRom(path);

    auto expected = expectedAfterSave(image.bytes());
    const std::size_t set = L::stageBase(7) + L::kPaletteSets + 3 * 20;
    expected[set + 1 * 4 + 2] ^= 0x3F;
    expected[set + 16 + 2] ^= 0x80;
    EXPECT_TRUE(readBytes(path) == expected);
}

TEST_F(SaveRom, EditsComeBackAfterSaveAndReloadInTheImagesLayout)
{
    busyImage().writeTo(path);
    editor->loadRom(path);

    editor->mapSet[3][5][2 * 8 + 6] = 0x77;  // column 2, row 6
    editor->pageSet[15][47] = 0x1F;
    editor->chip[0][200] = ChipRecord{{1, 2, 3, 4}, 2, 0x40};
    editor->chipSet[8][99][3] = 0xEE;
    editor->object[12][0] = ObjectRecord{0x2E, 0x80, 0x81, 0x82};
    const auto edited = snapshotOf(*editor);
    editor->saveRom(path);

    const auto saved = readBytes(path);
    EXPECT_EQ(saved[L::stageBase(3) + L::kMapSets + 5 * 64 + 6 * 8 + 2], 0x77) << "row by row in the image";
    EXPECT_EQ(saved[L::stageBase(0) + L::kChipAttributes + 200], 0x42);
    for (int q = 0; q < 4; ++q)
        EXPECT_EQ(saved[L::stageBase(0) + L::kChipTiles + std::size_t(q) * 256 + 200], q + 1);
    EXPECT_EQ(saved[L::stageBase(8) + L::kChipSets + 99 * 4 + 3], 0xEE);
    EXPECT_EQ(saved[L::stageBase(12) + L::kObjectData], 0x82);

    editor->loadRom(path);
    EXPECT_TRUE(snapshotOf(*editor) == edited);
}

TEST_F(SaveRom, AnErasedSlotIsWrittenAsFF)
{
    RomImageBuilder image;
    image.put(L::stageBase(6) + L::kObjectPages, std::vector<std::uint8_t>(64, 0x02));
    image.writeTo(path);
    editor->loadRom(path);

    // What erasing slot 10 from a full list leaves behind.
    std::copy(editor->object[6] + 11, editor->object[6] + 64, editor->object[6] + 10);
    editor->object[6][63] = ObjectRecord{kErasedObjectPage, 0, 0, 0};
    editor->saveRom(path);

    const auto saved = readBytes(path);
    EXPECT_EQ(saved[L::stageBase(6) + L::kObjectPages + 63], 0xFF);
    EXPECT_EQ(saved[L::stageBase(6) + L::kObjectPages + 62], 0x02);
    editor->loadRom(path);
    EXPECT_EQ(editor->object[6][63].page, kEmptyObjectPage);
    EXPECT_TRUE(editor->object[6][62].isUsed());
}

TEST_F(SaveRom, AMissingFileIsCreatedWithTheTablesAndZerosElsewhere)
{
    editor->chip[15][255].style = 0xFC;
    editor->pageSet[15][47] = 0x09;
    editor->object[0][0].page = 0x31;
    editor->palSet[4][0].colour[0][0] = 0x3F;
    const std::string created = folder.file("new.nes");
    editor->saveRom(created);

    const auto saved = readBytes(created);
    ASSERT_EQ(saved.size(), L::kSavedTablesEnd) << "the file ends with stage 15's palette sets";
    EXPECT_EQ(saved[L::stageBase(15) + L::kPageTable + 47], 0x09);
    EXPECT_EQ(saved[L::stageBase(15) + L::kChipAttributes + 255], 0xFC);
    EXPECT_EQ(saved[L::stageBase(0) + L::kObjectPages], 0x31);
    EXPECT_EQ(saved[L::stageBase(4) + L::kPaletteSets], 0x3F);
    EXPECT_EQ(std::count(saved.begin(), saved.end(), 0), std::ptrdiff_t(saved.size() - 4));

    struct stat info {};
    ASSERT_EQ(::stat(created.c_str(), &info), 0);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
}

TEST_F(SaveRom, AShortFileGrowsAndKeepsWhatItHeld)
{
    std::vector<std::uint8_t> head(0x100, 0xAB);
    RomImageBuilder().truncate(0).put(0, head).writeTo(path);
    editor->saveRom(path);

    const auto saved = readBytes(path);
    ASSERT_EQ(saved.size(), L::kSavedTablesEnd);
    EXPECT_TRUE(std::equal(head.begin(), head.end(), saved.begin()));
}

TEST_F(SaveRom, TheReplacementKeepsPermissionBitsAndSymbolicLinks)
{
    busyImage().writeTo(path);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    const std::string link = folder.file("link.nes");
    fs::create_symlink(path, link);
    editor->loadRom(link);
    editor->pageSet[0][0] = 0x13;
    editor->saveRom(link);

    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readBytes(path)[L::stageBase(0) + L::kPageTable], 0x13);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(folderEntries(), (std::vector<std::string>{"image.nes", "link.nes"})) << "no temporary file is left";
}

TEST_F(SaveRom, PlacesThatCannotBeWrittenAreNotFoundAndNothingIsCreated)
{
    const std::string inMissingFolder = folder.file("gone/image.nes");
    expectSaveFails(inMissingFolder, "file '" + inMissingFolder + "' not found");
    EXPECT_FALSE(fs::exists(folder.file("gone")));

    expectSaveFails(folder.path().string(), "file '" + folder.path().string() + "' not found");

    // Even root cannot create a file among these, so the original stays as it is.
    const std::string kernelFile = "/proc/version";
    const auto before = readBytes(kernelFile);
    expectSaveFails(kernelFile, "file '" + kernelFile + "' not found");
    EXPECT_EQ(readBytes(kernelFile), before);
    EXPECT_TRUE(folderEntries().empty());
}

TEST_F(SaveRom, AFileWithoutWritePermissionIsRefusedAndLeftUnchanged)
{
    busyImage().writeTo(path);
    const auto before = readBytes(path);
    editor->pageSet[0][0] = 0x13;
    if (::geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop root from writing";

    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    expectSaveFails(path, "file '" + path + "' not found");
    EXPECT_EQ(readBytes(path), before);

    // Neither the file nor its folder can be written: nothing is left to try.
    ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
    expectSaveFails(path, "file '" + path + "' not found");
    ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(folderEntries(), (std::vector<std::string>{"image.nes"}));
}

TEST_F(SaveRom, AWriteThatFailsPartWayLeavesTheOriginalAndNoTemporaryFile)
{
    busyImage().writeTo(path);
    const auto before = readBytes(path);
    editor->loadRom(path);
    editor->pageSet[0][0] = 0x13;

    // A file size limit makes the write of the new image fail half-way, for root too.
    // The signal it raises is left as it is: it must not end the process.
    rlimit oldLimit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &oldLimit), 0);
    rlimit limit = oldLimit;
    limit.rlim_cur = std::min<rlim_t>(0x10000, oldLimit.rlim_max);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    expectSaveFails(path, "unable to write to stream");
    ::setrlimit(RLIMIT_FSIZE, &oldLimit);

    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(folderEntries(), (std::vector<std::string>{"image.nes"}));
}

namespace {

// Sets or clears the immutable flag of a folder: even root cannot add a file to it,
// while the files in it can still be written. False where that is not allowed.
bool setImmutable(const fs::path& folder, bool immutable)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = immutable ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return done;
}

ino_t inodeOf(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

// Runs body in a child process and expects it to end at once and return true; a
// body that blocks is killed after a few seconds.
void expectEndsAtOnce(const std::function<bool()>& body)
{
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        ::_exit(body() ? 0 : 1);
    for (int tries = 0; tries < 500; ++tries) {
        int status = 0;
        if (::waitpid(child, &status, WNOHANG) == child) {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child said what failed";
            return;
        }
        ::usleep(10000);
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ADD_FAILURE() << "loading or saving blocked";
}

}  // namespace

TEST_F(SaveRom, FilesThatAreNotRegularAreNotFoundAtOnceForLoadAndSave)
{
    const std::string fifo = folder.file("fifo.nes");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const std::string socketPath = folder.file("socket.nes");
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketPath.c_str());
    ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);

    expectEndsAtOnce([&] {
        bool allRefused = true;
        for (const std::string& name : {fifo, socketPath, std::string("/dev/null"), folder.path().string()}) {
            const std::string expected = "file '" + name + "' not found";
            for (const bool save : {false, true}) {
                std::string text;
                try {
                    save ? editor->saveRom(name) : editor->loadRom(name);
                } catch (const StreamError& error) {
                    text = error.what();
                }
                if (text != expected) {
                    std::fprintf(stderr, "%s %s: '%s'\n", save ? "save" : "load", name.c_str(), text.c_str());
                    allRefused = false;
                }
            }
        }
        return allRefused;
    });
    ::close(listener);
    EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST_F(SaveRom, LoadingAndSavingRemoveOnlyTheEditorsOwnLeftoversOfThatImage)
{
    busyImage().writeTo(path);
    // What saves killed between naming their file and the rename leave, and names
    // that only look alike.
    const auto leaveFiles = [&] {
        for (const char* name :
             {".image.nes.quarrix-save-Ab3xYz", ".image.nes.quarrix-save-000000", ".image.nes.backup",
              ".other.nes.quarrix-save-Ab3xYz", ".image.nes.quarrix-save-toolong"})
            std::ofstream(folder.file(name)) << "left";
    };
    const std::vector<std::string> others{".image.nes.backup", ".image.nes.quarrix-save-toolong",
                                          ".other.nes.quarrix-save-Ab3xYz", "image.nes"};
    leaveFiles();
    editor->loadRom(path);
    EXPECT_EQ(folderEntries(), others) << "after loading";
    leaveFiles();
    editor->saveRom(path);
    EXPECT_EQ(folderEntries(), others) << "after saving";
}

TEST_F(SaveRom, HardLinksAndExtendedAttributesAreKeptBySavingInPlace)
{
    busyImage().writeTo(path);
    const std::string otherName = folder.file("other-name.nes");
    fs::create_hard_link(path, otherName);
    const ino_t inode = inodeOf(path);
    editor->loadRom(path);
    editor->pageSet[0][0] = 0x13;
    editor->saveRom(path);

    EXPECT_EQ(inodeOf(path), inode);
    EXPECT_EQ(readBytes(otherName)[L::stageBase(0) + L::kPageTable], 0x13) << "the other name sees the save";

    fs::remove(otherName);
    if (::setxattr(path.c_str(), "user.origin", "archive", 7, 0) != 0)
        GTEST_SKIP() << "the file system keeps no extended attributes";
    editor->pageSet[0][0] = 0x14;
    editor->saveRom(path);
    char value[16] = {};
    EXPECT_EQ(::getxattr(path.c_str(), "user.origin", value, sizeof value), 7);
    EXPECT_STREQ(value, "archive");
    EXPECT_EQ(readBytes(path)[L::stageBase(0) + L::kPageTable], 0x14);
    EXPECT_EQ(folderEntries(), (std::vector<std::string>{"image.nes"}));
}

TEST_F(SaveRom, AFolderThatTakesNoNewFileIsSavedInPlace)
{
    busyImage().writeTo(path);
    editor->loadRom(path);
    editor->chipSet[9][1][2] = 0x5A;
    const bool root = ::geteuid() == 0;
    if (root ? !setImmutable(folder.path(), true) : ::chmod(folder.path().c_str(), 0555) != 0)
        GTEST_SKIP() << "cannot keep new files out of the folder here";
    std::string failure;
    try {
        editor->saveRom(path);
    } catch (const StreamError& error) {
        failure = error.what();
    }
    root ? setImmutable(folder.path(), false) : ::chmod(folder.path().c_str(), 0755) == 0;

    EXPECT_EQ(failure, "");
    EXPECT_EQ(readBytes(path)[L::stageBase(9) + L::kChipSets + 1 * 4 + 2], 0x5A);
    // A new file still cannot be made there.
    const std::string missing = folder.file("new.nes");
    if (root ? setImmutable(folder.path(), true) : ::chmod(folder.path().c_str(), 0555) == 0) {
        expectSaveFails(missing, "file '" + missing + "' not found");
        root ? setImmutable(folder.path(), false) : ::chmod(folder.path().c_str(), 0755) == 0;
    }
    EXPECT_EQ(folderEntries(), (std::vector<std::string>{"image.nes"}));
}
