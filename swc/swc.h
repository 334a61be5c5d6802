#pragma once

// Thin wrappers over Qt widgets in the shape of the platform's window handles:
// StdWindowClass (what every window offers), SWC (a window class of its own and a
// top-level window), SCC (a standard control that can be subclassed) and EWC (the
// program's main-window class). Window procedures are plain functions; the wrappers
// translate the widgets' events and signals into the messages those functions read.

#include <stdexcept>
#include <string>

#include "swc/user32.h"
#include "swc/win32_types.h"

// Raised when a class, window or control cannot be made:
// "AssertError Failure swc(N)" with N the check's line number (103, 107 or 199).
class AssertError : public std::runtime_error {
public:
    AssertError(const char* module, unsigned line);
};

// A window class: registration data of SWC::create.
struct WNDCLASSA {
    UINT style = 0;
    WNDPROC lpfnWndProc = nullptr;
    int cbClsExtra = 0;
    int cbWndExtra = 0;
    const char* lpszMenuName = nullptr;
    const char* lpszClassName = nullptr;
    // Name of the window icon given by setIcon: a file or Qt resource path.
    const char* lpszIconName = nullptr;
};

class StdWindowClass {
public:
    // Destroying a wrapper does not destroy its window.
    virtual ~StdWindowClass() = default;

    virtual HWND handle() const;
    virtual std::string getText() const;
    virtual void setText(const std::string& text);
    virtual void setFocus();
    virtual RECT clientRect() const;
    virtual RECT windowRect() const;
    virtual void move(int x, int y, int width, int height);
    // Takes the record's right and bottom as width and height.
    virtual void moveTo(const RECT& rect);
    virtual void show();
    virtual void hide();
    // Performs the messages the program sends to its controls: WM_SETFONT,
    // CB_ADDSTRING, CB_SETCURSEL, CB_GETCURSEL, TCM_INSERTITEMA, TCM_SETCURSEL,
    // TCM_GETCURSEL and BM_CLICK. Selecting from the program raises no notification;
    // BM_CLICK notifies as a real click does.
    virtual LRESULT sendMessage(UINT msg, WPARAM wParam, LPARAM lParam);

protected:
    HWND hwnd = nullptr;
};

class SWC : public StdWindowClass {
public:
    SWC();

    virtual void* instance() const;
    virtual void setIcon(const char* name);
    virtual const char* setMenuName(const char* name);
    // Registers className with windowProc and creates a top-level 400 x 300 window.
    // Raises AssertError line 103 when the class cannot be registered (for example a
    // name registered before) and line 107 when the window cannot be created.
    virtual void create(const char* className, const char* title, WNDPROC windowProc);
    virtual HWND activate();

    WNDCLASSA wc;
    std::uint32_t windowStyle;
    std::uint32_t exStyle;
};

class SCC : public StdWindowClass {
public:
    // Takes the next control identifier, counting from 10000.
    SCC();

    virtual unsigned id() const;
    // Routes the control's messages to windowProc; a second subclass keeps the
    // procedure saved by the first so callPreviousProc always reaches the class's own.
    virtual void subclass(WNDPROC windowProc);
    virtual void unsubclass();
    virtual LRESULT callPreviousProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // Creates the control as a visible 0 x 0 child of parent at (0, 0). className is
    // one of "BUTTON", "COMBOBOX", "STATIC", "SCROLLBAR", "SysTabControl32"; any
    // other name, or a parent without a window, raises AssertError line 199.
    virtual void create(const char* className, const char* text, StdWindowClass& parent);

    std::uint32_t windowStyle;
    std::uint32_t exStyle;
    unsigned controlId;
    WNDPROC previousProc = nullptr;
};

// The program's main-window class: an SWC with nothing added.
class EWC : public SWC {};
