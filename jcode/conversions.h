#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The single conversion steps that convertEncoding chains. Each reads its input up to
// its end or its first zero byte (zero unit for UCS-2), whichever comes first, and
// stops early at a multi-byte character that is cut off there, writing nothing for it.
// Every output stays within the size given by the matching bound below, taken from the
// whole input length.

namespace jcode {

// The replacement for characters without a mapping: the geta mark.
inline constexpr char16_t kReplacementUnicode = 0x3013;
inline constexpr std::string_view kReplacementEucJp = "\xA2\xAE";
inline constexpr std::string_view kReplacementShiftJis = "\x81\xAC";

// JIS X 0208 by arithmetic; JIS X 0212 becomes the replacement.
std::string eucJpToShiftJis(std::string_view eucJp);
std::string shiftJisToEucJp(std::string_view shiftJis);

// Through the mapping table; unmapped codes become the replacement.
std::u16string eucJpToUcs2(std::string_view eucJp);
std::string ucs2ToEucJp(std::u16string_view ucs2);

// Only the Basic Multilingual Plane: UTF-8 characters beyond it become U+3013.
std::u16string utf8ToUcs2(std::string_view utf8);
std::string ucs2ToUtf8(std::u16string_view ucs2);

// Output bounds, in bytes, for an input of the given length in bytes.
constexpr std::size_t shiftJisBound(std::size_t eucJpBytes)
{
    return eucJpBytes + 1;
}
constexpr std::size_t eucJpFromShiftJisBound(std::size_t shiftJisBytes)
{
    return 2 * (shiftJisBytes + 1);
}
constexpr std::size_t unicodeStepBound(std::size_t inputBytes)
{
    return 2 * inputBytes;
}

}  // namespace jcode
