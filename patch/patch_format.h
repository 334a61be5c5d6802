#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The two patch formats the editor makes and applies, chosen by the patch file's
// name when making one and by its first bytes when applying one.
enum class PatchFormat { Bps, Ips };

// "BPS" or "IPS".
const char* patchFormatName(PatchFormat format);

// The format a patch file named `path` is made in: .bps or .ips, in any case. Throws
// PatchError for any other name.
PatchFormat patchFormatForName(const std::string& path);

// The patch, in `format`, that turns source into target.
std::vector<std::uint8_t> makePatch(PatchFormat format, std::span<const std::uint8_t> source,
                                    std::span<const std::uint8_t> target);

// The format a patch's bytes are in; throws PatchError when they are neither.
PatchFormat patchFormatOf(std::span<const std::uint8_t> patch);

// What patch makes of source, in whichever format it is. Throws PatchError saying why
// it cannot be applied.
std::vector<std::uint8_t> applyPatch(std::span<const std::uint8_t> source, std::span<const std::uint8_t> patch);

// How many bytes differ between the two, the bytes one has beyond the other's end
// counted as different.
std::size_t changedByteCount(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b);
