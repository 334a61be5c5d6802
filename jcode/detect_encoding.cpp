// Guessing the encoding of a text by which byte patterns it fits. EUC-JP is tried
// before UTF-8 and Shift_JIS, so a text that fits several counts as EUC-JP.

#include <algorithm>
#include <cstdint>

#include "jcode/characters.h"
#include "jcode/jcode.h"
#include "jcode/text_end.h"

namespace {

using namespace jcode;

// JIS X 0208 pairs and half-width katakana. JIS X 0212 (0x8F) does not count: a text
// that uses it is not recognised as EUC-JP.
bool fitsEucJp(std::string_view text)
{
    return forEachCharacter(
        text, [](std::uint8_t lead) { return lead < 0x80 ? 1u : 2u; },
        [](std::string_view c) {
            const std::uint8_t lead = c[0];
            if (c.size() == 1)
                return true;
            const std::uint8_t trail = c[1];
            if (lead == 0x8E)
                return isHalfWidthKatakana(trail);
            return isEucJpGridByte(lead) && isEucJpGridByte(trail);
        });
}

// Characters of up to three bytes, the Basic Multilingual Plane. A byte that starts no
// such character counts as one and fails.
bool fitsUtf8(std::string_view text)
{
    return forEachCharacter(
        text,
        [](std::uint8_t lead) {
            if (inRange(lead, 0xC0, 0xDF))
                return 2u;
            if (inRange(lead, 0xE0, 0xEF))
                return 3u;
            return 1u;
        },
        [](std::string_view c) {
            const std::uint8_t lead = c[0];
            if (c.size() == 1)
                return lead < 0x80;
            for (std::size_t k = 1; k < c.size(); ++k)
                if (!inRange(std::uint8_t(c[k]), 0x80, 0xBF))
                    return false;
            return true;
        });
}

bool fitsShiftJis(std::string_view text)
{
    return forEachCharacter(
        text, [](std::uint8_t lead) { return lead <= 0x80 || isHalfWidthKatakana(lead) ? 1u : 2u; },
        [](std::string_view c) {
            return c.size() == 1 || (isShiftJisLead(std::uint8_t(c[0])) && isShiftJisTrail(std::uint8_t(c[1])));
        });
}

}  // namespace

int detectEncoding(std::string_view text)
{
    text = jcode::untilFirstZero(text);
    const auto firstHigh = std::find_if(text.begin(), text.end(), [](char c) { return std::uint8_t(c) >= 0x80; });
    if (firstHigh == text.end())
        return text.find('\x1B') != std::string_view::npos ? kEncodingIso2022Jp : kEncodingNone;

    // The ASCII before the first high byte fits every encoding alike.
    const std::string_view rest = text.substr(std::size_t(firstHigh - text.begin()));
    if (fitsEucJp(rest))
        return kEncodingEucJp;
    if (fitsUtf8(rest))
        return kEncodingUtf8;
    if (fitsShiftJis(rest))
        return kEncodingShiftJis;
    return kEncodingUnknown;
}
