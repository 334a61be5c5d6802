#pragma once

// The platform calls that the window procedures and the shell make, done with Qt.

#include <functional>
#include <string>

#include "swc/win32_types.h"

class QImage;
class QRegion;

// The default handling of a message that a window procedure passes on: WM_SETFONT
// (wParam = a QFont*, lParam nonzero = redraw) sets the window's font, WM_NCHITTEST
// answers HTCLIENT, everything else returns 0. Events the wrappers translate carry on
// as Qt handles them whatever the procedure returns.
LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Forgets a class registered by SWC::create so that the name can be registered again.
// Fails (returns false) for an unknown name and while a window of the class exists.
bool UnregisterClassA(const char* className);

// Sends WM_DESTROY to the window's procedure, hides the window and deletes it once
// control returns to the event loop; the handle receives no further messages.
void DestroyWindow(HWND hwnd);

// Schedules a repaint of the window. Inside the window's own paint handling it does
// nothing: the paint under way already shows the current picture, and asking again
// from there would repaint without end.
void InvalidateRect(HWND hwnd, const RECT* rect, bool erase);

// Screen coordinates of a point of a window's client area, and back.
POINT ClientToScreen(HWND hwnd, POINT point);
POINT ScreenToClient(HWND hwnd, POINT point);

// Gives hwnd the keyboard focus.
void SetFocus(HWND hwnd);

// The state of a key or mouse button by virtual-key code: the high bit (0x8000) is set
// while it is held down. VK_LBUTTON, VK_RBUTTON, VK_SHIFT and VK_CONTROL are kept from
// the input events the wrappers translate, so they are exact at the time a message is
// handled, also for synthetic events in tests.
short GetKeyState(int virtualKey);

// Applies the fields of info that fMask names to a "SCROLLBAR" control (bar = SB_CTL).
void SetScrollInfo(HWND scrollBar, int bar, const SCROLLINFO* info, bool redraw);

// Ends the running message loops (QCoreApplication::exit). The quit also stays posted
// until takeQuitMessage collects it, so a loop that starts after the call can end at
// once, as a quit message waiting in the queue would make it. Run the main loop with
// QCoreApplication::exec: only that clears Qt's quit state when it returns, and until
// then every modal loop (a message box) would return at once.
void PostQuitMessage(int exitCode);
// True when PostQuitMessage was called since the last call; stores its exit code in
// exitCode (may be null) and clears the posted quit.
bool takeQuitMessage(int* exitCode);

// A modal message box with one OK button. owner may be none.
int MessageBoxA(HWND owner, const char* text, const char* caption, UINT flags);

// A modal question with two buttons labelled yes and no (MB_YESNO with the labels the
// question needs). Returns IDYES or IDNO; closing the box answers no.
int QuestionBoxA(HWND owner, const char* text, const char* caption, const char* yes, const char* no);

// A modal question with three buttons labelled yes, no and cancel (MB_YESNOCANCEL).
// Returns IDYES, IDNO or IDCANCEL; closing the box (Escape) cancels.
int ChoiceBoxA(HWND owner, const char* text, const char* caption, const char* yes, const char* no, const char* cancel);

// Lets tests answer message boxes: while a handler is set, MessageBoxA calls it instead
// of showing a box, and returns what it returns. QuestionBoxA and ChoiceBoxA call it
// too, with MB_YESNO or MB_YESNOCANCEL in the flags.
struct MessageBoxRequest {
    HWND owner;
    std::string text;
    std::string caption;
    UINT flags;
};
using MessageBoxHandler = std::function<int(const MessageBoxRequest&)>;
void setMessageBoxHandler(MessageBoxHandler handler);

// The picture a "STATIC" control shows; it is as large as the control's client area
// and starts white. Null for any other window.
QImage* staticPicture(HWND staticControl);
// Repaints the part of a "STATIC" control that shows the changed part of its picture.
void updateStaticPicture(HWND staticControl, const QRegion& changed);
