#pragma once

// The window that F1 opens: the keys and mouse actions of the current view and the
// Ctrl keys. It does not block the editor; F1 or Escape closes it, and it follows the
// view while it is open.

class QTreeWidget;
class QWidget;

// The panel (see panels.h), made for the list of panels.
QWidget* makeKeyReference(QWidget* parent);
// Shows the keys of the view the editor shows.
void followKeyReference(QWidget& panel);

// The open window's list, or nullptr when it is closed.
QTreeWidget* keyReferenceList();
