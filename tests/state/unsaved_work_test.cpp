#include "state/unsaved_work.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "edit/undo_redo.h"
#include "file/file_access.h"
#include "model/editable_tables.h"
#include "model/editor.h"
#include "model/stable_hash.h"
#include "rom/rom_layout.h"
#include "state/state_folder.h"
#include "support/fake_host.h"
#include "support/rom_image_builder.h"
#include "support/temp_folder.h"

namespace {

// An image on disk, loaded into an editor, with the state folder inside a temporary
// folder.
class KeptEdits : public ::testing::Test {
protected:
    KeptEdits() : host(editor)
    {
        ::setenv("XDG_STATE_HOME", folder.file("state").c_str(), 1);
        image.putStage(4, rom_layout::kPageTable, {0x07});
        image.writeTo(imagePath);
        open();
    }
    ~KeptEdits() override { ::unsetenv("XDG_STATE_HOME"); }

    void open()
    {
        editor.loadRom(imagePath);
        editor.history.start(editor);
    }
    void edit(std::uint8_t value)
    {
        editor.pageSet[4][0] = value;
        recordUserAction(editor);
        work.afterAction(editor, UnsavedWork::Clock::now());
    }
    bool recoveryExists() const { return ::access(recoveryFilePath(imagePath).c_str(), F_OK) == 0; }
    std::vector<std::uint8_t> recoveryBytes() const { return readFileBytes(recoveryFilePath(imagePath), 1 << 20); }
    void writeRecovery(const std::vector<std::uint8_t>& bytes) const
    {
        writeFileAtomically(recoveryFilePath(imagePath), bytes);
    }

    TempFolder folder;
    std::string imagePath = folder.file("game.nes");
    RomImageBuilder image;
    EDITOR editor;
    FakeHost host;
    UnsavedWork work{imagePath};
};

}  // namespace

TEST_F(KeptEdits, AreWrittenWhenDueAndRemovedOnceTheTablesEqualTheFileAgain)
{
    const auto before = UnsavedWork::Clock::now();
    edit(0x20);
    ASSERT_TRUE(work.writeDue());
    EXPECT_LE(*work.writeDue() - before, UnsavedWork::kDelay + std::chrono::milliseconds(100));
    const auto firstDue = *work.writeDue();
    edit(0x21);
    EXPECT_EQ(*work.writeDue(), firstDue);  // later edits do not put the write off
    EXPECT_FALSE(recoveryExists());

    EXPECT_FALSE(work.keep(editor));
    EXPECT_TRUE(recoveryExists());
    EXPECT_FALSE(work.writeDue());

    editor.saveRom(imagePath);
    editor.history.markSaved();
    work.afterAction(editor, UnsavedWork::Clock::now());
    EXPECT_FALSE(recoveryExists());

    edit(0x22);
    work.keep(editor);
    undoEdit(editor);  // back to what the file holds
    work.afterAction(editor, UnsavedWork::Clock::now());
    EXPECT_FALSE(recoveryExists());
}

TEST_F(KeptEdits, AreOfferedBackAndRestoredAsOneEdit)
{
    edit(0x30);
    edit(0x31);
    work.keep(editor);
    const std::vector<std::uint8_t> edited = editableTables(editor);

    EDITOR next;  // the next session, on the unchanged image
    next.loadRom(imagePath);
    next.history.start(next);
    RecoveryOffer offer = findRecovery(imagePath, next);
    ASSERT_EQ(offer.kind, RecoveryOffer::Kind::Restorable);
    EXPECT_EQ(offer.text.rfind("Unsaved edits of game.nes from ", 0), 0u) << offer.text;
    EXPECT_NE(offer.text.find(" were kept. Restore them?"), std::string::npos);
    EXPECT_EQ(offer.text.find("changed on disk"), std::string::npos);

    restoreRecovery(next, offer.file);
    EXPECT_EQ(editableTables(next), edited);
    EXPECT_TRUE(next.history.modified());
    next.history.undo(next);
    EXPECT_EQ(next.pageSet[4][0], 0x07);

    image.putStage(4, rom_layout::kPageTable, {0x08});  // changed behind the editor's back
    image.writeTo(imagePath);
    next.loadRom(imagePath);
    offer = findRecovery(imagePath, next);
    EXPECT_NE(offer.text.find("changed on disk"), std::string::npos);

    discardRecovery(imagePath);
    EXPECT_FALSE(recoveryExists());
    EXPECT_EQ(findRecovery(imagePath, next).kind, RecoveryOffer::Kind::None);
    EXPECT_EQ(::access(discardedRecoveryPath(imagePath).c_str(), F_OK), 0);
    edit(0x32);
    work.keep(editor);  // new edits replace the discarded ones
    EXPECT_NE(::access(discardedRecoveryPath(imagePath).c_str(), F_OK), 0);
}

