// The IPS reader on any bytes, applied to a small source: it makes a target within
// the format's reach, or refuses with a reason.

#include <vector>

#include "fuzz/fuzz_target.h"
#include "patch/ips_patch.h"
#include "patch/patch_error.h"

namespace {

const std::vector<std::uint8_t>& source()
{
    static const std::vector<std::uint8_t> bytes(512, 0x5A);
    return bytes;
}

}  // namespace

std::vector<FuzzSeed> fuzzSeeds()
{
    const std::vector<std::uint8_t> target = patchSeedTarget(source());
    std::vector<std::uint8_t> shorter(source().begin(), source().begin() + 300);
    shorter[10] = 0;
    return {{"edits-runs-and-growth", makeIpsPatch(source(), target)}, {"truncation", makeIpsPatch(source(), shorter)}};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        const std::vector<std::uint8_t> target = applyIpsPatch(source(), {data, size});
        // The last record may start at the last offset the format can name and run on
        // for up to 65,535 bytes.
        fuzzRequire(target.size() < kLargestIpsTarget + 0x10000, "a target past the format's reach");
    } catch (const PatchError& error) {
        fuzzRequire(error.what()[0] != '\0', "a refusal without a reason");
    }
    return 0;
}
