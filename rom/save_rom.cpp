#include "rom/save_rom.h"

#include <algorithm>
#include <cstdint>
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

ByteRange bytesChangedBySave(const EDITOR& editor, std::span<const std::uint8_t> image)
{
    // Each stage is written into a copy of its part of the image and compared there.
    constexpr std::size_t kStageWritten = L::kPageTable + L::kPageTableSize;
    ByteRange changed{SIZE_MAX, 0};
    std::uint8_t stage[kStageWritten];
    for (int s = 0; s < kStageCount; ++s) {
        const std::size_t base = L::stageBase(s);
        const std::size_t present = base < image.size() ? std::min(kStageWritten, image.size() - base) : 0;
        std::fill(std::copy_n(image.begin() + std::ptrdiff_t(std::min(base, image.size())), present, stage),
                  stage + kStageWritten, 0);
        writeStage(editor, s, stage);
        for (std::size_t i = 0; i < present; ++i)
            if (stage[i] != image[base + i]) {
                changed.first = std::min(changed.first, base + i);
                changed.end = base + i + 1;
            }
    }
    // Bytes the image gains are changes too.
    if (image.size() < L::kSavedTablesEnd) {
        changed.first = std::min(changed.first, image.size());
        changed.end = L::kSavedTablesEnd;
    }
    return changed.end == 0 ? ByteRange{} : changed;
}

void writeEditableTables(const EDITOR& editor, std::vector<std::uint8_t>& image)
{
    if (image.size() < L::kSavedTablesEnd)
        image.resize(L::kSavedTablesEnd, 0);
    for (int s = 0; s < kStageCount; ++s)
        writeStage(editor, s, image.data() + L::stageBase(s));
}

void writeStageTables(const EDITOR& editor, int stage, std::vector<std::uint8_t>& image)
{
    if (image.size() < L::kSavedTablesEnd)
        image.resize(L::kSavedTablesEnd, 0);
    writeStage(editor, stage, image.data() + L::stageBase(stage));
}

SaveResult saveRomImage(const EDITOR& editor, const std::string& fileName, const KeepOldImage& keepOld,
                        SyncTiming* timing)
{
    FileForUpdate file = readFileForUpdate(fileName);
    const ByteRange changed = bytesChangedBySave(editor, file.bytes);

    SaveResult result;
    // A save that changes nothing needs no copy; taking one anyway would push real
    // earlier versions out of the few that are kept.
    if (keepOld && file.existed && !changed.empty()) {
        try {
            keepOld(file.bytes);
        } catch (const std::exception& error) {
            result.copyProblem = error.what();
        }
    }
    // The tables go into the bytes just read: a second image-sized buffer would cost
    // more than the rest of the save. What they replace is kept, for an in-place
    // write that fails part-way to put back.
    const auto keptFrom = file.bytes.begin() + std::ptrdiff_t(std::min(changed.first, file.bytes.size()));
    const std::vector<std::uint8_t> previous(
        keptFrom, file.bytes.begin() + std::ptrdiff_t(std::min(changed.end, file.bytes.size())));
    writeEditableTables(editor, file.bytes);
    result.method = updateFile(file, file.bytes, changed, fileName, previous, timing);
    return result;
}

void EDITOR::saveRom(const std::string& fileName)
{
    saveRomImage(*this, fileName);
}
