#pragma once

// The Script Console panel: a line of JavaScript at a time against the open image, with
// what scripts print, the results and the errors (file and line) above it. Each line is
// one step of the history; what earlier lines defined stays defined. View > Script
// Console shows and closes it (panels.cpp lists it).

class QWidget;

// Makes the console, for its dock.
QWidget* makeScriptConsole(QWidget* parent);

// The console while it is shown, else nullptr.
QWidget* scriptConsole();