TEST_F(KeptEdits, AFileThatCannotBeUsedIsReportedSetAsideAndChangesNothing)
{
    edit(0x40);
    work.keep(editor);
    const std::vector<std::uint8_t> good = recoveryBytes();
    std::vector<std::uint8_t> otherVersion = good;
    otherVersion[8] = 0x7F;
    std::vector<std::uint8_t> flipped = good;
    flipped[good.size() / 2] ^= 1;

    RecoveryFile other = decodeRecoveryFile(good, imagePath);
    other.imagePath = folder.file("other.nes");
    const std::vector<std::uint8_t> otherImage = encodeRecoveryFile(other);

    const struct {
        std::vector<std::uint8_t> bytes;
        const char* reason;
    } cases[] = {
        {std::vector<std::uint8_t>(good.begin(), good.begin() + 100), "cut short"},
        {std::vector<std::uint8_t>(200, 0x5A), "not a file of kept edits"},
        {otherVersion, "another version"},
        {flipped, "damaged"},
        {otherImage, "another image"},
        {{}, "cut short"},
    };
    EDITOR next;
    next.loadRom(imagePath);
    const std::vector<std::uint8_t> loaded = editableTables(next);
    for (const auto& c : cases) {
        writeRecovery(c.bytes);
        const RecoveryOffer offer = findRecovery(imagePath, next);
        EXPECT_EQ(offer.kind, RecoveryOffer::Kind::Unusable) << c.reason;
        EXPECT_NE(offer.text.find(c.reason), std::string::npos) << offer.text;
        EXPECT_NE(offer.text.find(damagedRecoveryPath(imagePath)), std::string::npos) << offer.text;
        EXPECT_FALSE(recoveryExists());
        EXPECT_EQ(readFileBytes(damagedRecoveryPath(imagePath), 1 << 20), c.bytes);
    }
    EXPECT_EQ(editableTables(next), loaded);
}

TEST_F(KeptEdits, AStateFolderThatCannotBeWrittenIsToldOnceAndEditingGoesOn)
{
    std::ofstream(folder.file("state"), std::ios::binary) << "a file where the folder should be";
    edit(0x50);
    const auto problem = work.keep(editor);
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find("cannot be kept"), std::string::npos) << *problem;
    edit(0x51);
    EXPECT_FALSE(work.keep(editor));
    EXPECT_EQ(editor.pageSet[4][0], 0x51);
}

