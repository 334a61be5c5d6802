#pragma once

// What each target in this folder provides: libFuzzer's entry point, and the inputs
// its corpus starts from, made by the program itself (the demo image, files it
// writes, texts its own converter produces), never taken from outside.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct FuzzSeed {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

std::vector<FuzzSeed> fuzzSeeds();

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// Ends the run with a report when a property of the code under test does not hold;
// libFuzzer keeps the input that did it.
void fuzzRequire(bool condition, const char* what);

// A target for the patch formats' seeds: source with one byte changed, a run of one
// byte and 88 bytes more (source must be 512 bytes).
std::vector<std::uint8_t> patchSeedTarget(const std::vector<std::uint8_t>& source);
