#include "rom/save_rom.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <exception>

#include "model/editable_tables.h"
#include "model/editor.h"
#include "rom/rom_layout.h"

namespace L = rom_layout;

namespace {

// One past the last byte of a stage's bank that a save writes.
std::size_t writtenBankEnd()
{
    std::size_t end = 0;
    for (const EditableTable& table : editableTableList())
        for (const BankRun& run : table.runs)
            end = std::max(end, run.offset + run.size);
    return end;
}

// A save into a missing or shorter file grows it to hold stage 15's tables.
std::size_t savedImageEnd()
{
    return L::stageBase(kStageCount - 1) + writtenBankEnd();
}

void growToHoldTables(std::vector<std::uint8_t>& image, std::size_t end = savedImageEnd())
{
    if (image.size() < end)
        image.resize(end, 0);
}

// Every stage's places outside its bank (the tiles, at their sources).
std::vector<ImagePlace> placesOutsideBanks(const EDITOR& editor)
{
    std::vector<ImagePlace> places;
    for (int s = 0; s < kStageCount; ++s) {
        const std::vector<ImagePlace> more = imagePlacesOfStage(editor, s);
        places.insert(places.end(), more.begin(), more.end());
    }
    return places;
}

std::size_t endOfPlaces(const std::vector<ImagePlace>& places)
{
    std::size_t end = savedImageEnd();
    for (const ImagePlace& place : places)
        end = std::max(end, place.offset + place.size);
    return end;
}

}  // namespace

ByteRange bytesChangedBySave(const EDITOR& editor, std::span<const std::uint8_t> image)
{
    // Each stage is written into a copy of its part of the image and compared there.
    const std::size_t stageWritten = writtenBankEnd();
    ByteRange changed{SIZE_MAX, 0};
    std::uint8_t stage[L::kStageTablesSpan];
    for (int s = 0; s < kStageCount; ++s) {
        const std::size_t base = L::stageBase(s);
        const std::size_t present = base < image.size() ? std::min(stageWritten, image.size() - base) : 0;
        std::fill(std::copy_n(image.begin() + std::ptrdiff_t(std::min(base, image.size())), present, stage),
                  stage + stageWritten, 0);
        writeStageToBank(editor, s, stage);
        for (std::size_t i = 0; i < present; ++i)
            if (stage[i] != image[base + i]) {
                changed.first = std::min(changed.first, base + i);
                changed.end = base + i + 1;
            }
    }
    const std::vector<ImagePlace> places = placesOutsideBanks(editor);
    for (const ImagePlace& place : places)
        for (std::size_t i = 0; i < place.size && place.offset + i < image.size(); ++i)
            if (place.bytes[i] != image[place.offset + i]) {
                changed.first = std::min(changed.first, place.offset + i);
                changed.end = std::max(changed.end, place.offset + i + 1);
            }
    // Bytes the image gains are changes too.
    const std::size_t end = endOfPlaces(places);
    if (image.size() < end) {
        changed.first = std::min(changed.first, image.size());
        changed.end = end;
    }
    return changed.end == 0 ? ByteRange{} : changed;
}

void writeEditableTables(const EDITOR& editor, std::vector<std::uint8_t>& image)
{
    const std::vector<ImagePlace> places = placesOutsideBanks(editor);
    growToHoldTables(image, endOfPlaces(places));
    for (int s = 0; s < kStageCount; ++s)
        writeStageToBank(editor, s, image.data() + L::stageBase(s));
    for (const ImagePlace& place : places)
        std::memcpy(image.data() + place.offset, place.bytes, place.size);
}

void writeStageTables(const EDITOR& editor, int stage, std::vector<std::uint8_t>& image)
{
    growToHoldTables(image);
    writeStageToBank(editor, stage, image.data() + L::stageBase(stage));
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
