#pragma once

#include <string>
#include <vector>

// The list of keys and mouse actions that F1 shows, made from the key tables and the
// mouse areas that the editor acts through.

struct ReferenceEntry {
    std::string input;  // "Left, H", "Shift+Left, Shift+H", "Ctrl+S", "Left button on the chip sheet"
    std::string does;
};

struct ReferenceSection {
    std::string title;
    std::vector<ReferenceEntry> entries;
};

// For view 0 ("MAP") to 4 ("CHIP"): its keys, its mouse actions, the Ctrl keys,
// its step buttons where it has any, and the commands of the menus that have no key,
// in that order.
std::vector<ReferenceSection> keyReference(int view);

struct Command;

// The key a menu shows beside the command, "Ctrl+Shift+E" or "F5": the first of the
// Ctrl keys, else of the keys of every view, that gives it; "" when none does.
std::string commandShortcut(const Command& command);

// "Page Up", "Enter", "F5", "A": the name of a key by its Win32 virtual-key code.
std::string keyName(int virtualKey);
