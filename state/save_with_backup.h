#pragma once

#include <string>

#include "rom/save_rom.h"

class EDITOR;

// "Save" as the user gets it: the image as the file holds it just before the save is
// kept among its backups (image_backups.h), then the tables are written, replacing
// the file or, where that would lose something, in place. A backup that cannot be made
// does not stop the save; the result says why it failed. Throws the stream errors of
// the save itself. After it returns, the file holds the editor's tables.
SaveResult saveRomWithBackup(const EDITOR& editor, const std::string& fileName);
