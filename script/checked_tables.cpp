#include "script/checked_tables.h"

#include <array>
#include <cstring>
#include <string>

#include "edit/object_list.h"
#include "edit/tile_editing.h"
#include "model/editor.h"
#include "text/translation.h"

namespace {

constexpr int kCellsPerSide = 8;
constexpr int kSubPalettes = 4;
constexpr int kLargestStyle = 0xFC;

// How a table's places read, one text for each depth: the stage's number is %1 and
// each part's number follows, as in "map sets: stage 3, map set 4, column 2, row 1".
using PlaceTexts = std::array<const char*, 4>;

constexpr PlaceTexts kPages{TEXT_NOOP("checked_tables", "pages: stage %1"),
                            TEXT_NOOP("checked_tables", "pages: stage %1, page %2")};
constexpr PlaceTexts kMapSets{TEXT_NOOP("checked_tables", "map sets: stage %1"),
                              TEXT_NOOP("checked_tables", "map sets: stage %1, map set %2"),
                              TEXT_NOOP("checked_tables", "map sets: stage %1, map set %2, column %3"),
                              TEXT_NOOP("checked_tables", "map sets: stage %1, map set %2, column %3, row %4")};
constexpr PlaceTexts kChipSets{TEXT_NOOP("checked_tables", "chip sets: stage %1"),
                               TEXT_NOOP("checked_tables", "chip sets: stage %1, chip set %2")};
constexpr PlaceTexts kChips{TEXT_NOOP("checked_tables", "chips: stage %1"),
                            TEXT_NOOP("checked_tables", "chips: stage %1, chip %2")};
constexpr PlaceTexts kPaletteSets{
    TEXT_NOOP("checked_tables", "palette sets: stage %1"),
    TEXT_NOOP("checked_tables", "palette sets: stage %1, palette set %2"),
    TEXT_NOOP("checked_tables", "palette sets: stage %1, palette set %2, sub-palette %3"),
    TEXT_NOOP("checked_tables", "palette sets: stage %1, palette set %2, sub-palette %3, colour %4")};
constexpr PlaceTexts kTiles{TEXT_NOOP("checked_tables", "tiles: stage %1"),
                            TEXT_NOOP("checked_tables", "tiles: stage %1, tile %2"),
                            TEXT_NOOP("checked_tables", "tiles: stage %1, tile %2, x %3"),
                            TEXT_NOOP("checked_tables", "tiles: stage %1, tile %2, x %3, y %4")};
constexpr PlaceTexts kObjects{TEXT_NOOP("checked_tables", "objects: stage %1"),
                              TEXT_NOOP("checked_tables", "objects: stage %1, slot %2")};

struct Place {
    const PlaceTexts* texts;
    std::array<std::string, 4> numbers;
    std::size_t depth = 0;

