#include <gtest/gtest.h>

#include <string>

#include "patch/bps_patch.h"
#include "patch/crc32.h"
#include "patch/patch_error.h"
#include "patch_test_images.h"

namespace {

// What applying throws, or "" when it does not.
std::string refusal(std::span<const std::uint8_t> source, std::span<const std::uint8_t> patch)
{
    try {
        applyBpsPatch(source, patch);
    } catch (const PatchError& error) {
        return error.what();
    }
    return "";
}

// The patch with its own CRC-32 made to fit again, for damage the CRC would catch first.
std::vector<std::uint8_t> withOwnCrc(std::vector<std::uint8_t> patch)
{
    const std::uint32_t crc = crc32Of(std::span(patch).first(patch.size() - 4));
    for (int i = 0; i < 4; ++i)
        patch[patch.size() - 4 + std::size_t(i)] = std::uint8_t(crc >> (8 * i));
    return patch;
}

}  // namespace

TEST(BpsPatch, RoundTripOfEditsInSeveralStages)
{
    const EditedDemo demo;
    const auto patch = makeBpsPatch(demo.original, demo.edited);
    EXPECT_EQ(applyBpsPatch(demo.original, patch), demo.edited);
    // The unchanged bytes are read from the source, so the patch is small.
    EXPECT_LT(patch.size(), 200u);
}

TEST(BpsPatch, OneByteEditGivesAPatchOfAFewDozenBytes)
{
    const EditedDemo demo;
    auto edited = demo.original;
    edited[rom_layout::stageBase(9) + rom_layout::kChipAttributes + 3] ^= 0x04;
    const auto patch = makeBpsPatch(demo.original, edited);
    EXPECT_LE(patch.size(), 48u);
    EXPECT_EQ(applyBpsPatch(demo.original, patch), edited);
}

TEST(BpsPatch, GrowingShrinkingAndMetadata)
{
    const std::vector<std::uint8_t> source{1, 2, 3, 4, 5, 6, 7, 8, 9};
    const std::vector<std::uint8_t> longer{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 11};
    const std::vector<std::uint8_t> shorter{1, 2, 0, 4};
    EXPECT_EQ(applyBpsPatch(source, makeBpsPatch(source, longer, "made by a test")), longer);
    EXPECT_EQ(applyBpsPatch(source, makeBpsPatch(source, shorter)), shorter);
    EXPECT_EQ(applyBpsPatch({}, makeBpsPatch({}, longer)), longer);
    EXPECT_EQ(applyBpsPatch(source, makeBpsPatch(source, {})), std::vector<std::uint8_t>{});
}

TEST(BpsPatch, WrongImageIsRefusedNamingBothChecksums)
{
    const EditedDemo demo;
    const auto patch = makeBpsPatch(demo.original, demo.edited);
    auto other = demo.original;
    other[0x20000] ^= 1;
    char expected[9];
    char actual[9];
    std::snprintf(expected, sizeof expected, "%08X", crc32Of(demo.original));
    std::snprintf(actual, sizeof actual, "%08X", crc32Of(other));
    const std::string why = refusal(other, patch);
    EXPECT_NE(why.find("another image"), std::string::npos) << why;
    EXPECT_NE(why.find(expected), std::string::npos) << why;
    EXPECT_NE(why.find(actual), std::string::npos) << why;
}

TEST(BpsPatch, DamagedPatchesAreRefusedWithTheirReason)
{
    const EditedDemo demo;
    const auto patch = makeBpsPatch(demo.original, demo.edited);

    for (std::size_t cut : {std::size_t(1), std::size_t(13), patch.size() / 2, patch.size() - 5})
        EXPECT_NE(refusal(demo.original, std::span(patch).first(patch.size() - cut)).find("cut short"),
                  std::string::npos)
            << cut;

    auto flipped = patch;
    flipped.back() ^= 0x40;  // the patch's own CRC-32
    EXPECT_NE(refusal(demo.original, flipped).find("damaged"), std::string::npos) << refusal(demo.original, flipped);

    auto wrongTarget = patch;
    wrongTarget.at(wrongTarget.size() - 8) ^= 1;  // the target's CRC-32
    EXPECT_NE(refusal(demo.original, withOwnCrc(wrongTarget)).find("expects"), std::string::npos);

    EXPECT_NE(refusal(demo.original, std::vector<std::uint8_t>{'B', 'P', 'S', '2', 0, 0, 0}).find("not a BPS"),
              std::string::npos);
}

TEST(BpsPatch, MalformedActionsAreRefusedWithoutReadingOutside)
{
    const std::vector<std::uint8_t> source(16, 7);
    // Header: source 16 bytes, target 16 bytes, no metadata; then one action, and a
    // footer whose CRC-32s are put right by withOwnCrc and makeBpsPatch's own.
    const auto patchWith = [&](std::initializer_list<std::uint8_t> actions) {
        std::vector<std::uint8_t> p{'B', 'P', 'S', '1', 0x80 | 16, 0x80 | 16, 0x80};
        p.insert(p.end(), actions);
        const std::uint32_t crc = crc32Of(source);
        for (int i = 0; i < 4; ++i)
            p.push_back(std::uint8_t(crc >> (8 * i)));
        p.insert(p.end(), 8, 0);
        return withOwnCrc(p);
    };
    // SourceRead of 17 bytes, past both ends.
    EXPECT_NE(refusal(source, patchWith({0x80 | (16 << 2)})).find("malformed"), std::string::npos);
    // SourceCopy of 16 bytes from offset -1.
    EXPECT_NE(refusal(source, patchWith({0x80 | (15 << 2) | 2, 0x80 | 3})).find("malformed"), std::string::npos);
    // TargetCopy as the first action: there is nothing made yet to copy.
    EXPECT_NE(refusal(source, patchWith({0x80 | (15 << 2) | 3, 0x80})).find("malformed"), std::string::npos);
    // A number that never ends.
    EXPECT_NE(refusal(source, patchWith({0, 0, 0, 0, 0, 0, 0, 0, 0, 0})).find("too large"), std::string::npos);
}

TEST(BpsPatch, EveryCutAndEveryFlippedByteIsRefusedOrMakesTheCheckedTarget)
{
    const std::vector<std::uint8_t> source{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    const std::vector<std::uint8_t> target{1, 2, 9, 4, 5, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 12, 13};
    const auto patch = makeBpsPatch(source, target);
    for (std::size_t length = 0; length < patch.size(); ++length)
        EXPECT_NE(refusal(source, std::span(patch).first(length)), "") << length;
    for (std::size_t at = 0; at < patch.size(); ++at)
        for (int bit = 0; bit < 8; ++bit) {
            auto damaged = patch;
            damaged[at] ^= std::uint8_t(1 << bit);
            EXPECT_NE(refusal(source, damaged), "") << at << ' ' << bit;
            // With its own checksum made to fit, the target's still catches any change.
            const auto refitted = withOwnCrc(damaged);
            if (refusal(source, refitted).empty()) {
                EXPECT_EQ(applyBpsPatch(source, refitted), target) << at << ' ' << bit;
            }
        }
}
