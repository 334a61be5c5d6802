#pragma once

#include <string>

// The window that F7 opens: the current stage's objects, one row per used slot, where
// a value is typed in place and applied with Enter as one undo step, Insert and Delete
// insert and erase as the "OBJECT" view does, and a chosen row becomes the current
// object. It does not block the editor; F7 or Escape closes it. Sorting by a column
// is for reading only: the slots keep their order in the stage.

class QTableView;
class QWidget;

// The panel (see panels.h), made for the list of panels.
QWidget* makeObjectList(QWidget* parent);
// Makes the table afresh and takes the keys.
void openedObjectList(QWidget& panel);
// Brings the panel up to date with the editor: the stage, its objects, the current
// object and the names.
void followObjectList(QWidget& panel);

// The open window's table, or nullptr when it is closed.
QTableView* objectListTable();

// Uses the names file at path; a refused file is reported and the names in use stay.
void loadObjectNamesFrom(const std::string& path);
// The window's "Load names...": asks for the file, then as above.
void loadObjectNamesFromDialog();
