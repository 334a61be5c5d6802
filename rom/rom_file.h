#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// File access beneath loading and saving. The image is read whole in one pass and
// written back by replacing the file atomically, so a failure never leaves a
// half-written image behind.

// Reads at most maxBytes of the regular file `path`. Throws "file '...' not found"
// when it cannot be opened or is not a regular file (a folder, a device), and "not
// enough data in stream" when reading fails part-way.
std::vector<std::uint8_t> readFileBytes(const std::string& path, std::size_t maxBytes);

// A file about to be rewritten: where it really lives, what it holds now and the
// attributes the replacement must keep.
struct FileForUpdate {
    std::string path;  // symbolic links resolved, so that the link stays a link
    bool existed = false;
    std::vector<std::uint8_t> bytes;  // empty when the file did not exist
    mode_t mode = 0;                  // permission bits for the replacement
    uid_t owner = 0;
    gid_t group = 0;
};

// Opens `name` for reading and writing and reads it whole. A missing file is not an
// error (existed is false). Throws "file '<name>' not found" when the file cannot be
// opened for writing (no permission, a folder) and "unable to write to stream" when
// reading it fails.
FileForUpdate readFileForUpdate(const std::string& name);

// Time spent in the two steps of a replacement that wait for the disk: flushing the
// new file and its folder, and the rename, which releases the replaced file's blocks
// (on a disk mounted with online discard, the rename waits for them to be discarded).
struct SyncTiming {
    std::chrono::nanoseconds flush{0};
    std::chrono::nanoseconds rename{0};
};

// Replaces file.path by `bytes`: writes a temporary file in the same folder, flushes
// it to disk, gives it the original's permission bits (and owner, where allowed) and
// renames it over the original. On failure the original is untouched and the
// temporary file is removed. Throws "file '<name>' not found" when no file can be
// created in the folder and "unable to write to stream" when writing, flushing or
// renaming fails. `name` is the name the caller knows the file by, for the message.
void replaceFile(const FileForUpdate& file, std::span<const std::uint8_t> bytes,
                 const std::string& name, SyncTiming* timing = nullptr);

// Writes `bytes` as the whole of `path`, a new file or a replacement, private to the
// user: readers see the old file or the new one, never part of either. Throws as
// replaceFile does.
void writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);
