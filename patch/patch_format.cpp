#include "patch/patch_format.h"

#include <algorithm>
#include <cctype>

#include "patch/bps_patch.h"
#include "patch/ips_patch.h"
#include "patch/patch_error.h"
#include "text/translation.h"

const char* patchFormatName(PatchFormat format)
{
    return format == PatchFormat::Bps ? "BPS" : "IPS";
}

PatchFormat patchFormatForName(const std::string& path)
{
    std::string ending = path.size() >= 4 ? path.substr(path.size() - 4) : std::string();
    std::transform(ending.begin(), ending.end(), ending.begin(), [](unsigned char c) { return std::tolower(c); });
    if (ending == ".bps")
        return PatchFormat::Bps;
    if (ending == ".ips")
        return PatchFormat::Ips;
    throw PatchError(
        translated("patch_format", "the patch file's name must end in .bps or .ips, which says its format"));
}

std::vector<std::uint8_t> makePatch(PatchFormat format, std::span<const std::uint8_t> source,
                                    std::span<const std::uint8_t> target)
{
    return format == PatchFormat::Bps ? makeBpsPatch(source, target) : makeIpsPatch(source, target);
}

PatchFormat patchFormatOf(std::span<const std::uint8_t> patch)
{
    if (looksLikeBpsPatch(patch))
        return PatchFormat::Bps;
    if (looksLikeIpsPatch(patch))
        return PatchFormat::Ips;
    throw PatchError(translated("patch_format", "not a patch: it starts with neither \"BPS1\" nor \"PATCH\""));
}

std::vector<std::uint8_t> applyPatch(std::span<const std::uint8_t> source, std::span<const std::uint8_t> patch)
{
    return patchFormatOf(patch) == PatchFormat::Bps ? applyBpsPatch(source, patch) : applyIpsPatch(source, patch);
}

std::size_t changedByteCount(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b)
{
    const std::size_t common = std::min(a.size(), b.size());
    std::size_t count = std::max(a.size(), b.size()) - common;
    for (std::size_t i = 0; i < common; ++i)
        count += a[i] != b[i];
    return count;
}
