#pragma once

// The window that F6 opens: the current stage's 48 pages side by side, reduced to fit
// the window's width, with the pages the main window shows framed. A click or a drag
// on a page scrolls the main window there, as its scroll bar would. It does not block
// the editor; F6 or Escape closes it. It is drawn again after a user action that
// changed what it shows, never by the frame clock.

class QWidget;

// The panel (see panels.h), made for the list of panels.
QWidget* makeOverviewPanel(QWidget* parent);
// Draws the editor's stage afresh.
void openedOverviewPanel(QWidget& panel);
// Brings the panel up to date with the editor. It draws again only when the stage, its
// tables, the palette set, the view or the scroll position changed.
void followOverviewPanel(QWidget& panel);

// The open window, or nullptr when it is closed.
QWidget* overviewWindow();
