#pragma once

#include <string_view>

#include "model/editor.h"

// Tells the user why an edit changes nothing, in a box owned by the main window.
inline void refuse(EDITOR& editor, std::string_view text)
{
    editor.host().messageBox(text, "error", MessageIcon::Exclamation);
}
