// Guessing the encoding of a text by which byte patterns it fits. EUC-JP is tried
// before UTF-8 and Shift_JIS, so a text that fits several counts as EUC-JP.

#include <algorithm>
#include <cstdint>

#include "jcode/jcode.h"
#include "jcode/text_end.h"

namespace {

bool inRange(std::uint8_t byte, int low, int high) { return byte >= low && byte <= high; }

// JIS X 0208 pairs and half-width katakana. JIS X 0212 (0x8F) does not count: a text
// that uses it is not recognised as EUC-JP.
bool fitsEucJp(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const std::uint8_t lead = text[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (i + 1 >= text.size())
            return false;
        const std::uint8_t trail = text[i + 1];
        if (lead == 0x8E) {
            if (!inRange(trail, 0xA1, 0xDF))
                return false;
        } else if (!inRange(lead, 0xA1, 0xFE) || !inRange(trail, 0xA1, 0xFE)) {
            return false;
        }
        i += 2;
    }
    return true;
}

// Characters of up to three bytes, the Basic Multilingual Plane.
bool fitsUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const std::uint8_t lead = text[i];
        std::size_t continuations;
        if (lead < 0x80)
            continuations = 0;
        else if (inRange(lead, 0xC0, 0xDF))
            continuations = 1;
        else if (inRange(lead, 0xE0, 0xEF))
            continuations = 2;
        else
            return false;
        if (text.size() - i - 1 < continuations)
            return false;
        for (std::size_t k = 1; k <= continuations; ++k)
            if (!inRange(std::uint8_t(text[i + k]), 0x80, 0xBF))
                return false;
        i += 1 + continuations;
    }
    return true;
}

bool fitsShiftJis(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const std::uint8_t lead = text[i];
        if (lead <= 0x80 || inRange(lead, 0xA1, 0xDF)) {
            ++i;
            continue;
        }
        if (lead == 0xA0 || lead > 0xEF)
            return false;
        if (i + 1 >= text.size())
            return false;
        const std::uint8_t trail = text[i + 1];
        if (!inRange(trail, 0x40, 0xFC) || trail == 0x7F)
            return false;
        i += 2;
    }
    return true;
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
