#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "state/recovery_file.h"

class EDITOR;

// Keeps the unsaved edits of the open image in its recovery file while the tables
// differ from what the file holds: written at most kDelay after the first change that
// is not kept yet, and removed once the tables equal the file again (after a Save,
// after undoing back, after a Reload). The application calls afterAction after every
// user action and keep when writeDue has come; nothing here runs per frame.
class UnsavedWork {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kDelay{2000};

    explicit UnsavedWork(std::string imagePath);

    const std::string& imagePath() const { return imagePath_; }

    // Notes the editor's state after a user action.
    void afterAction(const EDITOR& editor, Clock::time_point now);
    // When the recovery file should next be written, if it should.
    std::optional<Clock::time_point> writeDue() const { return due_; }

    // Writes the recovery file now if the tables are unsaved, or removes it if they are
    // not. Returns the text to show the user the first time keeping fails; later
    // failures are silent, since one word is enough and editing must go on.
    std::optional<std::string> keep(const EDITOR& editor);

private:
    std::string imagePath_;
    std::optional<Clock::time_point> due_;
    bool written_ = false;
    bool failureTold_ = false;
};

// What the open image's recovery file offers, read right after the image is loaded.
struct RecoveryOffer {
    enum class Kind { None, Restorable, Unusable };
    Kind kind = Kind::None;
    std::string text;   // the question, or what was wrong
    RecoveryFile file;  // for Restorable
};

// Looks for the recovery file of the image the editor has just loaded. A file that
// cannot be used is set aside at once (damagedRecoveryPath) and described in text;
// nothing of it reaches the tables.
RecoveryOffer findRecovery(const std::string& imagePath, const EDITOR& editor);

// Puts the kept tables into the editor as one edit, which Ctrl+Z takes back.
void restoreRecovery(EDITOR& editor, const RecoveryFile& file);
// Sets the recovery file aside (discardedRecoveryPath) until new edits replace it.
void discardRecovery(const std::string& imagePath);
