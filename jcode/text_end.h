#pragma once

#include <string_view>

namespace jcode {

// The part of a text before its first zero, where a C string would end.
template <typename Char>
std::basic_string_view<Char> untilFirstZero(std::basic_string_view<Char> text)
{
    return text.substr(0, text.find(Char(0)));
}

}  // namespace jcode
