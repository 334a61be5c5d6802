#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The original (unmodified) image that the patches of an image are made against,
// remembered by its path and CRC-32 in stateFolder()/originals/<imageStateKey(image)>,
// so that Ctrl+E asks for it only once per image.

struct RememberedOriginal {
    enum class Status {
        None,      // none remembered for this image
        Found,     // the file is there and still has the CRC-32 it had
        Changed,   // the file is there but holds something else now
        Vanished,  // the file cannot be read any more
    };
    Status status = Status::None;
    std::string path;
    std::uint32_t crc32 = 0;
    std::vector<std::uint8_t> bytes;  // the original's bytes, when Found
};

// Looks up and reads the original remembered for imagePath.
RememberedOriginal findRememberedOriginal(const std::string& imagePath);

// Remembers originalPath (links resolved), whose bytes have the CRC-32 crc32, as the
// original of imagePath. Throws std::runtime_error saying why when it cannot.
void rememberOriginal(const std::string& imagePath, const std::string& originalPath, std::uint32_t crc32);
