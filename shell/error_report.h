#pragma once

// How errors reach the user: on standard output and in a message box captioned
// "error" with the exclamation icon, owned by the main window once it exists.

#include <exception>

// Used alike for an error that ends the run and for a failed Save or Reload, after
// which the program goes on.
void reportError(const char* text);

// An error raised inside a window procedure cannot unwind through the toolkit: it is
// kept here and the message loop is asked to end, and runMessageLoop raises it again
// once the loop has returned. Only the first error is kept.
void deferFatalError(std::exception_ptr error);
// Raises the kept error, if any, and forgets it.
void raiseDeferredError();
