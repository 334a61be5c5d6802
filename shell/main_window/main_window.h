#pragma once

// The main window and its controls, built once per image.

struct Command;

// The row of controls along the top of the main window's client area, and the top of
// the editing area, just under the tab labels.
inline constexpr int kTopRowHeight = 20;
// The main window's outer size, frame included (a menu bar adds its height).
inline constexpr int kMainWindowWidth = 514;
inline constexpr int kMainWindowHeight = 588;
inline constexpr int kEditAreaTop = 40;

// Creates the font, the main window with its menu bar, every control and the editor's surfaces, installs
// the application as the editor's host, and applies the first selections (stage 0,
// palette set 0, view "MAP").
// The menus ask commandCanAct whether to grey a command's item.
void buildUi(bool (*commandCanAct)(const Command& command));
