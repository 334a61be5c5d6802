#pragma once

// The standard controls SCC::create makes, and their class procedures: the
// procedure a control has before anything subclasses it, which performs the messages
// the program sends it.

#include <cstdint>

#include "swc/win32_types.h"

namespace swc {

// Makes the control of className ("BUTTON", "COMBOBOX", "STATIC", "SCROLLBAR" or
// "SysTabControl32") as a child of parent at (0, 0) with size 0 x 0, shown when style
// has WS_VISIBLE, and enters it with its class procedure and id. Returns null for any
// other class name.
HWND createControl(const char* className, const char* text, std::uint32_t style, HWND parent, unsigned controlId);

// The class procedure of a control made by createControl (null for other windows).
WNDPROC classProcedure(HWND control);

}  // namespace swc
