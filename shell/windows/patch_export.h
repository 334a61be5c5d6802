#pragma once

// Ctrl+E: a patch of the stages as they are being edited, against the image's
// original, written where the user chooses.

#include <functional>
#include <optional>
#include <string>

// The two questions Ctrl+E asks; tests answer them without a dialog. An empty function
// stands for the real dialog; nullopt is a cancel.
struct PatchExportDialogs {
    // The original (unmodified) image to make the patch against.
    std::function<std::optional<std::string>()> chooseOriginal;
    // The patch file to write, suggested beside the image.
    std::function<std::optional<std::string>(const std::string& suggested)> choosePatchFile;
};
void setPatchExportDialogs(PatchExportDialogs dialogs);

// Makes the image's bytes as a Save would write them now and writes a patch that
// turns the original into them, BPS or IPS as the chosen file's name ends. The
// original is the one remembered for the image, or, the first time and whenever the
// remembered one has changed or vanished, the one the user chooses, which is then
// remembered. Tells success and failure in a message box; a cancel does nothing.
void exportPatch();
