#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "fuzz/fuzz_target.h"

void fuzzRequire(bool condition, const char* what)
{
    if (condition)
        return;
    std::fprintf(stderr, "fuzz property failed: %s\n", what);
    std::abort();
}

// With QUARRIX_FUZZ_SEEDS naming a folder, a target writes its seeds there and ends
// before fuzzing: that is how the build makes each corpus.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const char* folder = std::getenv("QUARRIX_FUZZ_SEEDS");
    if (!folder || !*folder)
        return 0;
    for (const FuzzSeed& seed : fuzzSeeds()) {
        std::ofstream out(std::string(folder) + "/" + seed.name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(seed.bytes.data()), std::streamsize(seed.bytes.size()));
        if (!out.flush()) {
            std::fprintf(stderr, "cannot write the seed %s into %s\n", seed.name.c_str(), folder);
            std::exit(1);
        }
    }
    std::exit(0);
}

std::vector<std::uint8_t> patchSeedTarget(const std::vector<std::uint8_t>& source)
{
    std::vector<std::uint8_t> target(600, 0x11);
    std::copy_n(source.begin(), std::min<std::size_t>(source.size(), target.size()), target.begin());
    target.at(3) ^= 0x0F;
    for (std::size_t i = 100; i < 140; ++i)
        target.at(i) = 0x42;
    return target;
}
