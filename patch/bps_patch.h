#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// BPS patches ("BPS1"): the steps that build the target file from the source file,
// with the CRC-32 of the source, the target and the patch itself, so that a patch is
// only ever applied to the file it was made for and its result is checked.

// The largest file a patch may make. A few bytes of patch can ask for any size; no
// cartridge image comes near this.
inline constexpr std::size_t kLargestPatchTarget = std::size_t(64) << 20;

// A patch that turns source into target. Unchanged runs are read from the source,
// changed bytes are carried in the patch, and long runs of one changed byte are
// copied from the byte before. metadata is stored as given (usually empty).
std::vector<std::uint8_t> makeBpsPatch(std::span<const std::uint8_t> source, std::span<const std::uint8_t> target,
                                       std::string_view metadata = {});

// The target that patch makes from source. Throws PatchError, saying why, when the
// patch is not BPS, is cut short or malformed, fails its own CRC-32, was made for
// another source (naming both CRC-32s), or makes a target whose CRC-32 is wrong.
// Reads nothing outside the spans.
std::vector<std::uint8_t> applyBpsPatch(std::span<const std::uint8_t> source, std::span<const std::uint8_t> patch);

// Whether bytes start like a BPS patch.
bool looksLikeBpsPatch(std::span<const std::uint8_t> bytes);
