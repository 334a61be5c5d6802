#include "stagefile/stage_file.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <string_view>

#include "text/translation.h"

using Json = nlohmann::json;

namespace {

constexpr const char* kFormat = "quarrix-editor stage data";
constexpr int kMapSetRows = 8;
constexpr int kMapSetColumns = 8;

// --- Writing: the layout is ours (one row of a table per line); every value is a
// number, so each line is valid JSON by construction.

std::string numbers(const std::uint8_t* values, int count)
{
    std::string line = "[";
    for (int i = 0; i < count; ++i)
        line += (i ? ", " : "") + std::to_string(values[i]);
    return line + "]";
}

std::string chipLine(const ChipRecord& chip)
{
    return "{\"tiles\": " + numbers(chip.tile, 4) + ", \"palette\": " + std::to_string(chip.palette) +
        ", \"style\": " + std::to_string(chip.style) + "}";
}

std::string objectLine(const ObjectRecord& slot)
{
    return "{\"page\": " + std::to_string(slot.page) + ", \"x\": " + std::to_string(slot.x) +
        ", \"y\": " + std::to_string(slot.y) + ", \"data\": " + std::to_string(slot.data) + "}";
}

// A palette set as one line: its four sub-palettes of four colours, then the four
// animation selectors.
std::string paletteSetLine(const PaletteRecord& set)
{
    std::string line = "{\"colours\": [";
    for (int p = 0; p < 4; ++p)
        line += (p ? ", " : "") + numbers(set.colour[p], 4);
    return line + "], \"selectors\": " + numbers(set.selector, 4) + "}";
}

// Appends the rows of a table, one per line, separated by commas.
template <typename Row>
void table(std::string& out, const char* name, int count, Row row, bool last = false)
{
    out += std::string("  \"") + name + "\": [\n";
    for (int i = 0; i < count; ++i)
        out += "    " + row(i) + (i + 1 < count ? ",\n" : "\n");
    out += last ? "  ]\n" : "  ],\n";
}

// --- Reading -----------------------------------------------------------------------

[[noreturn]] void refuse(const std::string& why)
{
    throw StageFileError(fillIn(translated("stage_file", "the stage file is refused: %1"), {why}));
}

// Refuses with a reason whose %1 is where in the file the fault is (as the file's own
// names write it, such as chips[3].tiles[0]) and whose %2 to %4 are the values.
[[noreturn]] void fault(const char* reason, const std::string& where, std::string_view second = {},
                        std::string_view third = {}, std::string_view fourth = {})
{
    refuse(fillIn(translated("stage_file", reason), {where, second, third, fourth}));
}

// A member of an entry; an empty where is the file itself.
const Json& member(const Json& object, const char* name, const std::string& where = {})
{
    const auto found = object.find(name);
    if (found == object.end()) {
        if (where.empty())
            refuse(fillIn(translated("stage_file", "the file has no \"%1\""), {name}));
        fault(TEXT_NOOP("stage_file", "%1 has no \"%2\""), where, name);
    }
    return *found;
}

const Json& array(const Json& value, std::size_t length, const std::string& where)
{
    if (!value.is_array())
        fault(TEXT_NOOP("stage_file", "%1 is not a list"), where);
    if (value.size() != length)
        fault(TEXT_NOOP("stage_file", "%1 has %2 entries, and must have %3"), where, std::to_string(value.size()),
              std::to_string(length));
    return value;
}

std::uint8_t byte(const Json& value, const std::string& where, int highest = 255, int step = 1)
{
    if (!value.is_number_integer())
        fault(TEXT_NOOP("stage_file", "%1 is not a whole number"), where);
    const bool negative = value.is_number_unsigned() ? false : value.get<std::int64_t>() < 0;
    const std::uint64_t number = negative ? 0 : value.get<std::uint64_t>();
    if (negative || number > std::uint64_t(highest) || number % std::uint64_t(step) != 0) {
        if (step == 1)
            fault(TEXT_NOOP("stage_file", "%1 is %2, and must be 0 to %3"), where, value.dump(),
                  std::to_string(highest));
        fault(TEXT_NOOP("stage_file", "%1 is %2, and must be a multiple of %3 from 0 to %4"), where, value.dump(),
              std::to_string(step), std::to_string(highest));
    }
    return std::uint8_t(number);
}

std::string at(const char* table, int index)
{
    return std::string(table) + "[" + std::to_string(index) + "]";
}

}  // namespace

