#include "model/editable_tables.h"

#include <array>
#include <bit>
#include <cstdio>
#include <cstring>
#include <string>

#include "model/editor.h"
#include "model/stage_bank_layout.h"

namespace L = rom_layout;

namespace {

template <auto Member>
std::uint8_t* bytesOf(EDITOR& editor, int stage)
{
    return reinterpret_cast<std::uint8_t*>(&(editor.*Member)[stage]);
}

template <auto Member>
constexpr std::size_t stageSizeOf()
{
    return sizeof((static_cast<EDITOR*>(nullptr)->*Member)[0]);
}

// Tables kept in the image exactly as in the editor.
template <std::size_t Offset, std::size_t Size>
void copyOut(const std::uint8_t* stage, std::uint8_t* bank)
{
    std::memcpy(bank + Offset, stage, Size);
}
template <std::size_t Offset, std::size_t Size>
void copyIn(const std::uint8_t* bank, std::uint8_t* stage)
{
    std::memcpy(stage, bank + Offset, Size);
}

// The image keeps a map set row by row, the editor column by column.
void mapSetsOut(const std::uint8_t* stage, std::uint8_t* bank)
{
    std::uint8_t* rows = bank + L::kMapSets;
    for (int m = 0; m < kMapSetCount; ++m)
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c)
                rows[m * 64 + r * 8 + c] = stage[m * 64 + c * 8 + r];
}
void mapSetsIn(const std::uint8_t* bank, std::uint8_t* stage)
{
    const std::uint8_t* rows = bank + L::kMapSets;
    for (int m = 0; m < kMapSetCount; ++m)
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c)
                stage[m * 64 + c * 8 + r] = rows[m * 64 + r * 8 + c];
}

// Chips: four planes of tile numbers, then one attribute byte per chip that holds the
// sub-palette in its low two bits and the style above them.
void chipsOut(const std::uint8_t* stage, std::uint8_t* bank)
{
    const auto* chips = reinterpret_cast<const ChipRecord*>(stage);
    for (int n = 0; n < kChipCount; ++n) {
        for (int q = 0; q < 4; ++q)
            bank[L::kChipTiles + std::size_t(q) * kChipCount + std::size_t(n)] = chips[n].tile[q];
        // Edits keep the palette within 0 to 3 and the style's low bits clear, so the
        // two halves combine without masking.
        bank[L::kChipAttributes + std::size_t(n)] = chips[n].style | chips[n].palette;
    }
}
void chipsIn(const std::uint8_t* bank, std::uint8_t* stage)
{
    auto* chips = reinterpret_cast<ChipRecord*>(stage);
    for (int n = 0; n < kChipCount; ++n) {
        for (int q = 0; q < 4; ++q)
            chips[n].tile[q] = bank[L::kChipTiles + std::size_t(q) * kChipCount + std::size_t(n)];
        const std::uint8_t attribute = bank[L::kChipAttributes + std::size_t(n)];
        chips[n].palette = attribute & 0x03;
        chips[n].style = attribute & 0xFC;
    }
}

// Objects: a column of 64 bytes per field.
constexpr std::size_t kObjectColumns[4] = {L::kObjectPages, L::kObjectX, L::kObjectY, L::kObjectData};

void objectsOut(const std::uint8_t* stage, std::uint8_t* bank)
{
    for (int i = 0; i < kObjectSlots; ++i)
        for (int field = 0; field < 4; ++field)
            bank[kObjectColumns[field] + std::size_t(i)] = stage[i * 4 + field];
}
// The page bytes count up to the first empty slot only; that slot and every later one
// become empty. x, y and data are taken for all 64 slots regardless.
void objectsIn(const std::uint8_t* bank, std::uint8_t* stage)
{
    auto* slots = reinterpret_cast<ObjectRecord*>(stage);
    bool ended = false;
    for (int i = 0; i < kObjectSlots; ++i) {
        const std::uint8_t page = bank[L::kObjectPages + std::size_t(i)];
        ended = ended || page >= kEmptyObjectPage;
        slots[i].page = ended ? kEmptyObjectPage : page;
        slots[i].x = bank[L::kObjectX + std::size_t(i)];
        slots[i].y = bank[L::kObjectY + std::size_t(i)];
        slots[i].data = bank[L::kObjectData + std::size_t(i)];
    }
}

