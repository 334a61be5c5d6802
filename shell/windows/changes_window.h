#pragma once

// The window that F8 opens: every change against the image compared with (see
// change_baseline.h), stage by stage with counts per stage and table. A double-click
// or Enter shows the change in the main window as the usage window's jumps do;
// "Revert" puts the chosen changes back as one undo step. It does not block the
// editor; F8 or Escape closes it.

class QTreeWidget;
class QPushButton;

// Opens the window, or closes it when it is open.
void toggleChangesWindow();

// Brings the open window, and the frames of Show Changes, up to date with the editor.
// The application calls it after every user action; it compares the tables with those
// it last counted and counts again only when they or the baseline changed.
void followEditorInChangesWindow();

// Ctrl+D: shows or hides the frames around what differs, in every view.
void toggleChangeFrames();

// The open window's list and its Revert button, or nullptr when it is closed.
QTreeWidget* changesList();
QPushButton* revertButton();

// Reverts the list's chosen changes, as the Revert button does.
void revertChosenChanges();

// Destroys the window, before the main window goes.
void closeChangesWindow();