std::string writeStageFile(const StageData& data, int stage)
{
    std::string out = "{\n";
    out += std::string("  \"format\": \"") + kFormat + "\",\n";
    out += "  \"version\": " + std::to_string(kStageFileVersion) + ",\n";
    out += "  \"stage\": " + std::to_string(stage) + ",\n";
    table(out, "pages", kPageCount, [&](int p) { return std::to_string(data.pageSet[p]); });
    // A map set as it shows: eight rows of eight cells, a row per line.
    out += "  \"map_sets\": [\n";
    for (int m = 0; m < kMapSetCount; ++m) {
        out += "    [\n";
        for (int r = 0; r < kMapSetRows; ++r) {
            std::uint8_t row[kMapSetColumns];
            for (int c = 0; c < kMapSetColumns; ++c)
                row[c] = data.mapSet[m][c * kMapSetRows + r];
            out += "      " + numbers(row, kMapSetColumns) + (r + 1 < kMapSetRows ? ",\n" : "\n");
        }
        out += m + 1 < kMapSetCount ? "    ],\n" : "    ]\n";
    }
    out += "  ],\n";
    table(out, "chip_sets", kChipSetCount, [&](int b) { return numbers(data.chipSet[b], 4); });
    table(out, "chips", kChipCount, [&](int c) { return chipLine(data.chip[c]); });
    table(out, "objects", kObjectSlots, [&](int i) { return objectLine(data.object[i]); });
    table(
        out, "palette_sets", kPaletteSetCount, [&](int k) { return paletteSetLine(data.palSet[k]); }, true);
    return out + "}\n";
}

