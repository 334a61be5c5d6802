#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

// A byte string from byte values, readable where escapes would run into each other.
inline std::string bytes(std::initializer_list<int> values)
{
    std::string text;
    for (int value : values)
        text += char(value);
    return text;
}

// The UTF-8 form of a code point of the Basic Multilingual Plane.
inline std::string utf8Of(std::uint32_t codePoint)
{
    if (codePoint < 0x80)
        return bytes({int(codePoint)});
    if (codePoint < 0x800)
        return bytes({int(0xC0 | codePoint >> 6), int(0x80 | (codePoint & 0x3F))});
    return bytes({int(0xE0 | codePoint >> 12), int(0x80 | ((codePoint >> 6) & 0x3F)), int(0x80 | (codePoint & 0x3F))});
}
