#pragma once

// The window that F3 opens: the four palette sets of the current stage, each colour
// and animation selector of them editable, and the console's 64 colours to choose
// from. It does not block the editor; F3 or Escape closes it. It follows the stage.

class QWidget;

// The panel (see panels.h), made for the list of panels.
QWidget* makeColoursPanel(QWidget* parent);
// Shows the editor's current stage and palette sets again.
void followColoursPanel(QWidget& panel);

// The open window, or nullptr when it is closed.
QWidget* coloursWindow();
