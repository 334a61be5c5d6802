#pragma once

// Pictures of whole stages written from the command line, without a window.

#include "shell/command_line.h"

// Whether the arguments ask for pictures only. Decided before the toolkit starts, so
// that such a run needs no display.
bool asksForPicturesOnly(int argc, char* argv[]);

// Loads the image that options name (or the demo image) and writes the pictures that
// options.exportPictures asks for. Errors are printed on standard output; nothing is
// left half-written. Returns the exit code: 0, or 1 after an error.
int exportPictures(const StartOptions& options);
