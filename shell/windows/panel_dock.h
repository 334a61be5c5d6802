#pragma once

// How a panel lives in the main window's docks: docked where the user left it (else
// where it docks the first time), shown, closed and released, its keys handed to the
// main window, and the arrangement of all of them kept in the settings with the
// window's geometry. Which panels there are is the list in panels.cpp.

#include <QWidget>
#include <Qt>

class QDockWidget;

// Where a panel docks and what names it.
struct PanelPlace {
    const char* name;       // "colours": its key in the settings and its dock's object name
    const char* commandId;  // "view.colours": the command that toggles it, whose label titles it
    Qt::DockWidgetArea area;
    const char* group;  // panels of one group share a tab group at first
};

// Puts content into its dock in the main window: where the kept arrangement had it,
// else in its place's area, tabbed with an open panel of its group. Escape, its key,
// or the dock's close button closes it; whether it is open is kept in the settings.
QDockWidget* dockPanel(QWidget& content, const PanelPlace& place);

// Shows content's dock and brings it to the front of its tab group; the panel takes the
// keys.
void showPanel(QWidget& content);
// Closes content's dock.
void closePanel(QWidget& content);
// After a panel sent the user to a place in the main window: the keys go there.
void giveKeysToMainWindow();
// Destroys content with its dock, before the main window goes.
void releasePanel(QWidget& content);
// Whether content's dock is shown.
bool panelShown(const QWidget* content);

// While the panels open at start-up: the window keeps the size it was given back and the
// keys stay where they are.
void setPanelsReopening(bool reopening);
// The side panels get the width they ask for and the window grows around the client
// area and the shown panels, as when a key opens a panel.
void fitWindowToPanels();

// The main window that holds the docks, or nullptr before it is made.
QWidget* panelHost();

// The panel of class Panel while it is shown, else nullptr: every panel is of a class of
// its own.
template <class Panel>
Panel* shownPanel()
{
    QWidget* host = panelHost();
    Panel* panel = host ? host->findChild<Panel*>() : nullptr;
    return panel && panelShown(panel) ? panel : nullptr;
}

// At start-up, before any panel is made: the window's geometry and the panels'
// arrangement as the user left them. A damaged or foreign state leaves the default.
// Whether the window's size came back.
bool restoreArrangement();
// At the end of the run, before the panels go.
void keepArrangement();
