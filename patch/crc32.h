#pragma once

#include <cstdint>
#include <span>

// The CRC-32 that patches, emulators and ROM lists use to name a file's bytes (the one
// of zlib, gzip and PNG).
std::uint32_t crc32Of(std::span<const std::uint8_t> bytes);
