// Runs a fuzz target without libFuzzer, in the ordinary build and its tests: over the
// seeds the target makes and over every file in the folders or files named on the
// command line (the corpus kept in the repository, the inputs of crashes found).

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz/fuzz_target.h"

namespace {

int runOne(const std::vector<std::uint8_t>& bytes)
{
    // A copy of exactly the input's size, so that a read past its end shows under
    // AddressSanitizer as it would under libFuzzer.
    auto* copy = new std::uint8_t[bytes.size()];
    std::copy(bytes.begin(), bytes.end(), copy);
    const int result = LLVMFuzzerTestOneInput(copy, bytes.size());
    delete[] copy;
    return result;
}

std::vector<std::uint8_t> readInput(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char* argv[])
{
    int inputs = 0;
    for (const FuzzSeed& seed : fuzzSeeds()) {
        runOne(seed.bytes);
        ++inputs;
    }
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path named = argv[i];
        std::vector<std::filesystem::path> files;
        // A target may have no kept inputs yet, and git keeps no empty folder.
        if (!std::filesystem::exists(named))
            continue;
        if (std::filesystem::is_directory(named)) {
            for (const auto& entry : std::filesystem::directory_iterator(named))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
        } else {
            files.push_back(named);
        }
        for (const auto& file : files) {
            runOne(readInput(file));
            ++inputs;
        }
    }
    std::printf("%d inputs run\n", inputs);
    return 0;
}
