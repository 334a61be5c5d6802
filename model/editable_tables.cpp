#include "model/editable_tables.h"

#include <array>
#include <bit>
#include <cstdio>
#include <cstring>
#include <string>

#include "model/editor.h"
#include "model/stage_bank_layout.h"
#include "text/translation.h"

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

std::string say(bool shown, const char* text)
{
    return shown ? translated("editable_tables", text) : std::string(text);
}

// A map set is kept column by column.
std::string cellName(int part, bool shown)
{
    return fillIn(say(shown, TEXT_NOOP("editable_tables", "cell (%1, %2)")),
                  {std::to_string(part / 8), std::to_string(part % 8)});
}

constexpr const char* kQuadrantChips[4] = {
    TEXT_NOOP("editable_tables", "top-left chip"), TEXT_NOOP("editable_tables", "top-right chip"),
    TEXT_NOOP("editable_tables", "bottom-left chip"), TEXT_NOOP("editable_tables", "bottom-right chip")};
constexpr const char* kQuadrantTiles[4] = {
    TEXT_NOOP("editable_tables", "top-left tile"), TEXT_NOOP("editable_tables", "top-right tile"),
    TEXT_NOOP("editable_tables", "bottom-left tile"), TEXT_NOOP("editable_tables", "bottom-right tile")};

std::string chipSetPart(int part, bool shown)
{
    return say(shown, kQuadrantChips[part]);
}

std::string chipPart(int part, bool shown)
{
    if (part < 4)
        return say(shown, kQuadrantTiles[part]);
    return say(shown, part == 4 ? TEXT_NOOP("editable_tables", "palette") : TEXT_NOOP("editable_tables", "style"));
}

std::string chipValue(int part, const std::uint8_t* bytes)
{
    return part == 4 ? std::string(1, "0123"[*bytes & 3]) : hexByte(part, bytes);
}

constexpr const char* kObjectFields[4] = {TEXT_NOOP("editable_tables", "page"), TEXT_NOOP("editable_tables", "x"),
                                          TEXT_NOOP("editable_tables", "y"), TEXT_NOOP("editable_tables", "data")};

std::string objectPart(int part, bool shown)
{
    return say(shown, kObjectFields[part]);
}

std::string palettePart(int part, bool shown)
{
    if (part < 16)
        return fillIn(say(shown, TEXT_NOOP("editable_tables", "sub-palette %1 · colour %2")),
                      {std::to_string(part / 4), std::to_string(part % 4)});
    return fillIn(say(shown, TEXT_NOOP("editable_tables", "sub-palette %1 · animation")), {std::to_string(part - 16)});
}

// Two bit planes of eight rows: a pixel differs where either plane's bit does.
int changedPixels(const std::uint8_t* before, const std::uint8_t* after)
{
    int count = 0;
    for (int row = 0; row < 8; ++row)
        count += std::popcount(unsigned((before[row] ^ after[row]) | (before[row + 8] ^ after[row + 8])));
    return count;
}

constexpr TableLayout kPageLayout{TEXT_NOOP("editable_tables", "page"),
                                  TEXT_NOOP("editable_tables", "pages"),
                                  1,
                                  2,
                                  1,
                                  nullptr,
                                  TEXT_NOOP("editable_tables", "pages"),
                                  &hexByte,
                                  TEXT_NOOP("editable_tables", "map set")};
constexpr TableLayout kMapSetLayout{TEXT_NOOP("editable_tables", "map set"),
                                    TEXT_NOOP("editable_tables", "map sets"),
                                    kMapSetCells,
                                    2,
                                    1,
                                    &cellName,
                                    TEXT_NOOP("editable_tables", "cells"),
                                    &hexByte};
constexpr TableLayout kChipSetLayout{TEXT_NOOP("editable_tables", "chip set"),
                                     TEXT_NOOP("editable_tables", "chip sets"),
                                     4,
                                     2,
                                     1,
                                     &chipSetPart,
                                     TEXT_NOOP("editable_tables", "chips"),
                                     &hexByte};
constexpr TableLayout kChipLayout{TEXT_NOOP("editable_tables", "chip"),
                                  TEXT_NOOP("editable_tables", "chips"),
                                  sizeof(ChipRecord),
                                  2,
                                  1,
                                  &chipPart,
                                  TEXT_NOOP("editable_tables", "fields"),
                                  &chipValue};
constexpr TableLayout kObjectLayout{TEXT_NOOP("editable_tables", "object slot"),
                                    TEXT_NOOP("editable_tables", "object slots"),
                                    sizeof(ObjectRecord),
                                    2,
                                    1,
                                    &objectPart,
                                    TEXT_NOOP("editable_tables", "fields"),
                                    &hexByte};
constexpr TableLayout kPaletteLayout{TEXT_NOOP("editable_tables", "palette set"),
                                     TEXT_NOOP("editable_tables", "palette sets"),
                                     sizeof(PaletteRecord),
                                     1,
                                     1,
                                     &palettePart,
                                     TEXT_NOOP("editable_tables", "colours"),
                                     &hexByte};
constexpr TableLayout kTileLayout{TEXT_NOOP("editable_tables", "tile"),
                                  TEXT_NOOP("editable_tables", "tiles"),
                                  kTileBytes,
                                  2,
                                  kTileBytes,
                                  nullptr,
                                  TEXT_NOOP("editable_tables", "pixels"),
                                  nullptr,
                                  nullptr,
                                  &changedPixels,
                                  true};

static_assert(sizeof(ChipRecord) == 6 && sizeof(ObjectRecord) == 4 && sizeof(PaletteRecord) == 20,
              "the records must have no padding");

// The order of the block: undo steps and recovery files written by earlier versions
// address bytes by their place in it, so new tables go at the end.
const std::array<EditableTable, 7> kTables = {{
    {TEXT_NOOP("editable_tables", "pages"), &kPageLayout, stageSizeOf<&EDITOR::pageSet>(), &bytesOf<&EDITOR::pageSet>,
     kPageRuns, &copyOut<L::kPageTable, L::kPageTableSize>, &copyIn<L::kPageTable, L::kPageTableSize>},
    {TEXT_NOOP("editable_tables", "map sets"), &kMapSetLayout, stageSizeOf<&EDITOR::mapSet>(),
     &bytesOf<&EDITOR::mapSet>, kMapSetRuns, &mapSetsOut, &mapSetsIn},
    {TEXT_NOOP("editable_tables", "chip sets"), &kChipSetLayout, stageSizeOf<&EDITOR::chipSet>(),
     &bytesOf<&EDITOR::chipSet>, kChipSetRuns, &copyOut<L::kChipSets, L::kChipSetsSize>,
     &copyIn<L::kChipSets, L::kChipSetsSize>},
    {TEXT_NOOP("editable_tables", "chips"), &kChipLayout, stageSizeOf<&EDITOR::chip>(), &bytesOf<&EDITOR::chip>,
     kChipRuns, &chipsOut, &chipsIn},
    {TEXT_NOOP("editable_tables", "objects"), &kObjectLayout, stageSizeOf<&EDITOR::object>(), &bytesOf<&EDITOR::object>,
     kObjectRuns, &objectsOut, &objectsIn},
    {TEXT_NOOP("editable_tables", "palette sets"), &kPaletteLayout, stageSizeOf<&EDITOR::palSet>(),
     &bytesOf<&EDITOR::palSet>, kPaletteRuns, &copyOut<L::kPaletteSets, L::kPaletteSetsSize>,
     &copyIn<L::kPaletteSets, L::kPaletteSetsSize>},
    {TEXT_NOOP("editable_tables", "tiles"),
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
