#pragma once

// The frame of the whole run: choosing and loading the ROM image, building the window,
// the message loop, the top-level error handler and the clean-up.

#include <functional>
#include <optional>
#include <string>

#include "shell/cli/command_line.h"
#include "shell/cli/demo_image_file.h"
#include "shell/windows/open_image_dialog.h"

// Names the ROM image to open, or nothing when the user chose none.
using RomChooser = std::function<std::optional<std::string>()>;

// Asks choose for the image, stores it in romPath and loads every stage from it.
// Returns 0 when an image was loaded and -1 when none was chosen ("file reading
// error" on standard output). A load error is raised to the caller. An image that
// another running editor has open is opened only if the user says so; otherwise
// chooseAgain (by default choose) is asked for another. A run without boxes neither
// asks nor locks the image.
int chooseRomImage(const RomChooser& choose = openRomDialog, const RomChooser& chooseAgain = {});

// The whole run: the image named by the options (or chosen in chooser), the window,
// the message loop until Exit or the close box. Any error ends the run in a message
// box captioned "error", or, in a run no one watches (options.unattended, a
// screenshot, the first-frame report), on standard output only. Returns 0, or 1 when
// such a run ended in an error or a requested screenshot could not be written.
int runEditor(const StartOptions& options, const RomChooser& chooser = openRomDialog);

// The clean-up on every way out: the font and the wrappers of the tab control, the
// editing area and the main window.
void releaseUi();
