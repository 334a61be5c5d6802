#include "script/checked_tables.h"

#include <cstring>

#include "edit/object_list.h"
#include "edit/tile_editing.h"
#include "model/editor.h"

namespace {

constexpr int kCellsPerSide = 8;
constexpr int kSubPalettes = 4;
constexpr int kLargestStyle = 0xFC;

// "map sets: stage 3, map set 4, column 2, row 1"
struct Place {
    std::string text;

    Place(const char* table, int stage) : text(std::string(table) + ": stage " + std::to_string(stage)) {}
    Place& at(const char* what, int number)
    {
        text += std::string(", ") + what + " " + std::to_string(number);
        return *this;
    }
    [[noreturn]] void refuse(const std::string& why) const { throw TableAccessError(text + ": " + why); }
    // A part of the place that does not exist: "there is no column 9 (0 to 7)".
    void checkPart(const char* what, int number, int count) const
    {
        if (number < 0 || number >= count)
            refuse("there is no " + std::string(what) + " " + std::to_string(number) + " (0 to " +
                   std::to_string(count - 1) + ")");
    }
    // A value to be written: "300 is not a chip set (0 to 255)".
    void checkValue(int value, const char* what, int last) const
    {
        if (value < 0 || value > last)
            refuse(std::to_string(value) + " is not " + what + " (0 to " + std::to_string(last) + ")");
    }
};

Place stagePlace(const char* table, int stage)
{
    checkStage(stage);
    return Place(table, stage);
}

Place tablePlace(const char* table, int stage, const char* what, int number, int count)
{
    Place place = stagePlace(table, stage);
    place.at(what, number).checkPart(what, number, count);
    return place;
}

Place cellPlace(int stage, int mapSet, int column, int row)
{
    Place place = tablePlace("map sets", stage, "map set", mapSet, kMapSetCount);
    place.at("column", column).checkPart("column", column, kCellsPerSide);
    place.at("row", row).checkPart("row", row, kCellsPerSide);
    return place;
}

Place colourPlace(int stage, int set, int subPalette)
{
    Place place = tablePlace("palette sets", stage, "palette set", set, kPaletteSetCount);
    place.at("sub-palette", subPalette).checkPart("sub-palette", subPalette, kSubPalettes);
    return place;
}

Place pixelPlace(int stage, int tile, int x, int y)
{
    Place place = tablePlace("tiles", stage, "tile", tile, kTileCount);
    place.at("x", x).checkPart("x", x, kCellsPerSide);
    place.at("y", y).checkPart("y", y, kCellsPerSide);
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
        throw TableAccessError("there is no stage " + std::to_string(stage) + " (0 to 15)");
}

int pageMapSet(const EDITOR& editor, int stage, int page)
{
    tablePlace("pages", stage, "page", page, kPageCount);
    return editor.pageSet[stage][page];
}

void setPageMapSet(EDITOR& editor, int stage, int page, int mapSet)
{
    tablePlace("pages", stage, "page", page, kPageCount).checkValue(mapSet, "a map set", kMapSetCount - 1);
    editor.pageSet[stage][page] = std::uint8_t(mapSet);
}

int mapSetCell(const EDITOR& editor, int stage, int mapSet, int column, int row)
{
    cellPlace(stage, mapSet, column, row);
    return editor.mapSet[stage][mapSet][column * kCellsPerSide + row];
}

void setMapSetCell(EDITOR& editor, int stage, int mapSet, int column, int row, int chipSet)
{
    cellPlace(stage, mapSet, column, row).checkValue(chipSet, "a chip set", kChipSetCount - 1);
    editor.mapSet[stage][mapSet][column * kCellsPerSide + row] = std::uint8_t(chipSet);
}

std::array<int, 4> chipSetChips(const EDITOR& editor, int stage, int chipSet)
{
    tablePlace("chip sets", stage, "chip set", chipSet, kChipSetCount);
    const std::uint8_t* chips = editor.chipSet[stage][chipSet];
    return {chips[0], chips[1], chips[2], chips[3]};
}

void setChipSetChips(EDITOR& editor, int stage, int chipSet, const std::array<int, 4>& chips)
{
    const Place place = tablePlace("chip sets", stage, "chip set", chipSet, kChipSetCount);
    for (int chip : chips)
        place.checkValue(chip, "a chip", kChipCount - 1);
    for (int quadrant = 0; quadrant < 4; ++quadrant)
        editor.chipSet[stage][chipSet][quadrant] = std::uint8_t(chips[std::size_t(quadrant)]);
}

ChipValues chipValues(const EDITOR& editor, int stage, int chip)
{
    tablePlace("chips", stage, "chip", chip, kChipCount);
    const ChipRecord& record = editor.chip[stage][chip];
    return {{record.tile[0], record.tile[1], record.tile[2], record.tile[3]}, record.palette, record.style};
}

void setChipValues(EDITOR& editor, int stage, int chip, const ChipValues& values)
{
    Place place = tablePlace("chips", stage, "chip", chip, kChipCount);
    for (int tile : values.tiles)
        place.checkValue(tile, "a tile", kTileCount - 1);
    place.checkValue(values.palette, "a sub-palette", kSubPalettes - 1);
    if (values.style < 0 || values.style > kLargestStyle || values.style % 4 != 0)
        place.refuse(std::to_string(values.style) + " is not a style (a multiple of 4, 0 to 252)");
    ChipRecord& record = editor.chip[stage][chip];
    for (int quadrant = 0; quadrant < 4; ++quadrant)
        record.tile[quadrant] = std::uint8_t(values.tiles[std::size_t(quadrant)]);
    record.palette = std::uint8_t(values.palette);
    record.style = std::uint8_t(values.style);
}

int paletteColour(const EDITOR& editor, int stage, int set, int subPalette, int index)
{
    colourPlace(stage, set, subPalette).at("colour", index).checkPart("colour", index, 4);
    return editor.palSet[stage][set].colour[subPalette][index];
}

void setPaletteColour(EDITOR& editor, int stage, int set, int subPalette, int index, int colour)
{
    Place place = colourPlace(stage, set, subPalette);
    place.at("colour", index).checkPart("colour", index, 4);
    place.checkValue(colour, "a console colour", 0x3F);
    editor.palSet[stage][set].colour[subPalette][index] = std::uint8_t(colour);
}

int paletteSelector(const EDITOR& editor, int stage, int set, int subPalette)
{
    colourPlace(stage, set, subPalette);
    return editor.palSet[stage][set].selector[subPalette];
}

void setPaletteSelector(EDITOR& editor, int stage, int set, int subPalette, int selector)
{
    colourPlace(stage, set, subPalette).checkValue(selector, "an animation selector", 0xFF);
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
    place.checkValue(value, "a pixel value", 3);
    checkDrawable(editor, place, stage, tile);
    setTilePixel(editor, stage, tile, x, y, value);
}

void setTilePixels(EDITOR& editor, int stage, int tile, const std::array<std::array<int, 8>, 8>& pixels)
{
    const Place place = tablePlace("tiles", stage, "tile", tile, kTileCount);
    for (const auto& row : pixels)
        for (int value : row)
            place.checkValue(value, "a pixel value", 3);
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
    tablePlace("tiles", stage, "tile", tile, kTileCount);
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
    Place place = stagePlace("objects", stage);
    place.at("slot", values.slot).checkPart("slot", values.slot, kObjectSlots);
    // Used slots come first without a gap: the first free one is where a new object goes.
    const int count = int(usedObjects(editor, stage).size());
    if (values.slot > count)
        place.refuse("slot " + std::to_string(values.slot) + " holds no object and is not the first free slot (" +
                     std::to_string(count) + ")");
    place.checkValue(values.page, "a page", kPageCount - 1);
    place.checkValue(values.x, "an x position", 0xFF);
    place.checkValue(values.y, "a y position", 0xFF);
    place.checkValue(values.data, "a data value", 0xFF);
    editor.object[stage][values.slot] = {std::uint8_t(values.page), std::uint8_t(values.x), std::uint8_t(values.y),
                                         std::uint8_t(values.data)};
}

void removeObject(EDITOR& editor, int stage, int slot)
{
    Place place = stagePlace("objects", stage);
    place.at("slot", slot).checkPart("slot", slot, kObjectSlots);
    const int count = int(usedObjects(editor, stage).size());
    if (slot >= count)
        place.refuse("slot " + std::to_string(slot) + " holds no object");
    if (count == 1)
        place.refuse("the last object of a stage cannot be removed");
    removeObjectSlot(editor, stage, slot);
}
