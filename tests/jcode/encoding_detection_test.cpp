#include <string>

#include <gtest/gtest.h>

#include "jcode/jcode.h"
#include "tests/jcode/byte_strings.h"

using namespace std::string_literals;

TEST(EncodingCode, MatchesEveryNameRegardlessOfCase)
{
    for (const char* name : {"e", "euc", "euc-jp", "E", "EUC-JP", "Euc-Jp"})
        EXPECT_EQ(encodingCode(name), kEncodingEucJp) << name;
    for (const char* name : {"s", "sjis", "shift_jis", "S", "SJIS", "Shift_JIS"})
        EXPECT_EQ(encodingCode(name), kEncodingShiftJis) << name;
    for (const char* name : {"j", "jis", "iso-2022-jp", "J", "ISO-2022-JP"})
        EXPECT_EQ(encodingCode(name), kEncodingIso2022Jp) << name;
    for (const char* name : {"u", "utf8", "utf-8", "U", "UTF8", "UTF-8"})
        EXPECT_EQ(encodingCode(name), kEncodingUtf8) << name;
}

TEST(EncodingCode, GivesZeroForAutoAndForNamesItDoesNotKnow)
{
    for (const char* name : {"auto", "AUTO", "", "utf-16", "shift-jis", "eucjp", " utf-8", "utf-8 ", "x"})
        EXPECT_EQ(encodingCode(name), kEncodingNone) << '"' << name << '"';
}

TEST(DetectEncoding, TextWithoutHighBytesIsAsciiUnlessItHoldsAnEscape)
{
    EXPECT_EQ(detectEncoding(""), kEncodingNone);
    EXPECT_EQ(detectEncoding("C:\\roms\\stage~1.nes"), kEncodingNone);
    EXPECT_EQ(detectEncoding("\x1B$B$\"\x1B(B"), kEncodingIso2022Jp);
    EXPECT_EQ(detectEncoding("path\x1B"), kEncodingIso2022Jp);
}

TEST(DetectEncoding, TriesEucJpThenUtf8ThenShiftJis)
{
    // Shift_JIS half-width katakana pairs and kanji whose bytes also fit EUC-JP.
    EXPECT_EQ(detectEncoding(bytes({0xB1, 0xB2})), kEncodingEucJp);
    EXPECT_EQ(detectEncoding(bytes({0xE0, 0xA1})), kEncodingEucJp);
    EXPECT_EQ(detectEncoding("dir/" + bytes({0xA4, 0xA2, 0x8E, 0xB1})), kEncodingEucJp);
    // "á" in UTF-8 is also an EUC-JP kanji: the order decides.
    EXPECT_EQ(detectEncoding(bytes({0xC3, 0xA1})), kEncodingEucJp);
    // UTF-8 for "あ": 0x81 is no EUC-JP byte.
    EXPECT_EQ(detectEncoding(bytes({0xE3, 0x81, 0x82})), kEncodingUtf8);
    // Shift_JIS "あ" and "表" (trail byte 0x5C).
    EXPECT_EQ(detectEncoding(bytes({0x82, 0xA0, 0x95, 0x5C})), kEncodingShiftJis);
    EXPECT_EQ(detectEncoding(bytes({0x80})), kEncodingShiftJis);
    EXPECT_EQ(detectEncoding(bytes({0xFF})), kEncodingUnknown);
    EXPECT_EQ(detectEncoding(bytes({0x82, 0x7F})), kEncodingUnknown);
    EXPECT_EQ(detectEncoding(bytes({0xA0, 0xA1})), kEncodingUnknown);
}

TEST(DetectEncoding, CutOffAndJisX0212CharactersFailTheEucJpScan)
{
    // A lead byte at the end: only a single-byte Shift_JIS katakana fits.
    EXPECT_EQ(detectEncoding(bytes({0xA4, 0xA2, 0xA4})), kEncodingShiftJis);
    // A UTF-8 sequence cut short reads as a Shift_JIS pair.
    EXPECT_EQ(detectEncoding(bytes({0xE3, 0x81})), kEncodingShiftJis);
    EXPECT_EQ(detectEncoding(bytes({0x8F, 0xB0, 0xA1})), kEncodingShiftJis);
    EXPECT_EQ(detectEncoding(bytes({0x82})), kEncodingUnknown);
}

TEST(DetectEncoding, ReadsTheTextOnlyUpToItsFirstZeroByte)
{
    EXPECT_EQ(detectEncoding("abc\0\x82\xA0"s), kEncodingNone);
    EXPECT_EQ(detectEncoding("abc\0\x1B"s), kEncodingNone);
    EXPECT_EQ(detectEncoding("\xA4\xA2\0\xFF"s), kEncodingEucJp);
    EXPECT_EQ(detectEncoding("\xA4\0\xA2"s), kEncodingShiftJis);
}
