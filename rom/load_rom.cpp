#include <algorithm>
#include <cstring>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "file/file_access.h"
#include "model/editor.h"
#include "rom/byte_reader.h"
#include "rom/load_rom.h"
#include "rom/rom_layout.h"

namespace L = rom_layout;

namespace {

// Everything a load fills, gathered away from the editor so that a load that fails
// half-way leaves the editor exactly as it was.
struct LoadedTables {
    std::uint8_t pageSet[kStageCount][kPageCount];
    std::uint8_t mapSet[kStageCount][kMapSetCount][kMapSetCells];
    ObjectRecord object[kStageCount][kObjectSlots];
    PaletteRecord palSet[kStageCount][kPaletteSetCount];
    std::uint8_t tileGfx[kStageCount][kTileCount][kTileBytes];
    ChipRecord chip[kStageCount][kChipCount];
    std::uint8_t chipSet[kStageCount][kChipSetCount][4];
    struct Animation {
        std::vector<ColourTriple> frames;
        std::uint8_t delay = 0;
    } animation[kPaletteAnimationCount];
};

// The image stores a map set row by row; the model keeps it column by column.
void readMapSets(ByteReader& in, int s, LoadedTables& t)
{
    std::uint8_t rows[L::kMapSetsSize];
    in.seek(L::stageBase(s) + L::kMapSets);
    in.read(rows);
    for (int m = 0; m < kMapSetCount; ++m)
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c)
                t.mapSet[s][m][c * 8 + r] = rows[m * 64 + r * 8 + c];
}

void readTileList(ByteReader& in, int s, LoadedTables& t)
{
    in.seek(L::kTileListPointerLow + std::size_t(s));
    const std::uint8_t low = in.readByte();
    in.seek(L::kTileListPointerHigh + std::size_t(s));
    const std::uint8_t high = in.readByte();

    std::size_t entry = L::pointerTarget(L::kTileListBank, low, high) + L::kTileListSkipped;
    for (;; entry += L::kTileListEntrySize) {
        in.seek(entry);
        const std::uint8_t bank = in.readByte();
        const std::uint8_t count = in.readByte();
        const std::uint8_t page = in.readByte();
        const std::uint8_t start = in.readByte();
        if (bank == L::kTileListEnd)
            break;
        // Later entries overwrite earlier ones; nothing is copied beyond tile 255.
        const int first = start * L::kTilesPerListStart;
        const int end = std::min(kTileCount, (start + count) * L::kTilesPerListStart);
        if (first >= end)
            continue;
        // The tiles lie one after another in the image as in the model: one read.
        in.seek(L::tileSource(bank, page));
        auto* tiles = reinterpret_cast<std::uint8_t*>(&t.tileGfx[s]);
        in.read(std::span(tiles + std::size_t(first) * kTileBytes, std::size_t(end - first) * kTileBytes));
    }
}

void readChips(ByteReader& in, int s, LoadedTables& t)
{
    std::uint8_t plane[kChipCount];
    in.seek(L::stageBase(s) + L::kChipTiles);
    for (int q = 0; q < 4; ++q) {
        in.read(plane);
        for (int n = 0; n < kChipCount; ++n)
            t.chip[s][n].tile[q] = plane[n];
    }
    in.seek(L::stageBase(s) + L::kChipAttributes);
    in.read(plane);
    for (int n = 0; n < kChipCount; ++n) {
        t.chip[s][n].palette = plane[n] & 0x03;
        t.chip[s][n].style = plane[n] & 0xFC;
    }
}

void readChipSets(ByteReader& in, int s, LoadedTables& t)
{
    in.seek(L::stageBase(s) + L::kChipSets);
    for (auto& entry : t.chipSet[s])
        in.read(entry);
}

void readPaletteSets(ByteReader& in, int s, LoadedTables& t)
{
    in.seek(L::stageBase(s) + L::kPaletteSets);
    for (PaletteRecord& set : t.palSet[s]) {
        for (auto& subPalette : set.colour)
            in.read(subPalette);
        in.read(set.selector);
    }
}