constexpr BankRun kPageRuns[] = {{L::kPageTable, L::kPageTableSize}};
constexpr BankRun kMapSetRuns[] = {{L::kMapSets, L::kMapSetsSize}};
constexpr BankRun kChipSetRuns[] = {{L::kChipSets, L::kChipSetsSize}};
constexpr BankRun kChipRuns[] = {{L::kChipTiles, L::kChipTilesSize}, {L::kChipAttributes, L::kChipAttributesSize}};
constexpr BankRun kObjectRuns[] = {{L::kObjectPages, L::kObjectTableSize},
                                   {L::kObjectX, L::kObjectTableSize},
                                   {L::kObjectY, L::kObjectTableSize},
                                   {L::kObjectData, L::kObjectTableSize}};
// Four sets of 16 colours and 4 selectors, in the image as in the editor.
constexpr BankRun kPaletteRuns[] = {{L::kPaletteSets, L::kPaletteSetsSize}};

// Tiles go back to where they were loaded from, except where those bytes also hold
// something else (see TileSources).
std::vector<ImagePlace> tilePlaces(const EDITOR& editor, int stage)
{
    std::vector<ImagePlace> places;
    for (int t = 0; t < kTileCount; ++t)
        if (editor.tileSources.writable(stage, t))
            places.push_back({editor.tileSources.offset[stage][t], editor.tileGfx[stage][t], kTileBytes});
    return places;
}

// How the tables' elements and their parts are named.
std::string hexByte(int /*part*/, const std::uint8_t* bytes)
{
    char text[4];
    std::snprintf(text, sizeof text, "%02X", *bytes);
    return text;
}

// A map set is kept column by column.
std::string cellName(int part)
{
    return "cell (" + std::to_string(part / 8) + ", " + std::to_string(part % 8) + ")";
}

constexpr const char* kQuadrantNames[4] = {"top-left", "top-right", "bottom-left", "bottom-right"};

std::string chipSetPart(int part)
{
    return std::string(kQuadrantNames[part]) + " chip";
}

std::string chipPart(int part)
{
    if (part < 4)
        return std::string(kQuadrantNames[part]) + " tile";
    return part == 4 ? "palette" : "style";
}

std::string chipValue(int part, const std::uint8_t* bytes)
{
    return part == 4 ? std::string(1, "0123"[*bytes & 3]) : hexByte(part, bytes);
}

constexpr const char* kObjectFields[4] = {"page", "x", "y", "data"};

std::string objectPart(int part)
{
    return kObjectFields[part];
}

std::string palettePart(int part)
{
    if (part < 16)
        return "sub-palette " + std::to_string(part / 4) + " · colour " + std::to_string(part % 4);
    return "sub-palette " + std::to_string(part - 16) + " · animation";
}

// Two bit planes of eight rows: a pixel differs where either plane's bit does.
int changedPixels(const std::uint8_t* before, const std::uint8_t* after)
{
    int count = 0;
    for (int row = 0; row < 8; ++row)
        count += std::popcount(unsigned((before[row] ^ after[row]) | (before[row + 8] ^ after[row + 8])));
    return count;
}

constexpr TableLayout kPageLayout{"page", "pages", 1, 2, 1, nullptr, "pages", &hexByte, "map set"};
constexpr TableLayout kMapSetLayout{"map set", "map sets", kMapSetCells, 2, 1, &cellName, "cells", &hexByte};
constexpr TableLayout kChipSetLayout{"chip set", "chip sets", 4, 2, 1, &chipSetPart, "chips", &hexByte};
constexpr TableLayout kChipLayout{"chip", "chips", sizeof(ChipRecord), 2, 1, &chipPart, "fields", &chipValue};
constexpr TableLayout kObjectLayout{"object slot", "object slots", sizeof(ObjectRecord), 2, 1, &objectPart,
                                    "fields",      &hexByte};
