#include <string>

#include <gtest/gtest.h>

#include "jcode/jcode.h"
#include "jcode/jis_table.h"
#include "jcode/readable_name.h"
#include "tests/jcode/byte_strings.h"

using namespace std::string_literals;

namespace {

const char* const kAllNames[] = {"auto", "euc", "sjis", "jis", "utf8", "none"};

// "あ亜表ソ一熙" and a half-width "ｱ" in the three encodings.
const std::string kShiftJis = bytes({0x82, 0xA0, 0x88, 0x9F, 0x95, 0x5C, 0x83, 0x5C, 0x88, 0xEA, 0xEA, 0xA4, 0xB1});
const std::string kEucJp = bytes({0xA4, 0xA2, 0xB0, 0xA1, 0xC9, 0xBD, 0xA5, 0xBD, 0xB0, 0xEC, 0xF4, 0xA6, 0x8E, 0xB1});
const std::string kUtf8 = utf8Of(0x3042) + utf8Of(0x4E9C) + utf8Of(0x8868) + utf8Of(0x30BD) + utf8Of(0x4E00) +
    utf8Of(0x7199) + utf8Of(0xFF71);

}  // namespace

TEST(ConvertEncoding, ReturnsTextUnchangedWhereNoConversionApplies)
{
    // ASCII, the bytes 0x5C and 0x7E included, is the same in every encoding.
    const std::string path = "C:\\roms\\stage~1.nes";
    for (const char* from : kAllNames)
        for (const char* to : kAllNames)
            EXPECT_EQ(convertEncoding(path, from, to), path) << from << " > " << to;

    const std::string iso2022 = "\x1B$B$\"\x1B(B.nes";
    for (const char* to : kAllNames) {
        EXPECT_EQ(convertEncoding(iso2022, "auto", to), iso2022) << to;
        EXPECT_EQ(convertEncoding(kShiftJis, "jis", to), kShiftJis) << to;
    }
    // Equal encodings, unknown targets and undetectable text keep every byte.
    const std::string withZero = kShiftJis + "\0\xFF"s;
    EXPECT_EQ(convertEncoding(withZero, "sjis", "SJIS"), withZero);
    EXPECT_EQ(convertEncoding(withZero, "sjis", "auto"), withZero);
    EXPECT_EQ(convertEncoding("\xFF\xFE"s, "auto", "utf-8"), "\xFF\xFE"s);
}

TEST(ConvertEncoding, ConvertsKanjiKanaAndKatakanaBetweenAllThreeEncodings)
{
    EXPECT_EQ(convertEncoding(kShiftJis, "auto", "UTF-8"), kUtf8);
    EXPECT_EQ(convertEncoding(kShiftJis, "s", "e"), kEucJp);
    EXPECT_EQ(convertEncoding(kEucJp, "auto", "shift_jis"), kShiftJis);
    EXPECT_EQ(convertEncoding(kEucJp, "euc-jp", "u"), kUtf8);
    EXPECT_EQ(convertEncoding(kUtf8, "auto", "euc"), kEucJp);
    EXPECT_EQ(convertEncoding(kUtf8, "utf-8", "sjis"), kShiftJis);
}

TEST(ConvertEncoding, TreatsShiftJisThatAlsoFitsEucJpAsEucJp)
{
    // Shift_JIS "ｱｲ" read as the EUC-JP pair 0xB1B2 (U+6E26).
    EXPECT_EQ(convertEncoding(bytes({0xB1, 0xB2}), "auto", "utf-8"), utf8Of(0x6E26));
    EXPECT_EQ(convertEncoding(bytes({0xB1, 0xB2}), "sjis", "utf-8"), utf8Of(0xFF71) + utf8Of(0xFF72));
}

TEST(ConvertEncoding, HalfWidthKatakanaInAllThreeEncodings)
{
    for (int byte = 0xA1; byte <= 0xDF; ++byte) {
        const std::string shiftJis = bytes({byte});
        const std::string eucJp = bytes({0x8E, byte});
        const std::string utf8 = utf8Of(0xFF61 + byte - 0xA1);
        EXPECT_EQ(convertEncoding(shiftJis, "sjis", "euc"), eucJp) << byte;
        EXPECT_EQ(convertEncoding(shiftJis, "sjis", "utf8"), utf8) << byte;
        EXPECT_EQ(convertEncoding(eucJp, "euc", "sjis"), shiftJis) << byte;
        EXPECT_EQ(convertEncoding(eucJp, "euc", "utf8"), utf8) << byte;
        EXPECT_EQ(convertEncoding(utf8, "utf8", "euc"), eucJp) << byte;
        EXPECT_EQ(convertEncoding(utf8, "utf8", "sjis"), shiftJis) << byte;
    }
}

