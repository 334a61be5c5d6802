#pragma once

#include <cstdint>
#include <type_traits>

#include "model/stage_records.h"

class EDITOR;

// The editable tables of one stage, apart from the editor: what a stage file holds.
// Map sets are kept as the model keeps them, cell (column c, row r) at c * 8 + r. The
// members follow the order of the list of editable tables.
struct StageData {
    std::uint8_t pageSet[kPageCount] = {};
    std::uint8_t mapSet[kMapSetCount][kMapSetCells] = {};
    std::uint8_t chipSet[kChipSetCount][4] = {};
    ChipRecord chip[kChipCount] = {};
    ObjectRecord object[kObjectSlots] = {};
    PaletteRecord palSet[kPaletteSetCount] = {};
};
static_assert(std::is_trivially_copyable_v<StageData> && alignof(StageData) == 1);

StageData stageDataOf(const EDITOR& editor, int stage);

// Replaces the stage's tables with data.
void putStageData(EDITOR& editor, int stage, const StageData& data);

// The same as one step of the undo history, which Ctrl+Z takes back whole.
void importStageData(EDITOR& editor, int stage, const StageData& data);
