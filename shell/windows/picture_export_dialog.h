#pragma once

// File > Export pictures...: what --export-all writes, of the stages as they are being
// edited, into a folder the user picks, with a progress dialog.

#include <functional>
#include <optional>
#include <string>

// The folder question; tests answer it without a dialog. An empty function stands for
// the real dialog; nullopt is a cancel.
void setPictureFolderDialog(std::function<std::optional<std::string>()> chooseFolder);

// Asks for the folder and writes the pictures; says in a box what was written or why
// not. The editing, its selections and the view are left as they were.
void exportPicturesToChosenFolder();
