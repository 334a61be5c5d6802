#pragma once

// Where the side windows (the key list, the usage window) open, and what the settings
// keep of them: whether each was open, and its size and place.

class QWidget;

// Places a side window about to be shown for the first time: where the user last left
// it, when that still lies on a screen; else beside the main window, on whichever side
// it fits; else within the main window's screen. From then on its place and whether it
// is open are kept in the settings as it is shown and hidden.
void placeSideWindow(QWidget& window, const char* name);

// At the end of the run, before the window goes: keeps whether it is open now.
void releaseSideWindow(QWidget& window, const char* name);

// Whether the side window was open when the editor last ended.
bool sideWindowWasOpen(const char* name);
