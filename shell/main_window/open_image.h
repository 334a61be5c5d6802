#pragma once

// The image being edited, from opening to closing: its path (romPath), the lock that
// keeps other editors off it, the keeper of its unsaved edits and its undo history.
// Start-up, File > Open, Open Recent, a file dropped on the window, Save, Reload and
// Exit all go through here.

#include <string>

// Makes path the image being edited: loads every stage from it, starts a new history
// and keeps its unsaved edits from now on. The lock is the caller's (mayOpenImage). A
// load error is raised, and then nothing has changed.
void beginImage(const std::string& path);

// Whether to open the image: yes when this run now holds its lock, else as the user
// answers; a run that no one watches takes no lock and asks nothing.
bool mayOpenImage(const std::string& path);

// Keeps what is due of the unsaved edits and lets go of the image and its lock.
void endImage();

// Opens another image in the window in place of the current one. An image that cannot
// be read whole says why in a box, and the current image stays open, untouched. With
// unsaved edits the user is asked first whether to save them, set them aside
// (Discard: they are kept as the restore question's Discard keeps them) or stay. The
// selections of stage, palette set and view stay as they are; the kept edits of the new
// image are offered as at start-up. Returns whether the image was opened.
bool openAnotherImage(const std::string& path);

// The dialog of File > Open: the image chosen is opened as openAnotherImage does.
void chooseAnotherImage();

// Save and Reload of the image being edited. A failure says why in a box and leaves
// the editing as it was; save returns whether the image was written.
bool saveImage();
void reloadImage();
