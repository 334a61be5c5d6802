// The IPS reader on any bytes: it reads records within the format's reach, or refuses
// with a reason. A patch whose target stays small is applied to a small source too, so
// the fuzzer spends its time on the reading, not on zeroing 16 MiB targets.

#include <algorithm>
#include <vector>

#include "fuzz/fuzz_target.h"
#include "patch/ips_patch.h"
#include "patch/patch_error.h"

namespace {

// Targets up to this size are made; most random offsets lie far beyond it.
constexpr std::size_t kLargestAppliedTarget = std::size_t(1) << 20;

const std::vector<std::uint8_t>& source()
{
    static const std::vector<std::uint8_t> bytes(512, 0x5A);
    return bytes;
}

void checkApplied(std::span<const std::uint8_t> patch, const IpsEdits& edits)
{
    const std::vector<std::uint8_t> target = applyIpsPatch(source(), patch);
    fuzzRequire(target.size() == edits.targetSize(source().size()), "a target of another size than its edits say");
    if (edits.records.empty())
        return;
    // The last record is written last, so its bytes stand as it gives them.
    const IpsRecord& last = edits.records.back();
    for (std::size_t i = 0; i < last.length && last.offset + i < target.size(); ++i)
        fuzzRequire(target[last.offset + i] == (last.bytes.empty() ? last.value : last.bytes[i]),
                    "the last record's bytes are not in the target");
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
    const std::span<const std::uint8_t> patch(data, size);
    try {
        const IpsEdits edits = readIpsPatch(patch);
        for (const IpsRecord& r : edits.records) {
            fuzzRequire(r.offset < kLargestIpsTarget && r.length > 0 && r.length <= 0xFFFF, "a record past the format");
            fuzzRequire(r.bytes.empty() || (r.bytes.data() >= data && r.bytes.data() + r.bytes.size() <= data + size),
                        "a record's bytes outside the patch");
        }
        if (edits.targetSize(source().size()) <= kLargestAppliedTarget)
            checkApplied(patch, edits);
    } catch (const PatchError& error) {
        fuzzRequire(error.what()[0] != '\0', "a refusal without a reason");
    }
    return 0;
}