StageData readStageFile(std::string_view text, const StageData& before)
{
    Json root;
    try {
        root = Json::parse(text.begin(), text.end());
    } catch (const Json::exception& error) {
        // Not only syntax errors: a number too large for any integer type is refused
        // while parsing too. The library's text starts with its own name for the error: "[json.exception...] ".
        std::string reason = error.what();
        if (const auto end = reason.find("] "); reason.starts_with("[") && end != std::string::npos)
            reason.erase(0, end + 2);
        refuse(fillIn(translated("stage_file", "it is not JSON (%1)"), {reason}));
    }
    if (!root.is_object() || !root.contains("format") || root["format"] != kFormat)
        refuse(fillIn(translated("stage_file", "it is not a stage file (it has no \"format\" of \"%1\")"), {kFormat}));
    const Json& version = member(root, "version");
    if (version != 1 && version != kStageFileVersion)
        refuse(
            fillIn(translated("stage_file", "its version %1 is not one this editor reads (it reads versions 1 to %2)"),
                   {version.dump(), std::to_string(kStageFileVersion)}));

    StageData data = before;
    const Json& pages = array(member(root, "pages"), kPageCount, "pages");
    for (int p = 0; p < kPageCount; ++p)
        data.pageSet[p] = byte(pages[std::size_t(p)], at("pages", p));

    const Json& mapSets = array(member(root, "map_sets"), kMapSetCount, "map_sets");
    for (int m = 0; m < kMapSetCount; ++m) {
        const std::string set = at("map_sets", m);
        const Json& rows = array(mapSets[std::size_t(m)], kMapSetRows, set);
        for (int r = 0; r < kMapSetRows; ++r) {
            const std::string row = set + "[" + std::to_string(r) + "]";
            const Json& cells = array(rows[std::size_t(r)], kMapSetColumns, row);
            for (int c = 0; c < kMapSetColumns; ++c)
                data.mapSet[m][c * kMapSetRows + r] = byte(cells[std::size_t(c)], row + "[" + std::to_string(c) + "]");
        }
    }

    const Json& chipSets = array(member(root, "chip_sets"), kChipSetCount, "chip_sets");
    for (int b = 0; b < kChipSetCount; ++b) {
        const Json& quarters = array(chipSets[std::size_t(b)], 4, at("chip_sets", b));
        for (int q = 0; q < 4; ++q)
            data.chipSet[b][q] = byte(quarters[std::size_t(q)], at("chip_sets", b) + "[" + std::to_string(q) + "]");
    }

    const Json& chips = array(member(root, "chips"), kChipCount, "chips");
    for (int c = 0; c < kChipCount; ++c) {
        const std::string chip = at("chips", c);
        const Json& entry = chips[std::size_t(c)];
        if (!entry.is_object())
            fault(TEXT_NOOP("stage_file", "%1 is not an object of tiles, palette and style"), chip);
        const Json& tiles = array(member(entry, "tiles", chip), 4, chip + ".tiles");
        for (int q = 0; q < 4; ++q)
            data.chip[c].tile[q] = byte(tiles[std::size_t(q)], chip + ".tiles[" + std::to_string(q) + "]");
        data.chip[c].palette = byte(member(entry, "palette", chip), chip + ".palette", 3);
        // The low two bits of the attribute byte are the palette's.
        data.chip[c].style = byte(member(entry, "style", chip), chip + ".style", 252, 4);
    }

    const Json& objects = array(member(root, "objects"), kObjectSlots, "objects");
    for (int i = 0; i < kObjectSlots; ++i) {
        const std::string slot = at("objects", i);
        const Json& entry = objects[std::size_t(i)];
        if (!entry.is_object())
            fault(TEXT_NOOP("stage_file", "%1 is not an object of page, x, y and data"), slot);
        data.object[i].page = byte(member(entry, "page", slot), slot + ".page");
        data.object[i].x = byte(member(entry, "x", slot), slot + ".x");
        data.object[i].y = byte(member(entry, "y", slot), slot + ".y");
        data.object[i].data = byte(member(entry, "data", slot), slot + ".data");
    }

    if (version == 1)
        return data;
    // Any byte: images may hold colour numbers above 3F, and a selector keeps all its bits.
    const Json& sets = array(member(root, "palette_sets"), kPaletteSetCount, "palette_sets");
    for (int k = 0; k < kPaletteSetCount; ++k) {
        const std::string set = at("palette_sets", k);
        const Json& entry = sets[std::size_t(k)];
        if (!entry.is_object())
            fault(TEXT_NOOP("stage_file", "%1 is not an object of colours and selectors"), set);
        const Json& subPalettes = array(member(entry, "colours", set), 4, set + ".colours");
        for (int p = 0; p < 4; ++p) {
            const Json& colours = array(subPalettes[std::size_t(p)], 4, set + ".colours[" + std::to_string(p) + "]");
            for (int c = 0; c < 4; ++c)
                data.palSet[k].colour[p][c] =
                    byte(colours[std::size_t(c)],
                         fillIn(translated("stage_file", "%1 (palette set %2, sub-palette %3, colour %4)"),
                                {set + ".colours[" + std::to_string(p) + "][" + std::to_string(c) + "]",
                                 std::to_string(k), std::to_string(p), std::to_string(c)}));
        }
        const Json& selectors = array(member(entry, "selectors", set), 4, set + ".selectors");
        for (int p = 0; p < 4; ++p)
            data.palSet[k].selector[p] =
                byte(selectors[std::size_t(p)],
                     fillIn(translated("stage_file", "%1 (palette set %2, animation selector of sub-palette %3)"),
                            {set + ".selectors[" + std::to_string(p) + "]", std::to_string(k), std::to_string(p)}));
    }
    return data;
}
