#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "file/file_access.h"

class EDITOR;

// Writes the editable tables of all sixteen stages into `image`, at the offsets the
// loader reads them from, and each tile at its source. `image` grows (with zero bytes)
// if it is too short to hold them; every other byte keeps its value.
void writeEditableTables(const EDITOR& editor, std::vector<std::uint8_t>& image);

// Writes the tables kept in one stage's bank only (not the tiles, which stages share);
// `image` grows as above.
void writeStageTables(const EDITOR& editor, int stage, std::vector<std::uint8_t>& image);

// The part of `image` that writeEditableTables would change (growing it counts as a
// change); empty when the save would leave every byte as it is.
ByteRange bytesChangedBySave(const EDITOR& editor, std::span<const std::uint8_t> image);

// Keeps a copy of the image as the file holds it just before a save; throws a
// std::exception that says why when it cannot.
using KeepOldImage = std::function<void(std::span<const std::uint8_t> bytes)>;

// What a save did besides writing the tables.
struct SaveResult {
    UpdateMethod method = UpdateMethod::Replaced;
    // Why no copy of the image as it was could be kept; empty when one was, or when
    // none was needed (a new file, or a save that changes no byte).
    std::string copyProblem;
};

// EDITOR::saveRom, with a copy of the old image handed to keepOld first (a failure
// there does not stop the save) and the time spent waiting for the disk reported in
// `timing`. Throws the stream errors of the save itself.
SaveResult saveRomImage(const EDITOR& editor, const std::string& fileName, const KeepOldImage& keepOld = {},
                        SyncTiming* timing = nullptr);
