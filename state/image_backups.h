#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Copies of an image as it was before each save, in
// stateFolder()/backups/<imageStateKey(image)>/<YYYYmmdd-HHMMSS-mmm>.nes (UTC, so that
// the names sort by time whatever the clocks do in between). Only the newest few are
// kept.

inline constexpr std::size_t kBackupsKept = 10;

// The folder that holds the copies of imagePath.
std::string imageBackupFolder(const std::string& imagePath);

// Keeps `bytes` as the newest copy of imagePath and removes all but the newest
// kBackupsKept. Returns the copy's path. Throws std::runtime_error saying what could
// not be kept, and why, when the copy cannot be written.
std::string keepImageBackup(const std::string& imagePath, std::span<const std::uint8_t> bytes);

// The copies of imagePath, oldest first, as full paths.
std::vector<std::string> imageBackups(const std::string& imagePath);
