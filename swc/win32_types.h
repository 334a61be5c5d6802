#pragma once

// The small part of the Win32 vocabulary the program is written in: message numbers,
// notification codes, styles and records. The window wrappers translate Qt events into
// these messages so that the window procedures read like the platform they describe.

#include <cstdint>

class QWidget;

using HWND = QWidget*;
using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// A window procedure: a plain function that receives every message of its window.
using WNDPROC = LRESULT (*)(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

struct RECT {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct POINT {
    int x = 0;
    int y = 0;
};

// Header of a WM_NOTIFY message; lParam points to it.
struct NMHDR {
    HWND hwndFrom = nullptr;
    std::uintptr_t idFrom = 0;
    int code = 0;
};

// Item of a tab control (TCM_INSERTITEMA); only the text is used.
struct TCITEMA {
    UINT mask = 0;
    const char* pszText = nullptr;
};

struct SCROLLINFO {
    UINT cbSize = sizeof(SCROLLINFO);
    UINT fMask = 0;
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};

constexpr WPARAM MAKEWPARAM(unsigned low, unsigned high)
{
    return WPARAM((low & 0xFFFFu) | ((high & 0xFFFFu) << 16));
}
constexpr LPARAM MAKELPARAM(int low, int high)
{
    return LPARAM(std::uint32_t((unsigned(low) & 0xFFFFu) | ((unsigned(high) & 0xFFFFu) << 16)));
}
constexpr unsigned LOWORD(std::uintptr_t v)
{
    return unsigned(v & 0xFFFFu);
}
constexpr unsigned HIWORD(std::uintptr_t v)
{
    return unsigned((v >> 16) & 0xFFFFu);
}
// Signed coordinates packed in an LPARAM (GET_X_LPARAM / GET_Y_LPARAM).
constexpr int GET_X_LPARAM(LPARAM v)
{
    return int(std::int16_t(v & 0xFFFF));
}
constexpr int GET_Y_LPARAM(LPARAM v)
{
    return int(std::int16_t((v >> 16) & 0xFFFF));
}

// Messages.
inline constexpr UINT WM_DESTROY = 0x0002;
inline constexpr UINT WM_ACTIVATE = 0x0006;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_QUIT = 0x0012;
inline constexpr UINT WM_SETFONT = 0x0030;
inline constexpr UINT WM_NOTIFY = 0x004E;
inline constexpr UINT WM_NCHITTEST = 0x0084;
inline constexpr UINT WM_KEYDOWN = 0x0100;
inline constexpr UINT WM_KEYUP = 0x0101;
inline constexpr UINT WM_SYSKEYDOWN = 0x0104;
inline constexpr UINT WM_SYSKEYUP = 0x0105;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_HSCROLL = 0x0114;
inline constexpr UINT WM_MOUSEMOVE = 0x0200;
inline constexpr UINT WM_LBUTTONDOWN = 0x0201;
inline constexpr UINT WM_LBUTTONUP = 0x0202;
inline constexpr UINT WM_RBUTTONDOWN = 0x0204;
inline constexpr UINT WM_RBUTTONUP = 0x0205;
inline constexpr UINT BM_CLICK = 0x00F5;
inline constexpr UINT CB_ADDSTRING = 0x0143;
inline constexpr UINT CB_GETCURSEL = 0x0147;
inline constexpr UINT CB_SETCURSEL = 0x014E;
inline constexpr UINT TCM_INSERTITEMA = 0x1307;
inline constexpr UINT TCM_GETCURSEL = 0x130B;
inline constexpr UINT TCM_SETCURSEL = 0x130C;

// WM_ACTIVATE states.
inline constexpr unsigned WA_INACTIVE = 0;
inline constexpr unsigned WA_ACTIVE = 1;
inline constexpr unsigned WA_CLICKACTIVE = 2;

// Notification codes.
inline constexpr unsigned BN_CLICKED = 0;
inline constexpr unsigned CBN_SELCHANGE = 1;
inline constexpr int TCN_SELCHANGE = -551;
inline constexpr UINT TCIF_TEXT = 1;

// Scroll-bar codes (LOWORD of WM_HSCROLL's wParam) and SetScrollInfo.
inline constexpr unsigned SB_LINELEFT = 0;
inline constexpr unsigned SB_LINERIGHT = 1;
inline constexpr unsigned SB_PAGELEFT = 2;
inline constexpr unsigned SB_PAGERIGHT = 3;
inline constexpr unsigned SB_THUMBPOSITION = 4;
inline constexpr unsigned SB_THUMBTRACK = 5;
inline constexpr unsigned SB_LEFT = 6;
inline constexpr unsigned SB_RIGHT = 7;
inline constexpr unsigned SB_ENDSCROLL = 8;
inline constexpr int SB_CTL = 2;
inline constexpr UINT SIF_RANGE = 0x1;
inline constexpr UINT SIF_PAGE = 0x2;
inline constexpr UINT SIF_POS = 0x4;
inline constexpr UINT SIF_DISABLENOSCROLL = 0x8;

// Window and control styles.
inline constexpr std::uint32_t WS_CHILD = 0x40000000;
inline constexpr std::uint32_t WS_VISIBLE = 0x10000000;
inline constexpr std::uint32_t WS_CLIPSIBLINGS = 0x04000000;
inline constexpr std::uint32_t WS_SYSMENU = 0x00080000;
inline constexpr std::uint32_t WS_THICKFRAME = 0x00040000;
inline constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000;
inline constexpr std::uint32_t WS_MAXIMIZEBOX = 0x00010000;
inline constexpr std::uint32_t CBS_DROPDOWNLIST = 0x0003;
inline constexpr UINT CS_VREDRAW = 0x0001;
inline constexpr UINT CS_HREDRAW = 0x0002;
inline constexpr UINT CS_DBLCLKS = 0x0008;

// Hit-test answers (WM_NCHITTEST): transparent passes the mouse event on to the
// window beneath, client keeps it.
inline constexpr LRESULT HTTRANSPARENT = -1;
inline constexpr LRESULT HTCLIENT = 1;

// Mouse-message key flags (wParam of WM_LBUTTONDOWN and the other mouse messages).
inline constexpr WPARAM MK_LBUTTON = 0x01;
inline constexpr WPARAM MK_RBUTTON = 0x02;
inline constexpr WPARAM MK_SHIFT = 0x04;
inline constexpr WPARAM MK_CONTROL = 0x08;
inline constexpr WPARAM MK_MBUTTON = 0x10;

// Error result of the combo-box messages.
inline constexpr LRESULT CB_ERR = -1;

// Message box flags and result.
inline constexpr UINT MB_OK = 0x0;
inline constexpr UINT MB_YESNOCANCEL = 0x3;
inline constexpr UINT MB_YESNO = 0x4;
inline constexpr UINT MB_ICONHAND = 0x10;
inline constexpr UINT MB_ICONQUESTION = 0x20;
inline constexpr UINT MB_ICONEXCLAMATION = 0x30;
inline constexpr UINT MB_ICONASTERISK = 0x40;
inline constexpr UINT MB_ICONMASK = 0xF0;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
