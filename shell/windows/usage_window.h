#pragma once

// The window that F2 opens: where the current item of the current view is used, and
// which items of the stage its pages leave unused. It does not block the editor; F2 or
// Escape closes it. A double-click or Enter on a use shows that use in the main window.
// It never touches the main window's layout or pixels.

class QModelIndex;
class QTreeView;
class QWidget;

// The panel (see panels.h), made for the list of panels.
QWidget* makeUsagePanel(QWidget* parent);
// Makes the list afresh for the editor's current item.
void openedUsagePanel(QWidget& panel);
// Brings the panel up to date with the editor. It compares a few numbers and the
// current stage's tables with what it shows, and makes its list again only when they
// differ.
void followUsagePanel(QWidget& panel);

// The open window's list, or nullptr when it is closed.
QTreeView* usageList();

// Shows the use of the list's row in the main window, as a double-click does. Rows
// that are not uses do nothing.
void goToListedUse(const QModelIndex& row);
