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

// The target that patch makes from source. Throws PatchError, saying why, when the
// patch is not IPS, is cut short (no "EOF") or malformed. Reads nothing outside the
// spans.
std::vector<std::uint8_t> applyIpsPatch(std::span<const std::uint8_t> source, std::span<const std::uint8_t> patch);

// Whether bytes start like an IPS patch.
bool looksLikeIpsPatch(std::span<const std::uint8_t> bytes);
