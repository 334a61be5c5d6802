#pragma once

// Ctrl+Shift+E and Ctrl+I: the current stage written to a stage file, and a stage
// file read into the current stage.

#include <functional>
#include <optional>
#include <string>

// The file each key asks for; tests answer without a dialog. An empty function stands
// for the real dialog; nullopt is a cancel.
struct StageFileDialogs {
    std::function<std::optional<std::string>(const std::string& suggested)> chooseExportFile;
    std::function<std::optional<std::string>()> chooseImportFile;
};
void setStageFileDialogs(StageFileDialogs dialogs);

// Writes the current stage's tables, as they are now, to the stage file the user
// chooses, and says in a message box what was written or why not.
void exportCurrentStage();

// Reads the stage file the user chooses into the current stage as one step of the
// undo history. A file that cannot be read or is refused changes nothing, and a
// message box says why.
void importIntoCurrentStage();
