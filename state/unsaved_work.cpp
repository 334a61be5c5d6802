#include "state/unsaved_work.h"

#include <algorithm>
#include <ctime>
#include <span>
#include <utility>

#include "changes/step_name.h"
#include "file/file_access.h"
#include "file/file_name.h"
#include "jcode/readable_name.h"
#include "model/editable_tables.h"
#include "model/editor.h"
#include "model/stable_hash.h"
#include "state/state_folder.h"
#include "text/translation.h"

namespace {

// A recovery file is the tables and a path: anything much larger is not one.
constexpr std::size_t kRecoveryReadLimit = std::size_t(1) << 20;

std::int64_t nowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// The image's file name as the user reads it, also when its bytes are not UTF-8.
std::string readableFileName(const std::string& path)
{
    return readableName(fileNameOf(path));
}

std::string localDateTime(std::int64_t ms)
{
    const std::time_t seconds = std::time_t(ms / 1000);
    std::tm local{};
    char text[32];
    if (!::localtime_r(&seconds, &local))
        return translated("unsaved_work", "an unknown time");
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

}  // namespace

UnsavedWork::UnsavedWork(std::string imagePath) : imagePath_(std::move(imagePath))
{}

void UnsavedWork::afterAction(const EDITOR& editor, Clock::time_point now)
{
    if (editor.history.modified()) {
        if (!due_)
            due_ = now + kDelay;
    } else if (due_ || written_) {
        due_.reset();
        keep(editor);
    }
}

std::optional<std::string> UnsavedWork::keep(const EDITOR& editor)
{
    due_.reset();
    if (!editor.history.modified()) {
        // Also the file of an earlier session, whose edits were restored.
        removeRecoveryFile(imagePath_);
        written_ = false;
        return std::nullopt;
    }
    RecoveryFile file;
    file.imagePath = canonicalImagePath(imagePath_);
    file.writtenAtMs = nowMs();
    file.baseTablesHash = stableHash(editor.history.savedTables());
    file.tables = editableTables(editor);
    file.stepNames = editor.history.unsavedStepNames();
    try {
        writeRecoveryFile(file);
        written_ = true;
    } catch (const std::exception& error) {
        if (std::exchange(failureTold_, true))
            return std::nullopt;
        return fillIn(translated("unsaved_work",
                                 "The unsaved edits of %1 cannot be kept for a crash or a later session "
                                 "(%2). Editing and saving go on as usual."),
                      {readableFileName(imagePath_), error.what()});
    }
    return std::nullopt;
}

RecoveryOffer findRecovery(const std::string& imagePath, const EDITOR& editor)
{
    RecoveryOffer offer;
    std::vector<std::uint8_t> bytes;
    try {
        bytes = readFileBytes(recoveryFilePath(imagePath), kRecoveryReadLimit);
    } catch (const std::exception&) {
        return offer;  // none kept, or none that can be read: nothing to offer
    }
    const std::string name = readableFileName(imagePath);
    try {
        offer.file = decodeRecoveryFile(bytes, imagePath);
    } catch (const RecoveryError& error) {
        offer.kind = RecoveryOffer::Kind::Unusable;
        const std::string aside = damagedRecoveryPath(imagePath);
        offer.text = setRecoveryFileAside(imagePath, aside)
            ? fillIn(translated("unsaved_work",
                                "Unsaved edits of %1 were kept, but they cannot be used: %2. The "
                                "file was set aside as %3."),
                     {name, error.what(), readableName(aside)})
            : fillIn(translated("unsaved_work",
                                "Unsaved edits of %1 were kept, but they cannot be used: %2. The "
                                "file %3 was left where it is."),
                     {name, error.what(), readableName(recoveryFilePath(imagePath))});
        return offer;
    }
    offer.kind = RecoveryOffer::Kind::Restorable;
    offer.text = fillIn(translated("unsaved_work", "Unsaved edits of %1 from %2 were kept. Restore them?"),
                        {name, localDateTime(offer.file.writtenAtMs)});
    // Compared as far as the file holds tables: one of an earlier version holds fewer.
    const std::vector<std::uint8_t> tables = editableTables(editor);
    if (offer.file.baseTablesHash !=
        stableHash(std::span<const std::uint8_t>(tables).first(std::min(tables.size(), offer.file.tables.size()))))
        offer.text += "\n\n" +
            translated("unsaved_work",
                       "The image's tables have changed on disk since these edits "
                       "were made: restoring them replaces those changes too.");
    return offer;
}

void restoreRecovery(EDITOR& editor, const RecoveryFile& file)
{
    editor.history.record(editor, false);
    restoreEditableTables(editor, file.tables);
    const std::size_t steps = editor.history.undoSteps();
    editor.history.record(editor, false);
    if (editor.history.undoSteps() > steps)
        editor.history.nameNewestStep(
            restoredStepName(file.stepNames, editor.history.stepName(editor.history.undoSteps() - 1)));
}

void discardRecovery(const std::string& imagePath)
{
    setRecoveryFileAside(imagePath, discardedRecoveryPath(imagePath));
}
