#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// IPS patches ("PATCH" ... "EOF"): records of bytes to write at 24-bit offsets, with a
// run-length form for runs of one byte. They carry no checksum, so nothing tells a
// wrong source from the right one; every tool and emulator reads them.

// Records start below 16 MiB; a file that needs a change beyond that cannot be an IPS patch.
inline constexpr std::size_t kLargestIpsTarget = std::size_t(1) << 24;

// A patch that turns source into target: one record per run of changed bytes (runs a
// few unchanged bytes apart share one where that is shorter), long runs of one byte
// as run-length records. A target shorter than source ends in the common 3-byte
// truncation size after "EOF". No record starts at 0x454F46, whose offset bytes would
// read as "EOF". Throws PatchError when target is longer than kLargestIpsTarget.
std::vector<std::uint8_t> makeIpsPatch(std::span<const std::uint8_t> source, std::span<const std::uint8_t> target);

// One record of a patch: length bytes at offset, either copied from bytes (a span of
// the patch itself) or, for a run record, length times value.
struct IpsRecord {
    std::size_t offset = 0;
    std::size_t length = 0;
    std::span<const std::uint8_t> bytes;  // empty for a run record
    std::uint8_t value = 0;
};

// What a patch says, read and checked but not yet applied.
struct IpsEdits {
    std::vector<IpsRecord> records;
    bool truncates = false;  // the patch ends in a truncation size
    std::size_t truncatedSize = 0;

    // The size of the target these edits make from a source of sourceSize bytes.
    std::size_t targetSize(std::size_t sourceSize) const;
};

// The records of patch, which they refer to. Throws PatchError, saying why, when the
// patch is not IPS, is cut short (no "EOF") or malformed. Allocates nothing in
// proportion to the target, so a damaged patch is refused before any of it is made.
IpsEdits readIpsPatch(std::span<const std::uint8_t> patch);

// The target that patch makes from source, allocated once at its final size. Throws
// as readIpsPatch does. Reads nothing outside the spans.
std::vector<std::uint8_t> applyIpsPatch(std::span<const std::uint8_t> source, std::span<const std::uint8_t> patch);

// Whether bytes start like an IPS patch.
bool looksLikeIpsPatch(std::span<const std::uint8_t> bytes);
