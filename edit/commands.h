#pragma once

#include <span>
#include <string_view>

#include "model/editor.h"

// The commands the user can give by name, from a menu, by their keys, or both. The
// editor's own commands carry their action. Those that only open a window or a dialog
// of the application carry none: the application runs them by their id, so the editor
// never has to know those windows.
//
// One row per command; its keys are rows of the key tables that name it by id, so the
// keys, the key list of F1 and the menus all come from here.
//
// The labels, descriptions and menu names are English and marked for translation:
// whoever shows one shows translated("commands", text).

using KeyAction = void (*)(EDITOR&);
using Availability = bool (*)(const EDITOR&);

// The menus of the main window, in their order on the menu bar.
enum class Menu { File, Edit, View, Tools, Help };

struct Command {
    const char* id;  // "edit.undo"
    Menu menu;
    const char* label;  // in the menu: "Undo", "Open..."
    const char* does;   // for the key list, beside the menu's name
    KeyAction action = nullptr;
    // Whether the command can act now, beyond the views it applies in; nullptr when
    // it always can.
    Availability available = nullptr;
    int firstView = 0;
    int lastView = kViewCount - 1;

    bool appliesIn(int view) const { return view >= firstView && view <= lastView; }
    bool runByApplication() const { return action == nullptr; }
};

// Every command, editor's and application's alike, in the order of the menus.
std::span<const Command> commands();

// The command with that id, or nullptr.
const Command* findCommand(std::string_view id);

// "File", "Edit", "View", "Tools", "Help".
const char* menuName(Menu menu);

// Whether the command applies in the current view and can act now.
bool commandAvailable(const Command& command, const EDITOR& editor);
