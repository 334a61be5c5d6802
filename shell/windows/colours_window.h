#pragma once

// The window that F3 opens: the four palette sets of the current stage, each colour
// and animation selector of them editable, and the console's 64 colours to choose
// from. It does not block the editor; F3 or Escape closes it. It follows the stage.

class QWidget;

// Opens the window, or closes it when it is open.
void toggleColoursWindow();

// Shows the editor's current stage and palette sets again; the application calls it
// after every user action in the main window.
void followEditorInColoursWindow();

// The open window, or nullptr when it is closed.
QWidget* coloursWindow();

// Destroys the window, before the main window goes.
void closeColoursWindow();
