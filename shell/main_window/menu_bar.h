#pragma once

// The main window's menu bar, made from the command registry: every command with its
// label and, beside it, the key that gives it. An item is greyed while its command
// cannot act. The menus never hold a shortcut of their own: every key reaches the
// editing area and the key tables as before, and a chosen item reaches the main
// window's procedure as WM_COMMAND, as a key does through its command.

#include <optional>

class EWC;
class QMenuBar;
struct Command;

// Whether a command can act now; the menus grey the items of those that cannot. The
// application says it: the menu bar lies below the commands it lists.
using CommandCanAct = bool (*)(const Command& command);

// Puts the menu bar on the main window, before its controls are placed.
void installMenuBar(EWC& window, CommandCanAct canAct);

// The WM_COMMAND identifiers of the menu items: a command's, and an image of File >
// Open Recent by its place in the list (-1 for Clear).
unsigned menuCommandId(const Command& command);
unsigned recentImageMenuId(int index);
// What an identifier names: the command of its item, or nullptr; the place of its
// image in File > Open Recent (-1 for Clear), or none.
const Command* commandOfMenuItem(unsigned id);
std::optional<int> recentImageOfMenuItem(unsigned id);

// The menu bar, or nullptr before it is installed.
QMenuBar* mainMenuBar();

// Brings the File > Open Recent list up to date with the settings.
void refreshRecentMenu();
// Fills Tools > Scripts again: the scripts folder's files and the registered commands.
void refreshScriptsMenu();
