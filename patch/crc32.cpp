#include "patch/crc32.h"

#include <zlib.h>

#include <algorithm>
#include <climits>

std::uint32_t crc32Of(std::span<const std::uint8_t> bytes)
{
    // zlib takes the length as an unsigned int: longer spans go in parts.
    uLong crc = ::crc32(0L, Z_NULL, 0);
    while (!bytes.empty()) {
        const std::size_t part = std::min<std::size_t>(bytes.size(), UINT_MAX);
        crc = ::crc32(crc, bytes.data(), uInt(part));
        bytes = bytes.subspan(part);
    }
    return std::uint32_t(crc);
}
