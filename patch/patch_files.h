#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "patch/patch_format.h"

// Patches made from files and applied to them. The output is written atomically (it
// is there whole or not at all) and never over one of the inputs; nothing is written
// when anything fails.

struct PatchWritten {
    PatchFormat format = PatchFormat::Bps;
    std::size_t patchSize = 0;     // bytes of the patch file
    std::size_t changedBytes = 0;  // bytes the patch changes
};

// Writes the patch that turns original into modified to `out`, in the format its name
// ends in (.bps or .ips). Throws PatchError when the name says no format or the format
// cannot hold the change, and the file layer's errors when out cannot be written.
PatchWritten writePatchFile(std::span<const std::uint8_t> original, std::span<const std::uint8_t> modified,
                            const std::string& out);

// The same from the two files. Refuses an out that is one of them.
PatchWritten makePatchFile(const std::string& modifiedPath, const std::string& originalPath, const std::string& out);

struct PatchApplied {
    PatchFormat format = PatchFormat::Bps;
    std::size_t size = 0;     // bytes of the patched image
    std::uint32_t crc32 = 0;  // its CRC-32
};

// Applies the patch file to the original and writes the result to `out`, which may be
// neither of them. Throws PatchError with the reason the patch cannot be applied, and
// the file layer's errors when a file cannot be read or written.
PatchApplied applyPatchFile(const std::string& originalPath, const std::string& patchPath, const std::string& out);
