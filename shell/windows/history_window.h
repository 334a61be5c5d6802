#pragma once

// The window that F9 opens: the undo steps by name, oldest first, the step that
// matches the file on disk marked as saved and the current one highlighted. A click on
// a step undoes or redoes to it, the view going to each step's place as Undo does; the
// steps after it stay listed, greyed, until a new edit discards them. It does not
// block the editor; F9 or Escape closes it.

class QListWidget;
class QWidget;

// The panel (see panels.h), made for the list of panels.
QWidget* makeHistoryPanel(QWidget* parent);
// Fills the list afresh.
void openedHistoryPanel(QWidget& panel);
// Brings the panel up to date with the history. It fills the list again only when the
// steps changed.
void followHistoryPanel(QWidget& panel);

// The open window's list, or nullptr when it is closed. Row 0 is the start, before
// any step; row n is after step n.
QListWidget* historyList();

// Undoes or redoes until n steps are done, as a click on row n does.
void goToHistoryStep(int steps);
