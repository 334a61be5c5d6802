#pragma once

#include <cstdint>
#include <vector>

#include "model/stage_records.h"

class EditorHost;

// What the last refresh drew from: the editing state and the current stage's tables as
// bytes, the host that drew the texts, and the surfaces' versions once it had drawn. A
// refresh that finds all of these as they were would only draw the same pixels again.
struct FrameInputs {
    bool valid = false;
    std::vector<std::uint8_t> state;
    const EditorHost* host = nullptr;
    std::uint64_t chipVersion = 0;
    std::uint64_t chipSetVersion = 0;
    std::uint64_t viewVersion = 0;
    // The palette set that the current stage's palette was last taken from, so that a
    // change of the set (an edit, an undo, an import) reaches the palette at once.
    int paletteStage = -1;
    int paletteSet = -1;
    PaletteRecord paletteSource{};
    // The current stage's tiles as the last frame found them, so that a tile drawn on
    // reaches the chips that show it.
    int tileStage = -1;
    std::uint8_t tiles[kTileCount][kTileBytes] = {};
};
