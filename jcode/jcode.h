#pragma once

#include <string>
#include <string_view>

// Detection of and conversion between the Japanese text encodings EUC-JP, Shift_JIS
// and UTF-8. Texts and names are byte strings, read only up to their first zero byte,
// where a C string would end.

// Encoding codes.
inline constexpr int kEncodingNone = 0;  // no encoding named; plain ASCII when detected
inline constexpr int kEncodingEucJp = 1;
inline constexpr int kEncodingShiftJis = 2;
inline constexpr int kEncodingIso2022Jp = 3;  // recognised, never converted
inline constexpr int kEncodingUtf8 = 4;
inline constexpr int kEncodingUnknown = 5;  // detection only: none of the above

// The code of an encoding name, matched regardless of case: "e", "euc", "euc-jp" give 1,
// "s", "sjis", "shift_jis" 2, "j", "jis", "iso-2022-jp" 3, "u", "utf8", "utf-8" 4, and
// every other name, "auto" included, 0.
int encodingCode(std::string_view name);

// Guesses the encoding of a text: 0 for plain ASCII, 3 for ASCII with an escape byte,
// else the first of EUC-JP (1), UTF-8 (4) and Shift_JIS (2) whose byte patterns the
// text fits, or 5 when it fits none.
int detectEncoding(std::string_view text);

// Converts text from the encoding named fromName to the one named toName. A source
// name that gives code 0 ("auto") means the detected encoding. Supported are EUC-JP,
// Shift_JIS and UTF-8 in every direction; any other pair, equal encodings included,
// returns the text unchanged. Characters without a mapping become the geta mark
// (U+3013), and the output ends where the input's first zero byte is.
std::string convertEncoding(std::string_view text, std::string_view fromName, std::string_view toName);
