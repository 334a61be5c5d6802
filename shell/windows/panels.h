#pragma once

// The panels: the windows that a key shows and hides in the main window's docks (the
// key list, Where Used, Colours, Tiles, Overview, Objects, Changes, History, the script
// console). A panel is one entry of the list in panels.cpp: where it docks (see
// panel_dock.h), how it is made, how it is brought up to date after a user action and
// what it does when its key opens it.

#include <span>
#include <string_view>

#include "shell/windows/panel_dock.h"

struct PanelEntry : PanelPlace {
    QWidget* (*make)(QWidget* parent);
    // Brings the shown panel up to date after a user action; cheap when nothing it
    // shows changed. nullptr for a panel that follows nothing.
    void (*follow)(QWidget& panel) = nullptr;
    // When its key opens it: shows the editor as it is now, whatever it showed before.
    // nullptr: as follow.
    void (*opened)(QWidget& panel) = nullptr;
};

// Every panel.
std::span<const PanelEntry> listedPanels();

// The entry named name, or nullptr.
const PanelEntry* findPanel(const char* name);

// Shows or closes the panel whose command is commandId, made and docked the first time;
// false when no panel has that command.
bool togglePanelOfCommand(std::string_view commandId);

// After every user action: the shown panels follow the editor.
void followPanels();

// At start-up, after restoreArrangement: opens every panel that was open when the
// editor last ended. The window keeps the size it was given back, if any; without one
// (a first start, or a damaged geometry) it grows to show the client area and the
// panels.
void reopenPanels(bool windowSized);

// Destroys every panel, before the main window goes.
void releasePanels();
