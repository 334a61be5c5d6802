#pragma once

// The main window's menu bar, made from the command registry: every command with its
// label and, beside it, the key that gives it. An item is greyed while its command
// cannot act. The menus never hold a shortcut of their own: every key reaches the
// editing area and the key tables as before, and a chosen item reaches the main
// window's procedure as WM_COMMAND, as a key does through its command.

class EWC;
class QMenuBar;

// Puts the menu bar on the main window, before its controls are placed.
void installMenuBar(EWC& window);

// The menu bar, or nullptr before it is installed.
QMenuBar* mainMenuBar();

// Brings the File > Open Recent list up to date with the settings.
void refreshRecentMenu();
// Fills Tools > Scripts again: the scripts folder's files and the registered commands.
void refreshScriptsMenu();
