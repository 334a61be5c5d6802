#pragma once

// The shell operations that keep the main window's controls and the editor's
// selections in step: the window procedures and the commands use them, and the main
// window applies the first selections with them when it is built.

#include <string>

#include "swc/win32_types.h"

// "Quarrix Editor ver." followed by the program's version.
std::string windowTitle();

// The main window's title: the image's file name, a mark while the tables differ from
// what the file holds, and windowTitle(), as in "stage.nes* - Quarrix Editor ver.1.2.0".
void updateWindowTitle();

// Every field of scrollInfo: its range, page and position.
inline constexpr UINT kScrollInfoAll = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;

// Hands the fields of scrollInfo that its fMask names to the scroll bar.
void applyScrollInfo();

// Labels, places, shows and hides the step buttons and the scroll bar for view 0 to 4
// and sets the scroll maximum of the views that scroll. applySelections then hands
// the range to the scroll bar.
void layoutView(int view);

// Copies the stage, palette set and view chosen in the controls into the editor,
// re-applies the palette set, lays the view out and redraws the chips. The scroll
// position stays as it is.
void applySelections();

// Moves the scroll bar and the editor's viewPos to pos and redraws the view once.
void setScrollPos(int pos);

// Moves the scroll position by delta, kept within 0 and the view's scroll maximum.
void scrollBy(int delta);
