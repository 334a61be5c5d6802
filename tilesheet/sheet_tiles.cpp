#include "tilesheet/sheet_tiles.h"

#include <cstdio>
#include <cstring>

#include "model/view_geometry.h"
#include "text/translation.h"

namespace {

constexpr Colour kRgbMask = 0x00FFFFFF;
constexpr int kValueCount = 4;

int tileValue(const std::uint8_t* tile, int x, int y)
{
    const int bit = 7 - x;
    return ((tile[y] >> bit) & 1) | (((tile[kTilePixels + y] >> bit) & 1) << 1);
}

std::string colourName(Colour colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", unsigned(colour & kRgbMask));
    return text;
}

[[noreturn]] void refusePixel(int x, int y, const std::string& what)
{
    throw TileSheetError(fillIn(translated("sheet_tiles", "The pixel at x %1, y %2 %3; nothing was imported."),
                                {std::to_string(x), std::to_string(y), what}));
}

// The pixel's colour, or its index for a sheet read by index, as the message names it.
std::string pixelName(const TileSheetImage& sheet, std::uint32_t pixel, bool byIndex)
{
    if (byIndex)
        return fillIn(translated("sheet_tiles", "the index %1"), {std::to_string(pixel)});
    return fillIn(translated("sheet_tiles", "the colour %1"),
                  {colourName(sheet.indexed ? sheet.palette[pixel] : Colour(pixel))});
}

// What makes two pixels the same: the index of a sheet read by index, else the colour.
std::uint32_t pixelKey(const TileSheetImage& sheet, std::uint32_t pixel, bool byIndex)
{
    if (byIndex)
        return pixel;
    return (sheet.indexed ? sheet.palette[pixel] : pixel) & kRgbMask;
}

int sheetScale(const TileSheetImage& sheet)
{
    if (sheet.width == kTileSheetSide && sheet.height == kTileSheetSide)
        return 1;
    if (sheet.width == kExportedTileSheetSide && sheet.height == kExportedTileSheetSide)
        return 2;
    throw TileSheetError(fillIn(translated("sheet_tiles",
                                           "The sheet is %1 x %2 pixels, but a tile sheet is 128 x 128 "
                                           "(one pixel per tile pixel) or 256 x 256 (2 x 2 pixels per "
                                           "tile pixel, as the exported sheets are); nothing was "
                                           "imported."),
                                {std::to_string(sheet.width), std::to_string(sheet.height)}));
}

}  // namespace

SheetTiles readTileSheet(const TileSheetImage& sheet, const SheetColours& colours, const StageTileBytes& current)
{
    const int scale = sheetScale(sheet);
    if (sheet.pixels.size() != std::size_t(sheet.width) * std::size_t(sheet.height))
        throw TileSheetError(
            translated("sheet_tiles", "The sheet's pixels do not fill its size; nothing was imported."));
    const bool byIndex = sheet.indexed && sheet.palette.size() <= std::size_t(kValueCount);
    std::array<Colour, kValueCount> wanted;
    for (int v = 0; v < kValueCount; ++v)
        wanted[std::size_t(v)] = colours.colour[std::size_t(v)] & kRgbMask;

    SheetTiles result;
    for (auto& tile : result.tiles)
        tile.fill(0);
    const std::size_t width = std::size_t(sheet.width);
    for (int y = 0; y < sheet.height; ++y) {
        const std::uint32_t* row = sheet.pixels.data() + std::size_t(y) * width;
        for (int x = 0; x < sheet.width; ++x) {
            const std::uint32_t pixel = row[x];
            if (sheet.indexed && !byIndex && pixel >= sheet.palette.size())
                refusePixel(
                    x, y,
                    fillIn(translated("sheet_tiles", "has the index %1, which the sheet's palette does not hold"),
                           {std::to_string(pixel)}));
            // The other pixels of a 2 x 2 block only have to match its first, which has
            // been read already.
            if (scale == 2 && ((x | y) & 1)) {
                const int firstX = x & ~1;
                const int firstY = y & ~1;
                const std::uint32_t first = sheet.pixels[std::size_t(firstY) * width + std::size_t(firstX)];
                if (pixelKey(sheet, pixel, byIndex) != pixelKey(sheet, first, byIndex))
                    refusePixel(x, y,
                                fillIn(translated("sheet_tiles",
                                                  "has %1, unlike %2 at x %3, y %4 in its 2 x 2 block: "
                                                  "a sheet of 256 x 256 draws each tile pixel as a "
                                                  "block of one colour"),
                                       {pixelName(sheet, pixel, byIndex), pixelName(sheet, first, byIndex),
                                        std::to_string(firstX), std::to_string(firstY)}));
                continue;
            }
            const int tx = x / scale;
            const int ty = y / scale;
            const int tile = (ty / kTilePixels) * kSheetColumns + tx / kTilePixels;
            const int px = tx % kTilePixels;
            const int py = ty % kTilePixels;
            int value = 0;
            if (byIndex) {
                if (pixel >= std::uint32_t(kValueCount))
                    refusePixel(x, y,
                                fillIn(translated("sheet_tiles",
                                                  "has the index %1, but in a sheet of four colours or "
                                                  "fewer the index is the value, 0 to 3"),
                                       {std::to_string(pixel)}));
                value = int(pixel);
            } else {
                const Colour colour = pixelKey(sheet, pixel, false);
                unsigned matching = 0;
                for (int v = 0; v < kValueCount; ++v)
                    if (wanted[std::size_t(v)] == colour)
                        matching |= 1u << v;
                if (matching == 0)
                    refusePixel(x, y,
                                fillIn(translated("sheet_tiles",
                                                  "has the colour %1, which sub-palette %2 of palette "
                                                  "set %3 does not hold"),
                                       {colourName(colour), std::to_string(colours.subPalette),
                                        std::to_string(colours.paletteSet)}));
                const int now = tileValue(current[tile], px, py);
                if (matching & (1u << now))
                    value = now;
                else
                    while (!(matching & (1u << value)))
                        ++value;
            }
            const int bit = 7 - px;
            TileBytes& bytes = result.tiles[std::size_t(tile)];
            bytes[std::size_t(py)] = std::uint8_t(bytes[std::size_t(py)] | ((value & 1) << bit));
            bytes[std::size_t(kTilePixels + py)] =
                std::uint8_t(bytes[std::size_t(kTilePixels + py)] | ((value >> 1) << bit));
        }
    }
    for (int t = 0; t < kTileCount; ++t)
        if (std::memcmp(result.tiles[std::size_t(t)].data(), current[t], kTileBytes) != 0)
            result.changed.push_back(t);
    return result;
}

TileSheetImage writeTileSheet(const StageTileBytes& tiles, const std::array<Colour, 4>& colours, int scale)
{
    TileSheetImage sheet;
    sheet.width = sheet.height = kTileSheetSide * scale;
    sheet.indexed = true;
    sheet.palette.assign(colours.begin(), colours.end());
    sheet.pixels.resize(std::size_t(sheet.width) * std::size_t(sheet.height));
    for (int y = 0; y < sheet.height; ++y) {
        std::uint32_t* row = sheet.pixels.data() + std::size_t(y) * std::size_t(sheet.width);
        const int ty = y / scale;
        for (int x = 0; x < sheet.width; ++x) {
            const int tx = x / scale;
            const int tile = (ty / kTilePixels) * kSheetColumns + tx / kTilePixels;
            row[x] = std::uint32_t(tileValue(tiles[tile], tx % kTilePixels, ty % kTilePixels));
        }
    }
    return sheet;
}
