#pragma once

#include <string>

class QString;

// The toolkit hands out the command line as strings decoded from UTF-8, which cannot
// carry a file name whose bytes are something else (Shift_JIS, EUC-JP): such a name
// would come back as another name. So the original bytes are kept, and an argument's
// value is looked up there again.

// Keeps the arguments left once the toolkit has taken its own.
void keepArgumentBytes(int argc, const char* const* argv);

// The bytes of the argument that the toolkit decoded to value (or of the part after
// '=' of an "--option=value" argument). Without a match, value in UTF-8.
std::string argumentBytes(const QString& value);
