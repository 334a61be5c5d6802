#pragma once

#include <string>

// Keeps the open image's unsaved edits in its recovery file on a timer (never on the
// frame clock), and offers kept edits back when the image is opened again.

// Starts keeping the edits of the image just loaded, with a fresh undo history.
void startKeepingUnsavedWork(const std::string& imagePath);
// After every routed user action: schedules or drops the recovery file.
void noteUserAction();
// Writes what is due at once (at the end of the program).
void keepUnsavedWorkNow();
// Asks once whether to restore edits kept for the image, or says why kept edits
// cannot be used. Runs after the main window is shown.
void offerKeptEdits();
// Sets the unsaved edits aside, as the Discard of the restore question does: kept,
// but offered no more until new edits replace them.
void setUnsavedWorkAside();
void stopKeepingUnsavedWork();
