#pragma once

// The window that F1 opens: the keys and mouse actions of the current view and the
// Ctrl keys. It does not block the editor; F1 or Escape closes it, and it follows the
// view while it is open.

class QTreeWidget;

// Opens the window for view, or closes it when it is open.
void toggleKeyReference(int view);

// Lists the keys of view when the window is open.
void followViewInKeyReference(int view);

// The open window's list, or nullptr when it is closed.
QTreeWidget* keyReferenceList();

// Destroys the window, before the main window goes.
void closeKeyReference();
