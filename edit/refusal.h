#pragma once

#include <string_view>

#include "model/editor.h"
#include "text/translation.h"

// Tells the user why an edit changes nothing, in a box owned by the main window. The
// text comes translated; the caption is translated here.
inline void refuse(EDITOR& editor, std::string_view text)
{
    editor.host().messageBox(text, translated("refusal", "error"), MessageIcon::Exclamation);
}
