#include "rom/save_rom.h"

#include <algorithm>
#include <cstring>
#include <exception>

#include "model/editor.h"
#include "rom/rom_layout.h"

namespace L = rom_layout;

namespace {

void writeStage(const EDITOR& e, int s, std::uint8_t* stage)
{
    // Map sets: the model keeps them column by column, the image row by row.
    std::uint8_t* rows = stage + L::kMapSets;
    for (int m = 0; m < kMapSetCount; ++m)
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c)
                rows[m * 64 + r * 8 + c] = e.mapSet[s][m][c * 8 + r];

    std::memcpy(stage + L::kPageTable, e.pageSet[s], L::kPageTableSize);

    for (int n = 0; n < kChipCount; ++n) {
        const ChipRecord& chip = e.chip[s][n];
        for (int q = 0; q < 4; ++q)
            stage[L::kChipTiles + std::size_t(q) * kChipCount + std::size_t(n)] = chip.tile[q];
        // Edits keep the palette within 0 to 3 and the style's low bits clear, so the
        // two halves combine without masking.
        stage[L::kChipAttributes + std::size_t(n)] = chip.style | chip.palette;
    }

    std::memcpy(stage + L::kChipSets, e.chipSet[s], L::kChipSetsSize);

    for (int i = 0; i < kObjectSlots; ++i) {
        const ObjectRecord& slot = e.object[s][i];
        stage[L::kObjectPages + std::size_t(i)] = slot.page;
        stage[L::kObjectX + std::size_t(i)] = slot.x;
        stage[L::kObjectY + std::size_t(i)] = slot.y;
        stage[L::kObjectData + std::size_t(i)] = slot.data;
    }
}

}  // namespace

void writeEditableTables(const EDITOR& editor, std::vector<std::uint8_t>& image)
{
    if (image.size() < L::kSavedTablesEnd)
        image.resize(L::kSavedTablesEnd, 0);
    for (int s = 0; s < kStageCount; ++s)
        writeStage(editor, s, image.data() + L::stageBase(s));
}

SaveResult saveRomImage(const EDITOR& editor, const std::string& fileName, const KeepOldImage& keepOld,
                        SyncTiming* timing)
{
    const FileForUpdate file = readFileForUpdate(fileName);
    std::vector<std::uint8_t> saved = file.bytes;
    writeEditableTables(editor, saved);

    SaveResult result;
    // A save that changes nothing needs no copy; taking one anyway would push real
    // earlier versions out of the few that are kept.
    if (keepOld && file.existed && saved != file.bytes) {
        try {
            keepOld(file.bytes);
        } catch (const std::exception& error) {
            result.copyProblem = error.what();
        }
    }
    result.method = updateFile(file, saved, fileName, timing);
    return result;
}

void EDITOR::saveRom(const std::string& fileName)
{
    saveRomImage(*this, fileName);
}
