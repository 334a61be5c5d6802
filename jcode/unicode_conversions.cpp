// EUC-JP and UTF-8 meet in UCS-2: EUC-JP characters map to code points through the JIS
// table, and UTF-8 is the arithmetic encoding of those code points.

#include <cstdint>

#include "jcode/characters.h"
#include "jcode/conversions.h"
#include "jcode/jis_table.h"
#include "jcode/text_end.h"

namespace jcode {

std::u16string eucJpToUcs2(std::string_view eucJp)
{
    const std::string_view in = untilFirstZero(eucJp);
    std::u16string out;
    out.reserve(unicodeStepBound(eucJp.size()) / 2);
    forEachCharacter(in, eucJpLength, [&](std::string_view c) {
        if (c.size() == 1) {
            out += char16_t(std::uint8_t(c[0]));
            return true;
        }
        std::uint32_t code = 0;
        for (const char byte : c)
            code = code << 8 | std::uint8_t(byte);
        out += char16_t(codePointForEuc(code).value_or(kReplacementUnicode));
        return true;
    });
    return out;
}

std::string ucs2ToEucJp(std::u16string_view ucs2)
{
    const std::u16string_view in = untilFirstZero(ucs2);
    std::string out;
    out.reserve(unicodeStepBound(2 * ucs2.size()));
    for (const char16_t unit : in) {
        if (unit < 0x80) {
            out += char(unit);
            continue;
        }
        const auto euc = eucForCodePoint(unit);
        if (!euc) {
            out += kReplacementEucJp;
            continue;
        }
        // The code's bytes without its leading zero bytes.
        bool started = false;
        for (int shift = 24; shift >= 0; shift -= 8) {
            const std::uint8_t byte = std::uint8_t(*euc >> shift);
            started = started || byte != 0;
            if (started)
                out += char(byte);
        }
    }
    return out;
}

std::u16string utf8ToUcs2(std::string_view utf8)
{
    const std::string_view in = untilFirstZero(utf8);
    std::u16string out;
    out.reserve(unicodeStepBound(utf8.size()) / 2);
    // A four-byte sequence lies beyond UCS-2. Taking it as a three-byte one would leave
    // its last byte to swallow the next character.
    const auto lengthOf = [](std::uint8_t lead) {
        return lead < 0x80 ? 1u : lead >= 0xF0 ? 4u : lead >= 0xE0 ? 3u : 2u;
    };
    forEachCharacter(in, lengthOf, [&](std::string_view c) {
        const std::uint8_t lead = c[0];
        // Continuation bytes are taken as they come, without validation.
        auto continuation = [&](std::size_t k) { return char16_t(std::uint8_t(c[k]) & 0x3F); };
        switch (c.size()) {
        case 1: out += char16_t(lead); break;
        case 2: out += char16_t((lead & 0x1F) << 6 | continuation(1)); break;
        case 3: out += char16_t((lead & 0x0F) << 12 | continuation(1) << 6 | continuation(2)); break;
        default: out += kReplacementUnicode; break;
        }
        return true;
    });
    return out;
}

std::string ucs2ToUtf8(std::u16string_view ucs2)
{
    const std::u16string_view in = untilFirstZero(ucs2);
    std::string out;
    out.reserve(unicodeStepBound(2 * ucs2.size()));
    for (const char16_t unit : in) {
        if (unit <= 0x7F) {
            out += char(unit);
        } else if (unit <= 0x7FF) {
            out += char(0xC0 | unit >> 6);
            out += char(0x80 | (unit & 0x3F));
        } else {
            out += char(0xE0 | unit >> 12);
            out += char(0x80 | ((unit >> 6) & 0x3F));
            out += char(0x80 | (unit & 0x3F));
        }
    }
    return out;
}

}  // namespace jcode
