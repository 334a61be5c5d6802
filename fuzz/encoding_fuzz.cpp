#include "fuzz/encoding_fuzz.h"

#include "jcode/conversions.h"
#include "jcode/jcode.h"

namespace {

const char* const kTargetNames[] = {"auto", "EUC-JP", "sjis", "jis", "utf-8", "other"};

std::string_view untilZero(std::string_view text)
{
    return text.substr(0, text.find('\0'));
}

std::string utf8(std::u32string_view codePoints)
{
    std::string out;
    for (const char32_t c : codePoints) {
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | c >> 6);
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xE0 | c >> 12);
            out += char(0x80 | (c >> 6 & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

void checkSteps(std::string_view text)
{
    using namespace jcode;
    fuzzRequire(eucJpToShiftJis(text).size() <= shiftJisBound(text.size()), "EUC-JP to Shift_JIS bound");
    fuzzRequire(shiftJisToEucJp(text).size() <= eucJpFromShiftJisBound(text.size()), "Shift_JIS to EUC-JP bound");
    const std::u16string fromEuc = eucJpToUcs2(text);
    const std::u16string fromUtf8 = utf8ToUcs2(text);
    fuzzRequire(2 * fromEuc.size() <= unicodeStepBound(text.size()), "EUC-JP to UCS-2 bound");
    fuzzRequire(2 * fromUtf8.size() <= unicodeStepBound(text.size()), "UTF-8 to UCS-2 bound");
    fuzzRequire(ucs2ToUtf8(fromEuc).size() <= unicodeStepBound(2 * fromEuc.size()), "UCS-2 to UTF-8 bound");
    fuzzRequire(ucs2ToEucJp(fromUtf8).size() <= unicodeStepBound(2 * fromUtf8.size()), "UCS-2 to EUC-JP bound");

    // Any UCS-2 units at all, surrogates included.
    std::u16string units(text.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = char16_t(std::uint8_t(text[2 * i]) << 8 | std::uint8_t(text[2 * i + 1]));
    fuzzRequire(ucs2ToUtf8(units).size() <= unicodeStepBound(2 * units.size()), "any UCS-2 to UTF-8 bound");
    fuzzRequire(ucs2ToEucJp(units).size() <= unicodeStepBound(2 * units.size()), "any UCS-2 to EUC-JP bound");
}

}  // namespace

void fuzzConversionsFrom(std::string_view fromName, const std::uint8_t* data, std::size_t size)
{
    // Straight from libFuzzer's buffer, which ends exactly where the input does, so
    // AddressSanitizer sees any read past the end.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkSteps(text);
    const int detected = detectEncoding(text);
    fuzzRequire(detected >= kEncodingNone && detected <= kEncodingUnknown, "detection out of range");
    fuzzRequire(encodingCode(text) <= kEncodingUtf8, "name code out of range");
    for (const char* to : kTargetNames) {
        const std::string out = convertEncoding(text, fromName, to);
        if (out == text)
            continue;
        fuzzRequire(out == convertEncoding(untilZero(text), fromName, to), "the text goes on after a zero byte");
        fuzzRequire(out.find('\0') == std::string::npos, "a zero byte in the output");
    }
}

std::vector<FuzzSeed> encodingSeeds(std::string_view fromName)
{
    // File paths as users name them: kana, kanji, half-width katakana, a character of
    // JIS X 0212, the yen and overline that JIS X 0201 puts in place of ASCII, and a
    // character no table maps.
    const std::u32string texts[] = {
        U"/home/user/roms/game.nes",
        U"/home/\u30E6\u30FC\u30B6/\u30B2\u30FC\u30E0/\u65E5\u672C\u8A9E.nes",
        U"C:\\\uFF76\uFF80\uFF76\uFF85\\\u4E00\u4E8C\u4E09.nes",
        U"/\u4E02\u00A5\u203E\uFF5E/\u2603.nes",
        U"\u3000\u301C\u2212\uFFE5\uFF3C",
    };
    const std::vector<std::string_view> encodings = fromName == "auto"
        ? std::vector<std::string_view>{"EUC-JP", "sjis", "utf-8"}
        : std::vector<std::string_view>{fromName};
    std::vector<FuzzSeed> seeds;
    int n = 0;
    for (const std::u32string& text : texts)
        for (const std::string_view encoding : encodings) {
            const std::string bytes = convertEncoding(utf8(text), "utf-8", encoding);
            seeds.push_back({"text-" + std::to_string(n++), {bytes.begin(), bytes.end()}});
        }
    // ISO-2022-JP is only recognised: an escape sequence in plain ASCII.
    const std::string jis = "/roms/\x1B$B$3$s\x1B(B.nes";
    seeds.push_back({"text-iso-2022-jp", {jis.begin(), jis.end()}});
    return seeds;
}
