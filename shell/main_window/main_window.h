#pragma once

// The main window and its controls, and the shell operations that keep the controls
// and the editor's selections in step.

#include <string>

struct Command;

// The row of controls along the top of the main window's client area, and the top of
// the editing area, just under the tab labels.
inline constexpr int kTopRowHeight = 20;
// The main window's outer size, frame included (a menu bar adds its height).
inline constexpr int kMainWindowWidth = 514;
inline constexpr int kMainWindowHeight = 588;
inline constexpr int kEditAreaTop = 40;

// "Quarrix Editor ver." followed by the program's version.
std::string windowTitle();

// The main window's title: the image's file name, a mark while the tables differ from
// what the file holds, and windowTitle(), as in "stage.nes* - Quarrix Editor ver.1.2.0".
void updateWindowTitle();

// Creates the font, the main window with its menu bar, every control and the editor's surfaces, installs
// the application as the editor's host, and applies the first selections (stage 0,
// palette set 0, view "MAP").
// The menus ask commandCanAct whether to grey a command's item.
void buildUi(bool (*commandCanAct)(const Command& command));

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
