#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// A 64-bit hash (FNV-1a) that stays the same across runs and builds, which std::hash
// does not promise: for names and checks kept in files.
std::uint64_t stableHash(std::span<const std::uint8_t> bytes);

inline std::uint64_t stableHash(std::string_view text)
{
    return stableHash({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}
