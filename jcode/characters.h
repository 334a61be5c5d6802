#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The byte classes of the Japanese encodings and the walk over a text's characters
// that detection and every conversion step share.

namespace jcode {

constexpr bool inRange(std::uint8_t byte, int low, int high)
{
    return byte >= low && byte <= high;
}

// A byte of a JIS X 0208 pair in EUC-JP, lead or trail.
constexpr bool isEucJpGridByte(std::uint8_t byte)
{
    return inRange(byte, 0xA1, 0xFE);
}
// One byte in Shift_JIS; the byte after 0x8E in EUC-JP.
constexpr bool isHalfWidthKatakana(std::uint8_t byte)
{
    return inRange(byte, 0xA1, 0xDF);
}
constexpr bool isShiftJisLead(std::uint8_t byte)
{
    return inRange(byte, 0x81, 0x9F) || inRange(byte, 0xE0, 0xEF);
}
constexpr bool isShiftJisTrail(std::uint8_t byte)
{
    return inRange(byte, 0x40, 0x7E) || inRange(byte, 0x80, 0xFC);
}

// The bytes of an EUC-JP character by its first byte: JIS X 0212 (0x8F) takes three.
constexpr std::size_t eucJpLength(std::uint8_t lead)
{
    return lead < 0x80 ? 1 : lead == 0x8F ? 3 : 2;
}

// Splits text into characters, each as long as lengthOf says from its first byte, and
// hands each to visit, which returns false to stop. A character cut off by the end of
// the text stops the walk and is not visited. True when the walk reached the end.
template <typename Char, typename LengthOf, typename Visit>
bool forEachCharacter(std::basic_string_view<Char> text, LengthOf lengthOf, Visit visit)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t length = lengthOf(std::uint8_t(text[i]));
        if (text.size() - i < length)
            return false;
        if (!visit(text.substr(i, length)))
            return false;
        i += length;
    }
    return true;
}

}  // namespace jcode
