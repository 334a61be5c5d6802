#pragma once

// Shared by the convertEncoding targets, one per source encoding: what every
// conversion must keep to, and seeds in each encoding made by the converter itself.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_target.h"

// Converts the input from fromName into every encoding and checks the bounds of each
// step and that the text ends at its first zero byte.
void fuzzConversionsFrom(std::string_view fromName, const std::uint8_t* data, std::size_t size);

// Paths and names in the encoding fromName ("auto": in each of them).
std::vector<FuzzSeed> encodingSeeds(std::string_view fromName);
