// Reading a tile sheet on any picture: it is refused with a reason, or every tile
// pixel gets a value whose colour is the pixel's (or, read by index, the index itself),
// and the tiles written back as a sheet read back as themselves.
//
// An input is a picture: byte 0 says what kind (bit 0 indexed; bits 1 and 2 the size:
// 128 x 128, 256 x 256, 16 x 16 or 256 x 128), byte 1 the number of palette entries of
// an indexed picture, bytes 2 to 13 the sub-palette's four colours (red, green, blue),
// then the palette entries (three bytes each) and the pixels (one index byte or three
// colour bytes each), repeated from their start until the picture is full.

#include <algorithm>
#include <cstring>
#include <vector>

#include "demo/demo_image.h"
#include "fuzz/fuzz_target.h"
#include "model/editor.h"
#include "rom/load_rom.h"
#include "tilesheet/sheet_colours.h"
#include "tilesheet/sheet_tiles.h"

namespace {

constexpr std::size_t kHeader = 14;
constexpr int kSides[4][2] = {{128, 128}, {256, 256}, {16, 16}, {256, 128}};

EDITOR& demoEditor()
{
    static EDITOR* editor = [] {
        auto* made = new EDITOR;
        loadRomImage(*made, makeDemoImage());
        return made;
    }();
    return *editor;
}

Colour colourAt(const std::uint8_t* bytes)
{
    return rgb(bytes[0], bytes[1], bytes[2]);
}

void putColour(std::vector<std::uint8_t>& bytes, Colour colour)
{
    bytes.insert(bytes.end(), {std::uint8_t(colour >> 16), std::uint8_t(colour >> 8), std::uint8_t(colour)});
}

std::vector<std::uint8_t> inputOf(const TileSheetImage& sheet, const SheetColours& colours)
{
    const int size = sheet.width == 128 ? 0 : 1;
    std::vector<std::uint8_t> bytes{std::uint8_t((sheet.indexed ? 1 : 0) | (size << 1)),
                                    std::uint8_t(sheet.palette.size())};
    for (Colour colour : colours.colour)
        putColour(bytes, colour);
    for (Colour colour : sheet.palette)
        putColour(bytes, colour);
    for (std::uint32_t pixel : sheet.pixels) {
        if (sheet.indexed)
            bytes.push_back(std::uint8_t(pixel));
        else
            putColour(bytes, pixel);
    }
    return bytes;
}

}  // namespace

std::vector<FuzzSeed> fuzzSeeds()
{
    EDITOR& editor = demoEditor();
    const SheetColours colours = sheetColours(editor, 0, 0, 3);
    TileSheetImage sheet = writeTileSheet(editor.tileGfx[0], colours.colour);
    std::vector<FuzzSeed> seeds{{"indexed", inputOf(sheet, colours)}};
    for (std::uint32_t& pixel : sheet.pixels)
        pixel = sheet.palette[pixel];
    sheet.indexed = false;
    sheet.palette.clear();
    seeds.push_back({"colours", inputOf(sheet, colours)});
    return seeds;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < kHeader)
        return 0;
    TileSheetImage sheet;
    sheet.indexed = data[0] & 1;
    sheet.width = kSides[(data[0] >> 1) & 3][0];
    sheet.height = kSides[(data[0] >> 1) & 3][1];
    SheetColours colours;
    for (std::size_t v = 0; v < 4; ++v)
        colours.colour[v] = colourAt(data + 2 + 3 * v);
    std::size_t at = kHeader;
    if (sheet.indexed)
        for (int i = 0; i < data[1] && at + 3 <= size; ++i, at += 3)
            sheet.palette.push_back(colourAt(data + at));
    const std::size_t pixelBytes = sheet.indexed ? 1 : 3;
    const std::size_t pixelCount = std::size_t(sheet.width) * std::size_t(sheet.height);
    const std::size_t available = (size - at) / pixelBytes;
    for (std::size_t i = 0; i < pixelCount; ++i) {
        const std::uint8_t* pixel = data + at + (available ? i % available : 0) * pixelBytes;
        sheet.pixels.push_back(available == 0 ? 0 : sheet.indexed ? *pixel : colourAt(pixel));
    }

    const StageTileBytes& current = demoEditor().tileGfx[data[1] & 15];
    SheetTiles read;
    try {
        read = readTileSheet(sheet, colours, current);
    } catch (const TileSheetError& error) {
        const std::string text = error.what();
        fuzzRequire(text.size() > 22 && text.ends_with("nothing was imported."), "a refusal without its reason");
        return 0;
    }
    StageTileBytes tiles;
    std::memcpy(tiles, read.tiles.data(), sizeof tiles);
    for (int t = 0; t < kTileCount; ++t) {
        const bool differs = std::memcmp(tiles[t], current[t], kTileBytes) != 0;
        fuzzRequire(differs == std::binary_search(read.changed.begin(), read.changed.end(), t),
                    "the changed tiles not those that differ");
    }
    const bool byIndex = sheet.indexed && sheet.palette.size() <= 4;
    const TileSheetImage written = writeTileSheet(tiles, colours.colour, sheet.width / 128);
    for (std::size_t i = 0; i < pixelCount; ++i) {
        const std::uint32_t value = written.pixels[i];
        const std::uint32_t pixel = sheet.pixels[i];
        if (byIndex)
            fuzzRequire(value == pixel, "a pixel read by index got another value");
        else
            fuzzRequire(((colours.colour[value] ^ (sheet.indexed ? sheet.palette[pixel] : pixel)) & 0xFFFFFF) == 0,
                        "a pixel got a value of another colour");
    }
    const SheetTiles again = readTileSheet(written, colours, tiles);
    fuzzRequire(again.changed.empty(), "the tiles written as a sheet do not read back as themselves");
    return 0;
}
