// libFuzzer target for the text encoding module; built by tools/fuzz-jcode.sh.
// The first input byte picks the source and target names, the rest is the text. The
// text is read straight from libFuzzer's buffer, which ends exactly where the input
// does, so AddressSanitizer sees any read past the end.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "jcode/conversions.h"
#include "jcode/jcode.h"

namespace {

const char* const kNames[] = {"auto", "EUC-JP", "sjis", "jis", "utf-8", "other"};

void require(bool condition)
{
    if (!condition)
        std::abort();
}

std::string_view untilZero(std::string_view text) { return text.substr(0, text.find('\0')); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const char* from = kNames[data[0] % 6];
    const char* to = kNames[data[0] / 6 % 6];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    using namespace jcode;
    require(eucJpToShiftJis(text).size() <= shiftJisBound(text.size()));
    require(shiftJisToEucJp(text).size() <= eucJpFromShiftJisBound(text.size()));
    const std::u16string fromEuc = eucJpToUcs2(text);
    const std::u16string fromUtf8 = utf8ToUcs2(text);
    require(2 * fromEuc.size() <= unicodeStepBound(text.size()));
    require(2 * fromUtf8.size() <= unicodeStepBound(text.size()));
    require(ucs2ToUtf8(fromEuc).size() <= unicodeStepBound(2 * fromEuc.size()));
    require(ucs2ToEucJp(fromUtf8).size() <= unicodeStepBound(2 * fromUtf8.size()));

    // Any UCS-2 units at all, surrogates included.
    std::u16string units(text.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = char16_t(std::uint8_t(text[2 * i]) << 8 | std::uint8_t(text[2 * i + 1]));
    require(ucs2ToUtf8(units).size() <= unicodeStepBound(2 * units.size()));
    require(ucs2ToEucJp(units).size() <= unicodeStepBound(2 * units.size()));

    const int detected = detectEncoding(text);
    require(detected >= kEncodingNone && detected <= kEncodingUnknown);
    require(encodingCode(text) <= kEncodingUtf8);

    const std::string out = convertEncoding(text, from, to);
    if (out != text) {
        require(out == convertEncoding(untilZero(text), from, to));
        require(out.find('\0') == std::string::npos);
    }
    return 0;
}
