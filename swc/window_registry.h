#pragma once

// What the wrappers know about every window they made: its kind, its current window
// procedure (what GWL_WNDPROC names on the platform) and its control identifier.
// Messages reach a window only through this table, so a window without an entry
// (never made by the wrappers, or already destroyed) receives none.

#include <string>

#include "swc/win32_types.h"

namespace swc {

enum class WindowKind { TopLevel, Button, ComboBox, Static, ScrollBar, TabControl };

struct WindowRecord {
    WindowKind kind = WindowKind::TopLevel;
    // The procedure that receives the window's messages: the registered class
    // procedure of a top-level window, a control's class procedure or the
    // procedure that subclassed it.
    WNDPROC procedure = nullptr;
    unsigned controlId = 0;
    // The registered class of a top-level window; empty for controls.
    std::string className;
};

// Enters hwnd; the entry goes when the widget is destroyed.
void addWindow(HWND hwnd, const WindowRecord& record);
void removeWindow(HWND hwnd);
WindowRecord* findWindow(HWND hwnd);
bool anyWindowOfClass(const std::string& className);

// Calls the window's procedure; 0 when it has none.
LRESULT dispatchMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Sends a control's notification to the procedure of its parent window.
LRESULT notifyParent(HWND control, UINT msg, WPARAM wParam, LPARAM lParam);

// Window class names registered by SWC::create.
bool registerClassName(const std::string& className);
bool unregisterClassName(const std::string& className);

}  // namespace swc
