#pragma once

// The Script Console: a line of JavaScript at a time against the open image, with what
// scripts print, the results and the errors (file and line) above it. Each line is one
// step of the history; what earlier lines defined stays defined.

class QWidget;

// Opens the console, or closes it when it is open.
void toggleScriptConsole();

// The console while it is shown, else nullptr.
QWidget* scriptConsole();

// Destroys the console, before the main window goes.
void closeScriptConsole();
