#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "rom/rom_file.h"

class EDITOR;

// Writes the editable tables of all sixteen stages into `image`, at the offsets the
// loader reads them from. `image` grows (with zero bytes) if it is too short to hold
// them; every other byte keeps its value.
void writeEditableTables(const EDITOR& editor, std::vector<std::uint8_t>& image);

// EDITOR::saveRom with the time spent waiting for the disk reported in `timing`.
void saveRomImage(const EDITOR& editor, const std::string& fileName, SyncTiming* timing);
