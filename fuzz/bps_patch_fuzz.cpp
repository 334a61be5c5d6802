// The BPS reader on any bytes, applied to a small source: it makes a target whose size
// it could know, or refuses with a reason. Each input is also tried with its own
// CRC-32 made right, so that the fuzzer reaches the actions behind the check.

#include <vector>

#include "fuzz/fuzz_target.h"
#include "patch/bps_patch.h"
#include "patch/crc32.h"
#include "patch/patch_error.h"

namespace {

const std::vector<std::uint8_t>& source()
{
    static const std::vector<std::uint8_t> bytes = [] {
        std::vector<std::uint8_t> made(512);
        for (std::size_t i = 0; i < made.size(); ++i)
            made[i] = std::uint8_t(i * 7 + i / 13);
        return made;
    }();
    return bytes;
}

void apply(std::span<const std::uint8_t> patch)
{
    try {
        const std::vector<std::uint8_t> target = applyBpsPatch(source(), patch);
        fuzzRequire(target.size() <= kLargestPatchTarget, "a target past the largest size");
    } catch (const PatchError& error) {
        fuzzRequire(error.what()[0] != '\0', "a refusal without a reason");
    }
}

}  // namespace

std::vector<FuzzSeed> fuzzSeeds()
{
    const std::vector<std::uint8_t> target = patchSeedTarget(source());
    std::vector<std::uint8_t> shorter(source().begin(), source().begin() + 300);
    return {{"edits-and-growth", makeBpsPatch(source(), target)}, {"shrink", makeBpsPatch(source(), shorter, "note")}};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> patch(data, size);
    apply(patch);
    if (size < 4)
        return 0;
    std::vector<std::uint8_t> summed(patch.begin(), patch.end());
    const std::uint32_t crc = crc32Of(patch.first(size - 4));
    for (int i = 0; i < 4; ++i)
        summed[size - 4 + std::size_t(i)] = std::uint8_t(crc >> (8 * i));
    apply(summed);
    return 0;
}
