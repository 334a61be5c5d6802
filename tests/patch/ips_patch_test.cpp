#include <gtest/gtest.h>

#include <string>

#include "patch/ips_patch.h"
#include "patch/patch_error.h"
#include "patch_test_images.h"

namespace {

std::string refusal(std::span<const std::uint8_t> source, std::span<const std::uint8_t> patch)
{
    try {
        applyIpsPatch(source, patch);
    } catch (const PatchError& error) {
        return error.what();
    }
    return "";
}

std::vector<std::uint8_t> bytes(std::string_view text)
{
    return {text.begin(), text.end()};
}

}  // namespace

TEST(IpsPatch, RoundTripOfEditsInSeveralStages)
{
    const EditedDemo demo;
    const auto patch = makeIpsPatch(demo.original, demo.edited);
    EXPECT_EQ(applyIpsPatch(demo.original, patch), demo.edited);
    // Five edits, the 64 bytes of one chip as one run record.
    EXPECT_LT(patch.size(), 120u);
}

TEST(IpsPatch, NearbyChangesShareARecordAndLongRunsAreRunRecords)
{
    const std::vector<std::uint8_t> source(64, 0);
    auto target = source;
    target[10] = 1;
    target[12] = 2;  // one unchanged byte between: one record of 3 bytes
    for (std::size_t i = 30; i < 60; ++i)
        target[i] = 9;
    const auto patch = makeIpsPatch(source, target);
    EXPECT_EQ(patch,
              bytes(std::string("PATCH") + std::string("\0\0\x0a\0\x03\x01\0\x02", 8) +
                    std::string("\0\0\x1e\0\0\0\x1e\x09", 8) + "EOF"));
    EXPECT_EQ(applyIpsPatch(source, patch), target);
}

TEST(IpsPatch, NoRecordStartsAtTheOffsetThatReadsAsEof)
{
    const std::vector<std::uint8_t> source(0x455000, 0);
    auto single = source;
    single[0x454F46] = 5;
    auto run = source;
    for (std::size_t i = 0x454F46; i < 0x454F46 + 40; ++i)
        run[i] = 3;
    auto runAfterOther = run;
    runAfterOther[0x454F45] = 8;
    for (const auto* target : {&single, &run, &runAfterOther}) {
        const auto patch = makeIpsPatch(source, *target);
        EXPECT_EQ(applyIpsPatch(source, patch), *target);
        EXPECT_EQ(std::string(patch.begin() + 5, patch.begin() + 8), "\x45\x4F\x45");
    }
}

TEST(IpsPatch, GrowsAndTruncates)
{
    const std::vector<std::uint8_t> source{1, 2, 3, 4, 5, 6};
    const std::vector<std::uint8_t> longer{1, 2, 3, 4, 5, 6, 7, 8};
    const std::vector<std::uint8_t> shorter{1, 2, 9};
    EXPECT_EQ(applyIpsPatch(source, makeIpsPatch(source, longer)), longer);
    EXPECT_EQ(applyIpsPatch(source, makeIpsPatch(source, shorter)), shorter);
}

TEST(IpsPatch, DamagedPatchesAreRefusedWithTheirReason)
{
    const std::vector<std::uint8_t> source(32, 0);
    EXPECT_NE(refusal(source, bytes("PATCH")).find("cut short"), std::string::npos);
    EXPECT_NE(refusal(source, bytes(std::string("PATCH\0\0\x04\0\x05\x01\x02", 12))).find("cut short"),
              std::string::npos);
    EXPECT_NE(refusal(source, bytes(std::string("PATCH\0\0\x04\0", 9))).find("cut short"), std::string::npos);
    EXPECT_NE(refusal(source, bytes(std::string("PATCH\0\0\x04\0\0\0\0\x01", 13) + "EOF")).find("malformed"),
              std::string::npos);
    EXPECT_NE(refusal(source, bytes("PATCHEOFjunk")).find("malformed"), std::string::npos);
    EXPECT_NE(refusal(source, bytes("PATC")).find("not an IPS"), std::string::npos);
}

TEST(IpsPatch, EveryCutAndEveryFlippedByteIsRefusedOrApplied)
{
    const std::vector<std::uint8_t> source(40, 1);
    auto target = source;
    target[3] = 7;
    for (std::size_t i = 10; i < 30; ++i)
        target[i] = 5;
    const auto patch = makeIpsPatch(source, target);
    for (std::size_t length = 0; length < patch.size(); ++length)
        EXPECT_NE(refusal(source, std::span(patch).first(length)), "") << length;
    // Without a checksum a damaged record may apply; it must still stay inside the spans.
    for (std::size_t at = 0; at < patch.size(); ++at)
        for (int bit = 0; bit < 8; ++bit) {
            auto damaged = patch;
            damaged[at] ^= std::uint8_t(1 << bit);
            refusal(source, damaged);
        }
}