TEST_F(KeptEdits, AFileWrittenBeforeThePaletteSetsCouldBeEditedStillRestores)
{
    edit(0x40);
    work.keep(editor);  // makes the folder
    EDITOR next;
    next.loadRom(imagePath);
    // Laid out as that version wrote it: version 1, and tables that end where the
    // palette sets begin.
    std::vector<std::uint8_t> tables = editableTables(next);
    tables.resize(editableTablesSize(5));
    const std::uint64_t base = stableHash(tables);
    tables[4 * kPageCount] = 0x11;  // page 0 of stage 4
    std::vector<std::uint8_t> bytes = {'Q', 'R', 'X', 'E', 'D', 'I', 'T', 'S'};
    const auto put = [&](std::uint64_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes.push_back(std::uint8_t(value >> (8 * i)));
    };
    const std::string path = canonicalImagePath(imagePath);
    put(1, 4);
    put(1765161600000, 8);
    put(base, 8);
    put(path.size(), 4);
    bytes.insert(bytes.end(), path.begin(), path.end());
    put(tables.size(), 4);
    bytes.insert(bytes.end(), tables.begin(), tables.end());
    put(stableHash(bytes), 8);
    writeRecovery(bytes);

    next.palSet[4][1].colour[2][3] = 0x2A;
    const RecoveryOffer offer = findRecovery(imagePath, next);
    ASSERT_EQ(offer.kind, RecoveryOffer::Kind::Restorable) << offer.text;
    EXPECT_EQ(offer.text.find("changed on disk"), std::string::npos);
    restoreRecovery(next, offer.file);
    EXPECT_EQ(next.pageSet[4][0], 0x11);
    EXPECT_EQ(next.palSet[4][1].colour[2][3], 0x2A);  // the file holds no palette sets
}

TEST_F(KeptEdits, AFileWrittenBeforeTheTilesCouldBeDrawnRestoresTheRestAndLeavesTheTiles)
{
    edit(0x40);
    work.keep(editor);  // makes the folder
    EDITOR next;
    next.loadRom(imagePath);
    RecoveryFile file;
    file.imagePath = canonicalImagePath(imagePath);
    file.tables = editableTables(next);
    file.tables.resize(editableTablesSize(editableTableList().size() - 1));
    file.baseTablesHash = stableHash(file.tables);
    file.tables[4 * kPageCount] = 0x12;  // page 0 of stage 4
    const std::vector<std::uint8_t> bytes = encodeRecoveryFile(file);
    ASSERT_EQ(bytes[8], 2);  // as version 2 wrote it
    writeRecovery(bytes);

    next.tileGfx[6][7][8] ^= 0x5A;
    const std::uint8_t tileByte = next.tileGfx[6][7][8];
    const RecoveryOffer offer = findRecovery(imagePath, next);
    ASSERT_EQ(offer.kind, RecoveryOffer::Kind::Restorable) << offer.text;
    restoreRecovery(next, offer.file);
    EXPECT_EQ(next.pageSet[4][0], 0x12);
    EXPECT_EQ(next.tileGfx[6][7][8], tileByte);
}

TEST_F(KeptEdits, KeepTheNamesOfTheStepsAndAFileWithoutNamesStillRestores)
{
    edit(0x30);
    edit(0x31);
    work.keep(editor);
    EDITOR next;
    next.loadRom(imagePath);
    next.history.start(next);
    const RecoveryOffer offer = findRecovery(imagePath, next);
    ASSERT_EQ(offer.kind, RecoveryOffer::Kind::Restorable) << offer.text;
    EXPECT_EQ(offer.file.stepNames,
              (std::vector<std::string>{"Stage 4 · page 00: map set 07 -> 30", "Stage 4 · page 00: map set 30 -> 31"}));
    restoreRecovery(next, offer.file);
    EXPECT_EQ(next.history.stepName(0),
              "Restored kept edits · Stage 4 · page 00: map set 30 -> 31 (and 1 step before it)");

    // As the version before the names wrote it: no count of names.
    std::vector<std::uint8_t> bytes = recoveryBytes();
    bytes.resize(bytes.size() - 8);  // the hash
    const std::size_t namesAt = bytes.size() - 2 * (4 + offer.file.stepNames[0].size()) - 4;
    bytes.resize(namesAt);
    bytes[8] = 3;
    const std::uint64_t hash = stableHash(bytes);
    for (int i = 0; i < 8; ++i)
        bytes.push_back(std::uint8_t(hash >> (8 * i)));
    writeRecovery(bytes);
    const RecoveryOffer older = findRecovery(imagePath, next);
    ASSERT_EQ(older.kind, RecoveryOffer::Kind::Restorable) << older.text;
    EXPECT_TRUE(older.file.stepNames.empty());
    EXPECT_EQ(older.file.tables, offer.file.tables);
}
