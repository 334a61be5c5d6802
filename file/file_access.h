#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The file layer beneath everything the editor reads and writes: images, patches,
// the files of the state folder. A file is read whole in one pass and written back by
// replacing it atomically, so a failure never leaves a half-written file behind. Where a replacement would lose something the file has
// (its other hard links, its extended attributes) or the folder takes no new files,
// the file is rewritten in place instead.
//
// Only regular files are opened: a FIFO, socket, device or folder is refused at once,
// without waiting for a writer or reader at the other end.

// Reads the regular file `path`, whole or its first maxBytes. Throws "file '...' not
// found" when it cannot be opened or is not a regular file, and "not enough data in
// stream" when reading fails part-way.
std::vector<std::uint8_t> readFileBytes(const std::string& path, std::size_t maxBytes = SIZE_MAX - 1);

// Whether the regular file `path` holds exactly `bytes`; false when it differs, cannot
// be read or is not a regular file.
bool fileHolds(const std::string& path, std::span<const std::uint8_t> bytes);

// A file about to be rewritten: where it really lives, what it holds now and the
// attributes the replacement must keep.
struct FileForUpdate {
    std::string path;  // symbolic links resolved, so that the link stays a link
    bool existed = false;
    std::vector<std::uint8_t> bytes;  // empty when the file did not exist
    std::size_t size = 0;             // what the file held when it was read, in bytes
    mode_t mode = 0;                  // permission bits for the replacement
    uid_t owner = 0;
    gid_t group = 0;
    dev_t device = 0;  // which file was read, so an in-place write can tell it is the same one
    ino_t inode = 0;
    // A replacement would break the file's other hard links or drop its extended
    // attributes (access lists among them), so it must be rewritten where it is.
    bool mustStayInPlace = false;
};

// Opens `name` for reading and writing and reads it whole. A missing file is not an
// error (existed is false). Throws "file '<name>' not found" when the file cannot be
// opened for writing (no permission, not a regular file) and "unable to write to
// stream" when reading it fails.
FileForUpdate readFileForUpdate(const std::string& name);

// Time spent in the two steps of a replacement that wait for the disk: flushing the
// new file and its folder, and the rename, which releases the replaced file's blocks
// (on a disk mounted with online discard, the rename waits for them to be discarded).
struct SyncTiming {
    std::chrono::nanoseconds flush{0};
    std::chrono::nanoseconds rename{0};
};

// Replaces file.path by `bytes`: writes an unnamed temporary file in the same folder
// (a hidden, named one where the file system has no unnamed files), flushes it, gives
// it the original's permission bits (and owner, where allowed), names it only just
// before renaming it over the original, and then removes what earlier saves that were
// killed half-way left of their temporary files. On failure the original is untouched
// and nothing is left behind. Throws "file '<name>' not found" when no file can be
// created in the folder and "unable to write to stream" when writing, flushing or
// renaming fails. `name` is the name the caller knows the file by, for the message.
void replaceFile(const FileForUpdate& file, std::span<const std::uint8_t> bytes, const std::string& name,
                 SyncTiming* timing = nullptr);

// Part of a file's bytes, from `first` up to `end`.
struct ByteRange {
    std::size_t first = 0;
    std::size_t end = 0;
    bool empty() const { return first >= end; }
};

// Writes the bytes of `changed`, the part of `bytes` that differs from what the file
// holds, into the file itself and flushes it; a file longer than `bytes` is cut
// short. `previous` is what the file held in `changed` (as far as it reached): when a
// write or flush fails part-way, those bytes are written back and the file gets its
// old length again, so that it holds the old image unless the disk refuses that too.
// Callers keep a copy of the file first for that case. Throws "file '<name>' not
// found" when the file cannot be opened for writing (or another file has taken its
// place since it was read, or it has changed size since) and "unable to write to
// stream" when writing or flushing fails.
void writeFileInPlace(const FileForUpdate& file, std::span<const std::uint8_t> bytes, ByteRange changed,
                      const std::string& name, std::span<const std::uint8_t> previous);

enum class UpdateMethod { Replaced, InPlace };

// Rewrites file with `bytes`, which differ from what it holds in `changed` only:
// replaced atomically where that keeps everything the file has, else (other hard
// links, extended attributes, a folder that takes no new file) in place, with
// `previous` as there. Throws as the two methods do.
UpdateMethod updateFile(const FileForUpdate& file, std::span<const std::uint8_t> bytes, ByteRange changed,
                        const std::string& name, std::span<const std::uint8_t> previous, SyncTiming* timing = nullptr);

// Writes `bytes` as the whole of `path`, a new file or a replacement, private to the
// user: readers see the old file or the new one, never part of either. Throws as
// replaceFile does.
void writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

// Writes `bytes` as the whole of `path` for the user to pass on: a new file with the
// permission bits the umask leaves, or a replacement that keeps those of the file it
// replaces. Readers see the old file or the new one, never part of either. Throws
// "file '<path>' not found" when path names something other than a regular file or
// its folder takes no new file, and "unable to write to stream" when writing fails.
void writeOutputFile(const std::string& path, std::span<const std::uint8_t> bytes);

// Whether the two names lead to one and the same existing file (through links, or
// spelled differently).
bool isSameFile(const std::string& a, const std::string& b);

// Removes what saves of the file at `path` that were killed half-way left of their
// temporary files (".<name>.quarrix-save-" and six letters or digits, in the folder
// the file really lives in), and nothing else. Called when the image is loaded, so
// that they do not wait for the next save.
void removeSaveLeftovers(const std::string& path);