    Place(const PlaceTexts& table, int stage) : texts(&table), numbers{std::to_string(stage)} {}
    // Goes one part deeper. missing (%1 the number, %2 the last there is) refuses a
    // part that does not exist: "there is no column 9 (0 to 7)".
    Place& at(const char* missing, int number, int count)
    {
        numbers[++depth] = std::to_string(number);
        if (number < 0 || number >= count)
            refuse(fillIn(translated("checked_tables", missing), {numbers[depth], std::to_string(count - 1)}));
        return *this;
    }
    std::string text() const
    {
        return fillIn(translated("checked_tables", (*texts)[depth]), {numbers[0], numbers[1], numbers[2], numbers[3]});
    }
    [[noreturn]] void refuse(const std::string& why) const
    {
        throw TableAccessError(fillIn(translated("checked_tables", "%1: %2"), {text(), why}));
    }
    // A value to be written. wrong (%1 the value, %2 the last allowed) says what it is
    // not: "300 is not a chip set (0 to 255)".
    void checkValue(int value, const char* wrong, int last) const
    {
        if (value < 0 || value > last)
            refuse(fillIn(translated("checked_tables", wrong), {std::to_string(value), std::to_string(last)}));
    }
};

Place stagePlace(const PlaceTexts& table, int stage)
{
    checkStage(stage);
    return Place(table, stage);
}

Place tablePlace(const PlaceTexts& table, int stage, const char* missing, int number, int count)
{
    Place place = stagePlace(table, stage);
    place.at(missing, number, count);
    return place;
}

Place pagePlace(int stage, int page)
{
    return tablePlace(kPages, stage, TEXT_NOOP("checked_tables", "there is no page %1 (0 to %2)"), page, kPageCount);
}

Place chipSetPlace(int stage, int chipSet)
{
    return tablePlace(kChipSets, stage, TEXT_NOOP("checked_tables", "there is no chip set %1 (0 to %2)"), chipSet,
                      kChipSetCount);
}

Place chipPlace(int stage, int chip)
{
    return tablePlace(kChips, stage, TEXT_NOOP("checked_tables", "there is no chip %1 (0 to %2)"), chip, kChipCount);
}

Place tilePlace(int stage, int tile)
{
    return tablePlace(kTiles, stage, TEXT_NOOP("checked_tables", "there is no tile %1 (0 to %2)"), tile, kTileCount);
}

Place slotPlace(int stage, int slot)
{
    return tablePlace(kObjects, stage, TEXT_NOOP("checked_tables", "there is no slot %1 (0 to %2)"), slot,
                      kObjectSlots);
}

Place cellPlace(int stage, int mapSet, int column, int row)
{
    Place place = tablePlace(kMapSets, stage, TEXT_NOOP("checked_tables", "there is no map set %1 (0 to %2)"), mapSet,
                             kMapSetCount);
    place.at(TEXT_NOOP("checked_tables", "there is no column %1 (0 to %2)"), column, kCellsPerSide);
    place.at(TEXT_NOOP("checked_tables", "there is no row %1 (0 to %2)"), row, kCellsPerSide);
    return place;
}

Place colourPlace(int stage, int set, int subPalette)
{
    Place place = tablePlace(kPaletteSets, stage, TEXT_NOOP("checked_tables", "there is no palette set %1 (0 to %2)"),
                             set, kPaletteSetCount);
    place.at(TEXT_NOOP("checked_tables", "there is no sub-palette %1 (0 to %2)"), subPalette, kSubPalettes);
    return place;
}

Place colourIndexPlace(int stage, int set, int subPalette, int index)
{
    Place place = colourPlace(stage, set, subPalette);
    place.at(TEXT_NOOP("checked_tables", "there is no colour %1 (0 to %2)"), index, 4);
    return place;
}

Place pixelPlace(int stage, int tile, int x, int y)
{
    Place place = tilePlace(stage, tile);
    place.at(TEXT_NOOP("checked_tables", "there is no x %1 (0 to %2)"), x, kCellsPerSide);
    place.at(TEXT_NOOP("checked_tables", "there is no y %1 (0 to %2)"), y, kCellsPerSide);
    return place;
}

void checkDrawable(const EDITOR& editor, const Place& place, int stage, int tile)
{
    if (const std::string refusal = tileDrawingRefusal(editor, stage, tile); !refusal.empty())
        place.refuse(refusal);
}

}  // namespace

void checkStage(int stage)
{
    if (stage < 0 || stage >= kStageCount)
        throw TableAccessError(
            fillIn(translated("checked_tables", "there is no stage %1 (0 to 15)"), {std::to_string(stage)}));
}

int pageMapSet(const EDITOR& editor, int stage, int page)
{
    pagePlace(stage, page);
    return editor.pageSet[stage][page];
}

void setPageMapSet(EDITOR& editor, int stage, int page, int mapSet)
{
    pagePlace(stage, page)
        .checkValue(mapSet, TEXT_NOOP("checked_tables", "%1 is not a map set (0 to %2)"), kMapSetCount - 1);
    editor.pageSet[stage][page] = std::uint8_t(mapSet);
}

int mapSetCell(const EDITOR& editor, int stage, int mapSet, int column, int row)
{
    cellPlace(stage, mapSet, column, row);
    return editor.mapSet[stage][mapSet][column * kCellsPerSide + row];
}

