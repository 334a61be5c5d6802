// Feeds random and malformed byte strings to every conversion and checks what must
// hold for any input: no step writes beyond its bound, a zero byte ends the text, and
// what comes out in an encoding fits that encoding.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "jcode/conversions.h"
#include "jcode/jcode.h"

namespace {

using namespace jcode;

const char* const kNames[] = {"auto", "EUC-JP", "sjis", "jis", "utf-8", "latin-1"};

// Bytes that start, end or break multi-byte characters, with plain ASCII between them.
const std::uint8_t kTellingBytes[] = {0x00, 0x1B, 0x40, 0x5C, 0x7E, 0x7F, 0x80, 0x81, 0x8E, 0x8F, 0x9F, 0xA0, 0xA1,
                                      0xA2, 0xAE, 0xB0, 0xC0, 0xC2, 0xDF, 0xE0, 0xE3, 0xEF, 0xF0, 0xFC, 0xFE, 0xFF};

std::vector<std::string> adversarialTexts()
{
    std::vector<std::string> texts = {""};
    // Well-formed characters of each encoding, then every prefix of them, so that each
    // multi-byte character is also cut off at the end and before a zero byte.
    const std::string whole[] = {
        "a\xA4\xA2\x8E\xB1\x8F\xB0\xA1\xA1\xC0",              // EUC-JP
        "a\x82\xA0\xB1\x95\x5C\x81\x5F\xEA\xA4",              // Shift_JIS
        "a\xE3\x81\x82\xC2\xA5\xEF\xBD\xB1\xF0\x9F\x98\x80",  // UTF-8
    };
    for (const auto& text : whole)
        for (std::size_t length = 1; length <= text.size(); ++length) {
            texts.push_back(text.substr(0, length));
            texts.push_back(text.substr(0, length) + std::string(1, '\0') + text);
        }
    for (int lead = 0x80; lead <= 0xFF; ++lead) {
        texts.push_back(std::string(1, char(lead)));
        texts.push_back(std::string(1, char(lead)) + std::string(1, '\0') + "\xA1\xA1");
    }

    std::mt19937 random(20261207);
    for (int n = 0; n < 3000; ++n) {
        std::string text(random() % 24, '\0');
        for (auto& byte : text)
            byte = char(random() % 2 ? kTellingBytes[random() % std::size(kTellingBytes)] : random() % 256);
        texts.push_back(text);
    }
    return texts;
}

std::string untilZero(const std::string& text)
{
    return text.substr(0, text.find('\0'));
}

// The text in a heap block of exactly its size: a std::string keeps a zero byte behind
// its end, which would hide a read past the end from AddressSanitizer.
class ExactCopy {
public:
    explicit ExactCopy(const std::string& text) : bytes_(new char[text.size()]), size_(text.size())
    {
        std::copy(text.begin(), text.end(), bytes_.get());
    }
    operator std::string_view() const { return {bytes_.get(), size_}; }

private:
    std::unique_ptr<char[]> bytes_;
    std::size_t size_;
};

TEST(RandomInput, EveryStepStaysWithinItsBound)
{
    for (const auto& original : adversarialTexts()) {
        const ExactCopy text(original);
        const std::size_t size = original.size();
        EXPECT_LE(eucJpToShiftJis(text).size(), shiftJisBound(size));
        EXPECT_LE(shiftJisToEucJp(text).size(), eucJpFromShiftJisBound(size));
        const std::u16string fromEuc = eucJpToUcs2(text);
        const std::u16string fromUtf8 = utf8ToUcs2(text);
        EXPECT_LE(2 * fromEuc.size(), unicodeStepBound(size));
        EXPECT_LE(2 * fromUtf8.size(), unicodeStepBound(size));
        EXPECT_LE(detectEncoding(text), kEncodingUnknown);
        EXPECT_LE(ucs2ToUtf8(fromEuc).size(), unicodeStepBound(2 * fromEuc.size()));
        EXPECT_LE(ucs2ToEucJp(fromUtf8).size(), unicodeStepBound(2 * fromUtf8.size()));
    }
}

TEST(RandomInput, EveryPairEndsTheTextAtItsFirstZeroByte)
{
    for (const auto& text : adversarialTexts())
        for (const char* from : kNames)
            for (const char* to : kNames) {
                const std::string out = convertEncoding(ExactCopy(text), from, to);
                if (out == text)
                    continue;  // unsupported pairs return the input as it is
                ASSERT_EQ(out, convertEncoding(untilZero(text), from, to)) << from << " > " << to;
                ASSERT_EQ(out.find('\0'), std::string::npos);
            }
}

TEST(RandomInput, OutputFitsItsEncoding)
{
    for (const auto& text : adversarialTexts())
        for (const char* from : {"euc", "sjis", "utf8"}) {
            // Converting to the same encoding returns the input, so skip those pairs.
            if (encodingCode(from) != kEncodingUtf8) {
                const std::string utf8 = convertEncoding(text, from, "utf-8");
                // Short UTF-8 may fit EUC-JP as well, but malformed UTF-8 would fail both.
                const int detected = detectEncoding(utf8);
                EXPECT_TRUE(detected != kEncodingShiftJis && detected != kEncodingUnknown)
                    << ::testing::PrintToString(text) << " from " << from;
                EXPECT_EQ(convertEncoding(convertEncoding(utf8, "u", "e"), "e", "u"), utf8) << from;
            }
            // Shift_JIS written by this module survives the way through EUC-JP unchanged.
            if (encodingCode(from) != kEncodingShiftJis) {
                const std::string shiftJis = convertEncoding(text, from, "sjis");
                EXPECT_NE(detectEncoding(shiftJis), kEncodingUnknown);
                EXPECT_EQ(convertEncoding(convertEncoding(shiftJis, "s", "e"), "e", "s"), shiftJis) << from;
            }
        }
}

}  // namespace
