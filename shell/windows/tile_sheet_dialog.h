#pragma once

// Ctrl+G: a tile sheet (PNG) read into the current stage's tiles.

#include <functional>
#include <optional>
#include <string>

// The sheet the key asks for; tests answer without a dialog. An empty function stands
// for the real dialog; nullopt is a cancel.
void setTileSheetChooser(std::function<std::optional<std::string>()> chooser);

// Reads the sheet the user chooses into the current stage in the current palette set
// and the current chip's sub-palette, writing each tile it draws otherwise where the
// stage loads it from, as one step of the undo history; a message box says which tiles
// changed and which were left as they are, and why. A sheet that cannot be read or is
// refused changes nothing, and a message box says why.
void importTileSheetIntoCurrentStage();