void setMapSetCell(EDITOR& editor, int stage, int mapSet, int column, int row, int chipSet)
{
    cellPlace(stage, mapSet, column, row)
        .checkValue(chipSet, TEXT_NOOP("checked_tables", "%1 is not a chip set (0 to %2)"), kChipSetCount - 1);
    editor.mapSet[stage][mapSet][column * kCellsPerSide + row] = std::uint8_t(chipSet);
}

std::array<int, 4> chipSetChips(const EDITOR& editor, int stage, int chipSet)
{
    chipSetPlace(stage, chipSet);
    const std::uint8_t* chips = editor.chipSet[stage][chipSet];
    return {chips[0], chips[1], chips[2], chips[3]};
}

void setChipSetChips(EDITOR& editor, int stage, int chipSet, const std::array<int, 4>& chips)
{
    const Place place = chipSetPlace(stage, chipSet);
    for (int chip : chips)
        place.checkValue(chip, TEXT_NOOP("checked_tables", "%1 is not a chip (0 to %2)"), kChipCount - 1);
    for (int quadrant = 0; quadrant < 4; ++quadrant)
        editor.chipSet[stage][chipSet][quadrant] = std::uint8_t(chips[std::size_t(quadrant)]);
}

ChipValues chipValues(const EDITOR& editor, int stage, int chip)
{
    chipPlace(stage, chip);
    const ChipRecord& record = editor.chip[stage][chip];
    return {{record.tile[0], record.tile[1], record.tile[2], record.tile[3]}, record.palette, record.style};
}

void setChipValues(EDITOR& editor, int stage, int chip, const ChipValues& values)
{
    const Place place = chipPlace(stage, chip);
    for (int tile : values.tiles)
        place.checkValue(tile, TEXT_NOOP("checked_tables", "%1 is not a tile (0 to %2)"), kTileCount - 1);
    place.checkValue(values.palette, TEXT_NOOP("checked_tables", "%1 is not a sub-palette (0 to %2)"),
                     kSubPalettes - 1);
    if (values.style < 0 || values.style > kLargestStyle || values.style % 4 != 0)
        place.refuse(fillIn(translated("checked_tables", "%1 is not a style (a multiple of 4, 0 to 252)"),
                            {std::to_string(values.style)}));
    ChipRecord& record = editor.chip[stage][chip];
    for (int quadrant = 0; quadrant < 4; ++quadrant)
        record.tile[quadrant] = std::uint8_t(values.tiles[std::size_t(quadrant)]);
    record.palette = std::uint8_t(values.palette);
    record.style = std::uint8_t(values.style);
}

int paletteColour(const EDITOR& editor, int stage, int set, int subPalette, int index)
{
    colourIndexPlace(stage, set, subPalette, index);
    return editor.palSet[stage][set].colour[subPalette][index];
}

void setPaletteColour(EDITOR& editor, int stage, int set, int subPalette, int index, int colour)
{
    colourIndexPlace(stage, set, subPalette, index)
        .checkValue(colour, TEXT_NOOP("checked_tables", "%1 is not a console colour (0 to %2)"), 0x3F);
    editor.palSet[stage][set].colour[subPalette][index] = std::uint8_t(colour);
}

int paletteSelector(const EDITOR& editor, int stage, int set, int subPalette)
{
    colourPlace(stage, set, subPalette);
    return editor.palSet[stage][set].selector[subPalette];
}

void setPaletteSelector(EDITOR& editor, int stage, int set, int subPalette, int selector)
{
    colourPlace(stage, set, subPalette)
        .checkValue(selector, TEXT_NOOP("checked_tables", "%1 is not an animation selector (0 to %2)"), 0xFF);
    editor.palSet[stage][set].selector[subPalette] = std::uint8_t(selector);
}

int tilePixelAt(const EDITOR& editor, int stage, int tile, int x, int y)
{
    pixelPlace(stage, tile, x, y);
    return tilePixel(editor, stage, tile, x, y);
}

