#pragma once

#include <string>
#include <string_view>

// A file name as the user should read it in a message. Names are bytes: one unpacked
// from a Japanese archive is often Shift_JIS or EUC-JP, which shows as garbage (or
// not at all) where UTF-8 is expected. Such a name is converted for showing only;
// the file is always opened with its own bytes.
//
// Returns the name itself when it is UTF-8, else convertEncoding(name, "auto",
// "UTF-8"); bytes that are still not UTF-8 after that appear as \xNN.
std::string readableName(std::string_view name);

// Whether text is well-formed UTF-8 (no overlong forms, no surrogates, nothing above
// U+10FFFF).
bool isUtf8(std::string_view text);
