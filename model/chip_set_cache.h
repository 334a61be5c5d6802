#pragma once

#include <cstdint>
#include <vector>

#include "model/stage_records.h"
#include "model/surface.h"

// What the chip-set sheet was last built from: the pixels of every chip and the chip
// numbers of every chip set. drawChipSets compares against it and redraws only the chip
// sets whose chips or chip numbers changed, which on most refreshes is the few that
// show animated chips.
// What one build of the chip-set sheet found changed: the chips whose pixels differ
// from the build before and the chip sets it drew again; all of them when it drew the
// whole sheet.
struct SheetChanges {
    bool all = true;
    bool chip[kChipCount] = {};
    bool chipSet[kChipSetCount] = {};
};

struct ChipSetSheetCache {
    bool valid = false;
    SheetChanges lastChanges;

    std::vector<Colour> chipPixels;                   // the chip sheet as it was
    std::uint8_t chipNumbers[kChipSetCount][4] = {};  // the chip sets as they were
};
