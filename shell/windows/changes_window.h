#pragma once

// The window that F8 opens: every change against the image compared with (see
// change_baseline.h), stage by stage with counts per stage and table. A double-click
// or Enter shows the change in the main window as the usage window's jumps do;
// "Revert" puts the chosen changes back as one undo step. It does not block the
// editor; F8 or Escape closes it.

class QTreeWidget;
class QPushButton;
class QWidget;

// The panel (see panels.h), made for the list of panels.
QWidget* makeChangesPanel(QWidget* parent);
// Compares with the baseline as it is now and lists the changes afresh.
void openedChangesPanel(QWidget& panel);
// Lists the changes again when countShownChanges counted anew.
void followChangesPanel(QWidget& panel);

// After every user action, before the panels follow: while the frames of Show Changes
// or the panel show the changes, compares the tables and the baseline with those last
// counted and counts again only when they changed, so that every view frames what
// changed and the panel lists it.
void countShownChanges();

// Ctrl+D: shows or hides the frames around what differs, in every view.
void toggleChangeFrames();

// The open window's list and its Revert button, or nullptr when it is closed.
QTreeWidget* changesList();
QPushButton* revertButton();

// Reverts the list's chosen changes, as the Revert button does.
void revertChosenChanges();
