#pragma once

// The application's side of the command registry: the commands that open a window or
// a dialog, or act on the image's file, run here by their id. Keys and menus reach
// every command through the main window's procedure, so that each is routed, recorded
// in the history and followed by a frame exactly as a key press is.

#include <string_view>
#include <vector>

#include "edit/command_search.h"

struct Command;

// Runs the application's command with that id; other ids do nothing. Returns whether
// the id is one of the application's.
bool runApplicationCommand(std::string_view id);

// Whether the command can act now: the editor's commands by their view and state,
// the application's by the application's state.
bool commandEnabled(const Command& command);

// The key press (virtual-key code) as the key tables read it with the modifiers held
// now: the application's command it gives is run. Returns whether it gave one.
bool runApplicationKey(int virtualKey);

// What the command search (Ctrl+F) offers now: every command of the registry with
// whether it can act, the stages and the names of the current stage's objects.
std::vector<SearchEntry> searchEntries();

// Runs the menu item with that identifier as its keys would, if it can act now.
// Returns whether the identifier is a menu item's.
bool runMenuItem(unsigned id);
