#pragma once

// How errors reach the user: on standard output and in a message box captioned
// "error" with the exclamation icon, owned by the main window once it exists.

#include <exception>
#include <string>

// Used alike for an error that ends the run and for a failed Save or Reload, after
// which the program goes on.
void reportError(const char* text);

// Says on standard output and in a box captioned "warning" what the editor could not
// keep in its state folder (a backup, say), once per run whatever it was: the
// editing and saving go on regardless, and one box says all the user needs.
void reportKeepFailure(const std::string& text);

// In a run that no one watches (a scripted screenshot, no display) a modal box would
// wait for ever: errors then go to standard output only.
void setReportsWithoutBoxes(bool withoutBoxes);
bool reportsWithoutBoxes();

// An error raised inside a window procedure cannot unwind through the toolkit: it is
// kept here and the message loop is asked to end, and runMessageLoop raises it again
// once the loop has returned. Only the first error is kept.
void deferFatalError(std::exception_ptr error);
// Raises the kept error, if any, and forgets it.
void raiseDeferredError();
