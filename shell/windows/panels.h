#pragma once

// The panels: the windows that a key shows and hides in the main window's docks
// (the key list, Where Used, Colours, Tiles, Overview, Objects, ...). They dock left,
// right or bottom, tab together and float, as the user arranges them; the arrangement
// is kept in the settings with the main window's geometry.
//
// A panel is one entry of the list in panels.cpp: the name the settings keep it
// under, its command (whose menu label is its title), where it docks the first time
// and the tab group it joins there, and, for a panel without a file of its own that
// keeps it, how it is made and followed after a user action.

#include <Qt>
#include <functional>
#include <span>
#include <string_view>

class QDockWidget;
class QWidget;

struct PanelEntry {
    const char* name;       // "colours": its key in the settings and its dock's object name
    const char* commandId;  // "view.colours": the command that toggles it
    Qt::DockWidgetArea area;
    const char* group;  // panels of one group share a tab group at first
    // How the panel is made and brought up to date after a user action (cheap when
    // nothing it shows changed); nullptr for a panel whose own file makes it through
    // a PanelSlot.
    QWidget* (*make)(QWidget* parent) = nullptr;
    void (*follow)(QWidget& panel) = nullptr;
};

// Every panel.
std::span<const PanelEntry> listedPanels();

// The entry named name, or nullptr.
const PanelEntry* findPanel(const char* name);

// Puts content into its dock in the main window: where the kept arrangement had it,
// else where its entry docks it the first time. Escape, its key, or the dock's close
// button closes it; whether it is open is kept in the settings.
QDockWidget* dockPanel(QWidget& content, const char* name);

// Shows content's dock and brings it to the front of its tab group.
void showPanel(QWidget& content);
// Closes content's dock.
void closePanel(QWidget& content);
// After a panel sent the user to a place in the main window: the keys go there.
void giveKeysToMainWindow();
// Destroys content with its dock, before the main window goes.
void releasePanel(QWidget& content);
// Whether content's dock is shown.
bool panelShown(const QWidget* content);

// For the panels of the list that have a make function: shows or closes the panel
// whose command is commandId; false when no such panel is listed.
bool togglePanelOfCommand(std::string_view commandId);
void followPanels();

// At start-up, after restoreArrangement: runs toggle with the command of every panel
// that was open when the editor last ended.
void reopenPanels(const std::function<void(const char* commandId)>& toggle);

// At start-up, before any panel is made: the window's geometry and the panels'
// arrangement as the user left them. A damaged or foreign state leaves the default.
void restoreArrangement();
// At the end of the run, before the panels go.
void keepArrangement();
// Destroys the panels of the list that are made here, before the main window goes.
void releaseListedPanels();