TEST(ConvertEncoding, EucJpAndShiftJisMapTheWholeGridOntoEachOther)
{
    // The corners of the arithmetic: the first and last row, the switch of the lead
    // byte range after row 0x5E, and the skipped trail byte 0x7F of odd rows.
    EXPECT_EQ(convertEncoding(bytes({0xA1, 0xA1}), "e", "s"), bytes({0x81, 0x40}));
    EXPECT_EQ(convertEncoding(bytes({0xA1, 0xDF}), "e", "s"), bytes({0x81, 0x7E}));
    EXPECT_EQ(convertEncoding(bytes({0xA1, 0xE0}), "e", "s"), bytes({0x81, 0x80}));
    EXPECT_EQ(convertEncoding(bytes({0xA2, 0xA1}), "e", "s"), bytes({0x81, 0x9F}));
    EXPECT_EQ(convertEncoding(bytes({0xDE, 0xFE}), "e", "s"), bytes({0x9F, 0xFC}));
    EXPECT_EQ(convertEncoding(bytes({0xDF, 0xA1}), "e", "s"), bytes({0xE0, 0x40}));
    EXPECT_EQ(convertEncoding(bytes({0xFE, 0xFE}), "e", "s"), bytes({0xEF, 0xFC}));

    for (int row = 0xA1; row <= 0xFE; ++row)
        for (int cell = 0xA1; cell <= 0xFE; ++cell) {
            const std::string eucJp = bytes({row, cell});
            const std::string shiftJis = convertEncoding(eucJp, "e", "s");
            ASSERT_EQ(detectEncoding(bytes({0x81, 0x5C}) + shiftJis), kEncodingShiftJis) << row << ' ' << cell;
            ASSERT_EQ(convertEncoding(shiftJis, "s", "e"), eucJp) << row << ' ' << cell;
        }
}

TEST(ConvertEncoding, RoundTripsAllOfJisX0208FromShiftJisThroughUtf8)
{
    std::string eucJp, utf8;
    for (const auto& row : jcode::kJisTable)
        if (row.euc >= 0xA1A1 && row.euc <= 0xFEFE && row.codePoint != 0x005C) {
            eucJp += bytes({int(row.euc >> 8), int(row.euc & 0xFF)});
            utf8 += utf8Of(row.codePoint);
        }
    ASSERT_EQ(eucJp.size(), 2u * 6879);
    const std::string shiftJis = convertEncoding(eucJp, "euc", "sjis");
    const std::string viaUtf8 = convertEncoding(shiftJis, "sjis", "utf-8");
    EXPECT_EQ(viaUtf8, utf8);
    EXPECT_EQ(convertEncoding(viaUtf8, "utf-8", "sjis"), shiftJis);
}

TEST(ConvertEncoding, BackslashYenAndOverline)
{
    // 0xA1C0 reads as the full-width U+FF3C, never as a path separator.
    EXPECT_EQ(convertEncoding(bytes({0x81, 0x5F}), "sjis", "utf8"), utf8Of(0xFF3C));
    EXPECT_EQ(convertEncoding(utf8Of(0xFF3C), "utf8", "sjis"), bytes({0x81, 0x5F}));
    EXPECT_EQ(convertEncoding(bytes({0xA1, 0xC0}), "euc", "utf8"), utf8Of(0xFF3C));
    // The JIS X 0201 Roman characters take the single bytes that ASCII uses for \ and ~.
    EXPECT_EQ(convertEncoding(utf8Of(0x00A5) + utf8Of(0x203E), "utf8", "euc"), "\\~");
    EXPECT_EQ(convertEncoding(utf8Of(0x00A5) + utf8Of(0x203E), "utf8", "sjis"), "\\~");
}