// The page bytes are read up to the first empty slot only; that slot and every later
// one become empty (0x30). x, y and data are read for all 64 slots regardless.
void readObjects(ByteReader& in, int s, LoadedTables& t)
{
    ObjectRecord* slots = t.object[s];
    in.seek(L::stageBase(s) + L::kObjectPages);
    int slot = 0;
    for (; slot < kObjectSlots; ++slot) {
        slots[slot].page = in.readByte();
        if (!slots[slot].isUsed())
            break;
    }
    for (; slot < kObjectSlots; ++slot)
        slots[slot].page = kEmptyObjectPage;

    const std::pair<std::size_t, std::uint8_t ObjectRecord::*> columns[] = {
        {L::kObjectX, &ObjectRecord::x},
        {L::kObjectY, &ObjectRecord::y},
        {L::kObjectData, &ObjectRecord::data},
    };
    for (const auto& [offset, field] : columns) {
        in.seek(L::stageBase(s) + offset);
        for (int i = 0; i < kObjectSlots; ++i)
            slots[i].*field = in.readByte();
    }
}

void readStage(ByteReader& in, int s, LoadedTables& t)
{
    readMapSets(in, s, t);
    in.seek(L::stageBase(s) + L::kPageTable);
    in.read(t.pageSet[s]);
    readTileList(in, s, t);
    readChips(in, s, t);
    readChipSets(in, s, t);
    readPaletteSets(in, s, t);
    readObjects(in, s, t);
}

void readAnimation(ByteReader& in, int a, LoadedTables::Animation& animation)
{
    in.seek(L::kAnimationPointerLow + std::size_t(a));
    const std::uint8_t low = in.readByte();
    in.seek(L::kAnimationPointerHigh + std::size_t(a));
    const std::uint8_t high = in.readByte();

    in.seek(L::pointerTarget(L::kAnimationBank, low, high));
    const int frameCount = in.readByte() + 1;
    animation.delay = in.readByte();
    std::uint8_t tripleNumbers[256];
    in.read(std::span(tripleNumbers, std::size_t(frameCount)));
    animation.frames.resize(std::size_t(frameCount));
    for (int f = 0; f < frameCount; ++f) {
        in.seek(L::colourTriple(tripleNumbers[f]));
        in.read(animation.frames[std::size_t(f)]);
    }
}

// Nothing here can fail, so the editor changes all at once or not at all.
void commit(LoadedTables& t, EDITOR& e) noexcept
{
    std::memcpy(e.pageSet, t.pageSet, sizeof e.pageSet);
    std::memcpy(e.mapSet, t.mapSet, sizeof e.mapSet);
    std::memcpy(e.object, t.object, sizeof e.object);
    std::memcpy(e.palSet, t.palSet, sizeof e.palSet);
    std::memcpy(e.tileGfx, t.tileGfx, sizeof e.tileGfx);
    std::memcpy(e.chip, t.chip, sizeof e.chip);
    std::memcpy(e.chipSet, t.chipSet, sizeof e.chipSet);
    for (int a = 0; a < kPaletteAnimationCount; ++a) {
        PaletteAnimation& animation = e.palAnim[a];
        animation.frames.swap(t.animation[a].frames);
        animation.delay = t.animation[a].delay;
        // The counter and the frame run on across a reload, but the frame must stay
        // a valid index if the file now has fewer frames.
        if (animation.frame >= animation.frames.size())
            animation.frame = 0;
    }
}

}  // namespace

void loadRomImage(EDITOR& editor, std::span<const std::uint8_t> image)
{
    ByteReader in(image);

    auto loaded = std::make_unique<LoadedTables>();
    // Tiles that no list names keep what they held.
    std::memcpy(loaded->tileGfx, editor.tileGfx, sizeof editor.tileGfx);

    for (int s = 0; s < kStageCount; ++s)
        readStage(in, s, *loaded);
    for (int a = 0; a < kPaletteAnimationCount; ++a)
        readAnimation(in, a, loaded->animation[a]);

    commit(*loaded, editor);
}

void EDITOR::loadRom(const std::string& fileName)
{
    // The whole file: tile sources lie below 2 MB, but a list runs on until its end
    // marker, however far into the file that is.
    loadRomImage(*this, readFileBytes(fileName));
    removeSaveLeftovers(fileName);
}
