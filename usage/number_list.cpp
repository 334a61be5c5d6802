#include "usage/number_list.h"

#include <cstdio>

#include "text/translation.h"

namespace {

void appendHex(std::string& out, int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%.2X", unsigned(value));
    out += text;
}

}  // namespace

std::string compactNumberList(std::span<const int> numbers)
{
    if (numbers.empty())
        return translated("number_list", "none");
    std::string out;
    std::size_t start = 0;
    while (start < numbers.size()) {
        std::size_t end = start;
        while (end + 1 < numbers.size() && numbers[end + 1] == numbers[end] + 1)
            ++end;
        if (!out.empty())
            out += ", ";
        if (end - start >= 2) {
            appendHex(out, numbers[start]);
            out += '-';
            appendHex(out, numbers[end]);
        } else {
            appendHex(out, numbers[start]);
            if (end > start) {
                out += ", ";
                appendHex(out, numbers[end]);
            }
        }
        start = end + 1;
    }
    return out;
}
