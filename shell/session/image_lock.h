#pragma once

// One editor per image: while an editor has an image open it holds a lock file for it
// in the state folder (stateFolder()/locks). A second editor that opens the same image
// asks first. A lock whose process has died counts as free.

#include <optional>
#include <string>

#include <QDateTime>

// Who holds the lock of an image.
struct ImageLockHolder {
    qint64 process = 0;
    QDateTime since;
};

// Takes the lock of imagePath for this run, releasing the one held for an image
// before. Returns the holder when another running editor has it; nothing when the
// lock is this run's now, or cannot be taken at all (no state folder), in which case
// the image opens as it would without locks.
std::optional<ImageLockHolder> lockImage(const std::string& imagePath);

// The question for an image that another editor holds.
std::string alreadyOpenQuestion(const std::string& imagePath, const ImageLockHolder& holder);

// Releases the lock held by this run, if any.
void unlockImage();