constexpr TableLayout kPaletteLayout{"palette set", "palette sets", sizeof(PaletteRecord), 1, 1, &palettePart,
                                     "colours",     &hexByte};
constexpr TableLayout kTileLayout{"tile",  "tiles", kTileBytes,     2,   kTileBytes, nullptr, "pixels",
                                  nullptr, nullptr, &changedPixels, true};

static_assert(sizeof(ChipRecord) == 6 && sizeof(ObjectRecord) == 4 && sizeof(PaletteRecord) == 20,
              "the records must have no padding");

// The order of the block: undo steps and recovery files written by earlier versions
// address bytes by their place in it, so new tables go at the end.
const std::array<EditableTable, 7> kTables = {{
    {"pages", &kPageLayout, stageSizeOf<&EDITOR::pageSet>(), &bytesOf<&EDITOR::pageSet>, kPageRuns,
     &copyOut<L::kPageTable, L::kPageTableSize>, &copyIn<L::kPageTable, L::kPageTableSize>},
    {"map sets", &kMapSetLayout, stageSizeOf<&EDITOR::mapSet>(), &bytesOf<&EDITOR::mapSet>, kMapSetRuns, &mapSetsOut,
     &mapSetsIn},
    {"chip sets", &kChipSetLayout, stageSizeOf<&EDITOR::chipSet>(), &bytesOf<&EDITOR::chipSet>, kChipSetRuns,
     &copyOut<L::kChipSets, L::kChipSetsSize>, &copyIn<L::kChipSets, L::kChipSetsSize>},
    {"chips", &kChipLayout, stageSizeOf<&EDITOR::chip>(), &bytesOf<&EDITOR::chip>, kChipRuns, &chipsOut, &chipsIn},
    {"objects", &kObjectLayout, stageSizeOf<&EDITOR::object>(), &bytesOf<&EDITOR::object>, kObjectRuns, &objectsOut,
     &objectsIn},
    {"palette sets", &kPaletteLayout, stageSizeOf<&EDITOR::palSet>(), &bytesOf<&EDITOR::palSet>, kPaletteRuns,
     &copyOut<L::kPaletteSets, L::kPaletteSetsSize>, &copyIn<L::kPaletteSets, L::kPaletteSetsSize>},
    {"tiles",
     &kTileLayout,
     stageSizeOf<&EDITOR::tileGfx>(),
     &bytesOf<&EDITOR::tileGfx>,
     {},
     nullptr,
     nullptr,
     &tilePlaces},
}};

// A whole table: the sixteen stages lie one after another from stage 0's bytes.
std::size_t tableSize(const EditableTable& table)
{
    return table.stageSize * kStageCount;
}

std::uint8_t* tableStart(EDITOR& editor, const EditableTable& table)
{
    return table.stageBytes(editor, 0);
}

const std::uint8_t* tableStart(const EDITOR& editor, const EditableTable& table)
{
    // The tables are only read through this pointer.
    return table.stageBytes(const_cast<EDITOR&>(editor), 0);
}

}  // namespace

std::span<const EditableTable> editableTableList()
{
    return kTables;
}

const std::uint8_t* stageTableBytes(const EDITOR& editor, const EditableTable& table, int stage)
{
    return table.stageBytes(const_cast<EDITOR&>(editor), stage);
}

std::size_t editableTablesSize()
{
    return editableTablesSize(kTables.size());
}

std::size_t editableTablesSize(std::size_t tableCount)
{
    std::size_t size = 0;
    for (std::size_t t = 0; t < tableCount && t < kTables.size(); ++t)
        size += tableSize(kTables[t]);
    return size;
}