TEST(ConvertEncoding, JisX0212ReachesUnicodeButNotShiftJis)
{
    const std::string eucJp = bytes({0x8F, 0xB0, 0xA1});  // U+4E02
    EXPECT_EQ(convertEncoding(eucJp, "euc", "utf8"), utf8Of(0x4E02));
    EXPECT_EQ(convertEncoding(utf8Of(0x4E02), "utf8", "euc"), eucJp);
    EXPECT_EQ(convertEncoding(eucJp, "euc", "sjis"), bytes({0x81, 0xAC}));
    EXPECT_EQ(convertEncoding(utf8Of(0x4E02), "utf8", "sjis"), bytes({0x81, 0xAC}));
    EXPECT_EQ(convertEncoding(bytes({0x8F, 0xA2, 0xB7}), "euc", "utf8"), "~");
}

TEST(ConvertEncoding, UnmappedAndMalformedCharactersBecomeTheGetaMark)
{
    const std::string geta = utf8Of(0x3013);
    const std::string euro = "a\xE2\x82\xAC"
                             "b";  // U+20AC has no JIS code
    EXPECT_EQ(convertEncoding(euro, "utf8", "euc"),
              "a\xA2\xAE"
              "b");
    EXPECT_EQ(convertEncoding(euro, "utf8", "sjis"),
              "a\x81\xAC"
              "b");
    EXPECT_EQ(convertEncoding(bytes({0xA9, 0xA1}), "euc", "utf8"), geta);  // an empty grid row
    EXPECT_EQ(convertEncoding(bytes({0x8E, 0x41}), "euc", "utf8"), geta);
    EXPECT_EQ(convertEncoding(bytes({0x8E, 0x41}), "euc", "sjis"), "");
    EXPECT_EQ(convertEncoding(bytes({0xA0, 0xA1, 0x80, 0x41}), "euc", "sjis"), "\x81\xAC\x81\xAC");
    EXPECT_EQ(convertEncoding(bytes({0x81, 0x7F, 0xF0, 0x40, 0x80, 0x41}), "sjis", "euc"), "\xA2\xAE\xA2\xAE\xA2\xAE");
    // A character beyond UCS-2 is one replacement and leaves the next character alone.
    EXPECT_EQ(convertEncoding("\xF0\x9F\x98\x80"
                              "a",
                              "utf8", "euc"),
              "\xA2\xAE"
              "a");
}

TEST(ConvertEncoding, StopsAtTheFirstZeroByteAndAtACutOffCharacter)
{
    EXPECT_EQ(convertEncoding(kShiftJis + "\0"s + kShiftJis, "sjis", "utf8"), kUtf8);
    EXPECT_EQ(convertEncoding(kEucJp + "\0"s + kEucJp, "euc", "sjis"), kShiftJis);
    EXPECT_EQ(convertEncoding(kUtf8 + "\0"s + kUtf8, "utf8", "euc"), kEucJp);
    // A lead byte before a zero byte or at the end ends the conversion.
    EXPECT_EQ(convertEncoding("\x82\xA0\x82\0\x82\xA0"s, "sjis", "euc"), "\xA4\xA2");
    EXPECT_EQ(convertEncoding("\xA4\xA2\x8F\xB0\0\xA1"s, "euc", "sjis"), "\x82\xA0");
    EXPECT_EQ(convertEncoding("\xA4\xA2\x8F\xB0\0\xA1"s, "euc", "utf8"), utf8Of(0x3042));
    EXPECT_EQ(convertEncoding("\xE3\x81\x82\xE3\x81"s, "utf8", "sjis"), "\x82\xA0");
    // UTF-8 that spells a zero ends the text as well.
    EXPECT_EQ(convertEncoding("a\xC0\x80"
                              "b"s,
                              "utf8", "euc"),
              "a");
}

TEST(ReadableName, ShowsJapaneseNamesAsUtf8AndEscapesWhatIsLeft)
{
    // "テスト.nes" in UTF-8, Shift_JIS and EUC-JP.
    const std::string utf8 = "\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88.nes";
    EXPECT_EQ(readableName(utf8), utf8);
    EXPECT_EQ(readableName("\x83\x65\x83\x58\x83\x67.nes"), utf8);
    EXPECT_EQ(readableName("\xA5\xC6\xA5\xB9\xA5\xC8.nes"), utf8);
    // Fits no encoding: the bytes are shown as escapes. A surrogate passes the loose
    // UTF-8 scan of detection but is no UTF-8.
    EXPECT_EQ(readableName("a\xFF\xFE.nes"), "a\\xFF\\xFE.nes");
    EXPECT_EQ(readableName("\xED\xA0\x80"), "\\xED\\xA0\\x80");
}
