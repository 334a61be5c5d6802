#pragma once

// The two window procedures through which every user action reaches the editor.

#include <functional>

#include "swc/win32_types.h"

// The main window: keys, activation, the combo boxes, the buttons of the top row, the
// tab control and the close box.
LRESULT mainWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The editing area: the scroll bar, the step buttons, every pointer movement and
// button change over the area, and its repaint.
LRESULT editAreaProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The scroll position that scroll-bar action code (SB_LINELEFT to SB_RIGHT, anything
// else keeps the position) leads to from info's position; thumb is the dragged
// thumb's position.
int scrolledPosition(unsigned code, int thumb, const SCROLLINFO& info);

// What follows every user action, wherever it came from (a side window's own
// controls too): the history and the kept edits take it in, and the side windows
// follow it.
void afterUserInput();

// Called after each repaint of the editing area (for timing the first frame).
void setEditAreaPaintObserver(std::function<void()> observer);