void setTilePixelAt(EDITOR& editor, int stage, int tile, int x, int y, int value)
{
    const Place place = pixelPlace(stage, tile, x, y);
    place.checkValue(value, TEXT_NOOP("checked_tables", "%1 is not a pixel value (0 to %2)"), 3);
    checkDrawable(editor, place, stage, tile);
    setTilePixel(editor, stage, tile, x, y, value);
}

void setTilePixels(EDITOR& editor, int stage, int tile, const std::array<std::array<int, 8>, 8>& pixels)
{
    const Place place = tilePlace(stage, tile);
    for (const auto& row : pixels)
        for (int value : row)
            place.checkValue(value, TEXT_NOOP("checked_tables", "%1 is not a pixel value (0 to %2)"), 3);
    checkDrawable(editor, place, stage, tile);
    // Planes as the image holds them: bytes 0 to 7 the low bits of rows 0 to 7, bytes 8
    // to 15 the high bits; bit 7 is the left pixel.
    std::array<std::uint8_t, kTileBytes> bytes{};
    for (int y = 0; y < kCellsPerSide; ++y)
        for (int x = 0; x < kCellsPerSide; ++x) {
            const int value = pixels[std::size_t(y)][std::size_t(x)];
            bytes[std::size_t(y)] |= std::uint8_t((value & 1) << (7 - x));
            bytes[std::size_t(y) + 8] |= std::uint8_t(((value >> 1) & 1) << (7 - x));
        }
    setTileBytes(editor, stage, tile, bytes);
}

TileSourceInfo tileSource(const EDITOR& editor, int stage, int tile)
{
    tilePlace(stage, tile);
    TileSourceInfo info;
    if (editor.tileSources.hasSource(stage, tile))
        info.offset = editor.tileSources.offset[stage][tile];
    info.refusal = tileDrawingRefusal(editor, stage, tile);
    for (const TilePlace& place : tilesSharingSource(editor, stage, tile))
        info.sharedWith.push_back({place.stage, place.tile});
    return info;
}

std::vector<ObjectValues> usedObjects(const EDITOR& editor, int stage)
{
    checkStage(stage);
    std::vector<ObjectValues> objects;
    for (int slot = 0; slot < kObjectSlots && editor.object[stage][slot].isUsed(); ++slot) {
        const ObjectRecord& record = editor.object[stage][slot];
        objects.push_back({slot, record.page, record.x, record.y, record.data});
    }
    return objects;
}

void setObjectValues(EDITOR& editor, int stage, const ObjectValues& values)
{
    const Place place = slotPlace(stage, values.slot);
    // Used slots come first without a gap: the first free one is where a new object goes.
    const int count = int(usedObjects(editor, stage).size());
    if (values.slot > count)
        place.refuse(fillIn(translated("checked_tables", "slot %1 holds no object and is not the first free slot (%2)"),
                            {std::to_string(values.slot), std::to_string(count)}));
    place.checkValue(values.page, TEXT_NOOP("checked_tables", "%1 is not a page (0 to %2)"), kPageCount - 1);
    place.checkValue(values.x, TEXT_NOOP("checked_tables", "%1 is not an x position (0 to %2)"), 0xFF);
    place.checkValue(values.y, TEXT_NOOP("checked_tables", "%1 is not a y position (0 to %2)"), 0xFF);
    place.checkValue(values.data, TEXT_NOOP("checked_tables", "%1 is not a data value (0 to %2)"), 0xFF);
    editor.object[stage][values.slot] = {std::uint8_t(values.page), std::uint8_t(values.x), std::uint8_t(values.y),
                                         std::uint8_t(values.data)};
}

void removeObject(EDITOR& editor, int stage, int slot)
{
    const Place place = slotPlace(stage, slot);
    const int count = int(usedObjects(editor, stage).size());
    if (slot >= count)
        place.refuse(fillIn(translated("checked_tables", "slot %1 holds no object"), {std::to_string(slot)}));
    if (count == 1)
        place.refuse(translated("checked_tables", "the last object of a stage cannot be removed"));
    removeObjectSlot(editor, stage, slot);
}
