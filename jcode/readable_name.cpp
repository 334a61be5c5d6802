#include "jcode/readable_name.h"

#include <cstdint>
#include <cstdio>

#include "jcode/jcode.h"

namespace {

// Length of the well-formed UTF-8 character at text[at], or 0 when it is not one.
std::size_t utf8Length(std::string_view text, std::size_t at)
{
    const std::uint8_t lead = text[at];
    if (lead < 0x80)
        return 1;
    std::size_t length;
    std::uint8_t low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;  // overlong below U+0800
        if (lead == 0xED)
            high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;  // overlong below U+10000
        if (lead == 0xF4)
            high = 0x8F;  // above U+10FFFF
    } else {
        return 0;
    }
    if (text.size() - at < length)
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const std::uint8_t byte = text[at + k];
        if (byte < (k == 1 ? low : 0x80) || byte > (k == 1 ? high : 0xBF))
            return 0;
    }
    return length;
}

}  // namespace

bool isUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = utf8Length(text, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

std::string readableName(std::string_view name)
{
    if (isUtf8(name))
        return std::string(name);
    const std::string converted = convertEncoding(name, "auto", "UTF-8");
    std::string shown;
    for (std::size_t at = 0; at < converted.size();) {
        const std::size_t length = utf8Length(converted, at);
        if (length == 0) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", unsigned(std::uint8_t(converted[at])));
            shown += escaped;
            ++at;
        } else {
            shown.append(converted, at, length);
            at += length;
        }
    }
    return shown;
}
