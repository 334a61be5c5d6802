#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

// The unsaved edits of one image, kept in the state folder so that they outlive the
// program: the tables as edited, and enough to tell whether they still fit the image.
struct RecoveryFile {
    std::string imagePath;             // the image's full path, links resolved
    std::int64_t writtenAtMs = 0;      // milliseconds since 1970, UTC
    std::uint64_t baseTablesHash = 0;  // stableHash of the tables the image held when the edits began
    // The edited tables (editableTables); those of an earlier version hold fewer.
    std::vector<std::uint8_t> tables;
    // The names of the undo steps that made the edits, oldest first; none in files of
    // earlier versions.
    std::vector<std::string> stepNames;
};

// Why a recovery file cannot be used. The text says it in the user's words.
class RecoveryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where the recovery file of an image lives, and where it is set aside when the user
// discards it or it cannot be used.
std::string recoveryFilePath(const std::string& imagePath);
std::string discardedRecoveryPath(const std::string& imagePath);
std::string damagedRecoveryPath(const std::string& imagePath);

std::vector<std::uint8_t> encodeRecoveryFile(const RecoveryFile& file);
// Throws RecoveryError when the bytes are not a whole recovery file of this version,
// or belong to another image than imagePath.
RecoveryFile decodeRecoveryFile(std::span<const std::uint8_t> bytes, const std::string& imagePath);

// Writes the image's recovery file atomically, making the folders it needs, and drops
// the copy that an earlier Discard set aside: these edits replace it. Throws
// std::runtime_error with the reason when it cannot.
void writeRecoveryFile(const RecoveryFile& file);
// Removes the image's recovery file; a missing one is no error.
void removeRecoveryFile(const std::string& imagePath);
// Moves the recovery file to `aside`, replacing what is there. False when it cannot.
bool setRecoveryFileAside(const std::string& imagePath, const std::string& aside);
