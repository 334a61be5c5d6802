#pragma once

#include <string>

// The folder where the editor keeps what must outlive a run: the recovery files of
// unsaved edits, the copies of images taken before each save, play-test copies.
// It is $XDG_STATE_HOME/quarrix-editor, or ~/.local/state/quarrix-editor when that
// variable is unset or not an absolute path.
std::string stateFolder();

// Makes `path` and the folders above it that are missing, private to the user.
// Throws std::runtime_error, with the folder and the reason, when it cannot.
void makeStateFolder(const std::string& path);

// A name that tells one image from every other in the state folder: the image's
// file name, a dash and 16 hexadecimal digits of a hash of its full path (links
// resolved), so that two images called game.nes in different folders stay apart.
std::string imageStateKey(const std::string& imagePath);

// The image's full path with links resolved, or the path made absolute when the file
// does not exist (yet).
std::string canonicalImagePath(const std::string& imagePath);