std::size_t stageTablesSize()
{
    std::size_t size = 0;
    for (const EditableTable& table : kTables)
        if (table.inStageBank())
            size += table.stageSize;
    return size;
}

void copyEditableTables(const EDITOR& editor, std::span<std::uint8_t> out)
{
    std::size_t at = 0;
    for (const EditableTable& table : kTables) {
        std::memcpy(out.data() + at, tableStart(editor, table), tableSize(table));
        at += tableSize(table);
    }
}

void restoreEditableTables(EDITOR& editor, std::span<const std::uint8_t> bytes)
{
    std::size_t at = 0;
    for (const EditableTable& table : kTables) {
        if (bytes.size() - at < tableSize(table))
            return;
        std::memcpy(tableStart(editor, table), bytes.data() + at, tableSize(table));
        at += tableSize(table);
    }
}

std::vector<std::uint8_t> editableTables(const EDITOR& editor)
{
    std::vector<std::uint8_t> bytes(editableTablesSize());
    copyEditableTables(editor, bytes);
    return bytes;
}

void copyStageTables(const EDITOR& editor, int stage, std::span<std::uint8_t> out)
{
    std::size_t at = 0;
    for (const EditableTable& table : kTables)
        if (table.inStageBank()) {
            std::memcpy(out.data() + at, stageTableBytes(editor, table, stage), table.stageSize);
            at += table.stageSize;
        }
}

void restoreStageTables(EDITOR& editor, int stage, std::span<const std::uint8_t> bytes)
{
    std::size_t at = 0;
    for (const EditableTable& table : kTables)
        if (table.inStageBank()) {
            std::memcpy(table.stageBytes(editor, stage), bytes.data() + at, table.stageSize);
            at += table.stageSize;
        }
}

void writeStageToBank(const EDITOR& editor, int stage, std::uint8_t* bank)
{
    for (const EditableTable& table : kTables)
        if (table.inStageBank())
            table.toImage(stageTableBytes(editor, table, stage), bank);
}

void readStageFromBank(const std::uint8_t* bank, std::span<std::uint8_t> stage)
{
    std::size_t at = 0;
    for (const EditableTable& table : kTables)
        if (table.inStageBank()) {
            table.fromImage(bank, stage.data() + at);
            at += table.stageSize;
        }
}

std::vector<ImagePlace> imagePlacesOfStage(const EDITOR& editor, int stage)
{
    std::vector<ImagePlace> places;
    for (const EditableTable& table : kTables)
        if (!table.inStageBank()) {
            const std::vector<ImagePlace> more = table.imagePlaces(editor, stage);
            places.insert(places.end(), more.begin(), more.end());
        }
    return places;
}

std::size_t firstTableDifference(const EDITOR& editor, std::span<const std::uint8_t> known, std::size_t from)
{
    std::size_t start = 0;
    for (const EditableTable& table : kTables) {
        const std::size_t size = tableSize(table);
        const std::size_t end = start + size;
        if (from < end) {
            const std::uint8_t* live = tableStart(editor, table);
            std::size_t at = from > start ? from - start : 0;
            // Whole blocks first: most calls find no difference at all.
            constexpr std::size_t kBlock = 256;
            while (at + kBlock <= size && std::memcmp(live + at, known.data() + start + at, kBlock) == 0)
                at += kBlock;
            for (; at < size; ++at)
                if (live[at] != known[start + at])
                    return start + at;
        }
        start = end;
    }
    return start;
}

const std::uint8_t* editableTableByte(const EDITOR& editor, std::size_t offset)
{
    for (const EditableTable& table : kTables) {
        if (offset < tableSize(table))
            return tableStart(editor, table) + offset;
        offset -= tableSize(table);
    }
    return nullptr;
}

int stageOfTableByte(std::size_t offset)
{
    for (const EditableTable& table : kTables) {
        if (offset < tableSize(table))
            return int(offset / table.stageSize);
        offset -= tableSize(table);
    }
    return -1;
}
