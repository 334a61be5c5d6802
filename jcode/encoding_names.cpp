#include <algorithm>
#include <array>
#include <string>

#include "jcode/jcode.h"
#include "jcode/text_end.h"

namespace {

struct EncodingName {
    std::string_view name;
    int code;
};

constexpr std::array<EncodingName, 12> kEncodingNames = {{
    {"e", kEncodingEucJp},
    {"euc", kEncodingEucJp},
    {"euc-jp", kEncodingEucJp},
    {"s", kEncodingShiftJis},
    {"sjis", kEncodingShiftJis},
    {"shift_jis", kEncodingShiftJis},
    {"j", kEncodingIso2022Jp},
    {"jis", kEncodingIso2022Jp},
    {"iso-2022-jp", kEncodingIso2022Jp},
    {"u", kEncodingUtf8},
    {"utf8", kEncodingUtf8},
    {"utf-8", kEncodingUtf8},
}};

}  // namespace

int encodingCode(std::string_view name)
{
    std::string lower(jcode::untilFirstZero(name));
    // ASCII only: the locale's idea of case must not change which name matches.
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    for (const auto& entry : kEncodingNames)
        if (entry.name == lower)
            return entry.code;
    return kEncodingNone;
}
