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

// For view 0 ("MAP") to 4 ("CHIP"): its keys, its mouse actions, the Ctrl keys and,
// where it has any, its step buttons, in that order.
std::vector<ReferenceSection> keyReference(int view);

// "Page Up", "Enter", "F5", "A": the name of a key by its Win32 virtual-key code.
std::string keyName(int virtualKey);
