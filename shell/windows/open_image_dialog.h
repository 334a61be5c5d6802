#pragma once

#include <optional>
#include <string>

// The file-open dialog: any one existing file. The name comes back exactly as the
// file system spells it, ready for loadRom; a name that the dialog cannot hand back
// (bytes that are not UTF-8) is an error that says so.
std::optional<std::string> openRomDialog();
