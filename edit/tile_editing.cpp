#include "edit/tile_editing.h"

#include <cstring>

#include "model/editor.h"
#include "text/translation.h"

namespace {

constexpr int kTileSide = 8;

using TileBytes = std::array<std::uint8_t, kTileBytes>;
// A tile's pixel values, row by row.
using TilePixels = std::array<std::array<std::uint8_t, kTileSide>, kTileSide>;

bool validTile(int stage, int tile)
{
    return stage >= 0 && stage < kStageCount && tile >= 0 && tile < kTileCount;
}

bool validPixel(int x, int y)
{
    return x >= 0 && x < kTileSide && y >= 0 && y < kTileSide;
}

// Bytes 0 to 7 are plane 0 of rows 0 to 7, bytes 8 to 15 plane 1; bit 7 is the left pixel.
TilePixels decode(const std::uint8_t* bytes)
{
    TilePixels pixels{};
    for (int y = 0; y < kTileSide; ++y)
        for (int x = 0; x < kTileSide; ++x) {
            const int bit = 7 - x;
            pixels[y][x] = std::uint8_t(((bytes[y] >> bit) & 1) | (((bytes[y + 8] >> bit) & 1) << 1));
        }
    return pixels;
}

TileBytes encode(const TilePixels& pixels)
{
    TileBytes bytes{};
    for (int y = 0; y < kTileSide; ++y)
        for (int x = 0; x < kTileSide; ++x) {
            const int bit = 7 - x;
            bytes[std::size_t(y)] |= std::uint8_t((pixels[y][x] & 1) << bit);
            bytes[std::size_t(y) + 8] |= std::uint8_t(((pixels[y][x] >> 1) & 1) << bit);
        }
    return bytes;
}

// Changes a tile's pixels through `change`, which may refuse by returning false.
template <typename Change>
bool changePixels(EDITOR& editor, int stage, int tile, Change change)
{
    if (!validTile(stage, tile))
        return false;
    TilePixels pixels = decode(editor.tileGfx[stage][tile]);
    if (!change(pixels))
        return false;
    return setTileBytes(editor, stage, tile, encode(pixels));
}

}  // namespace

std::string tileDrawingRefusal(const EDITOR& editor, int stage, int tile)
{
    const TileSources& sources = editor.tileSources;
    if (!validTile(stage, tile) || !sources.hasSource(stage, tile))
        return translated("tile_editing", "This tile is not loaded from the image, so it cannot be drawn.");
    const std::uint16_t area = sources.reservedBy[stage][tile];
    if (area != TileSources::kNotReserved && area < sources.reserved.size())
        return fillIn(
            translated("tile_editing", "This tile is loaded from bytes that also hold %1, so it cannot be drawn."),
            {sources.reserved[area].what});
    return {};
}

std::vector<TilePlace> tilesSharingSource(const EDITOR& editor, int stage, int tile)
{
    std::vector<TilePlace> places;
    if (!validTile(stage, tile) || !editor.tileSources.hasSource(stage, tile))
        return places;
    const std::uint32_t source = editor.tileSources.offset[stage][tile];
    for (int s = 0; s < kStageCount; ++s)
        for (int t = 0; t < kTileCount; ++t)
            if (editor.tileSources.offset[s][t] == source && (s != stage || t != tile))
                places.push_back({s, t});
    return places;
}

bool setTileBytes(EDITOR& editor, int stage, int tile, const TileBytes& bytes)
{
    if (!tileDrawingRefusal(editor, stage, tile).empty())
        return false;
    // The source map is the one fact of sharing: whatever was loaded from these bytes
    // shows them.
    const std::uint32_t source = editor.tileSources.offset[stage][tile];
    for (int s = 0; s < kStageCount; ++s)
        for (int t = 0; t < kTileCount; ++t)
            if (editor.tileSources.offset[s][t] == source)
                std::memcpy(editor.tileGfx[s][t], bytes.data(), kTileBytes);
    return true;
}

int tilePixel(const EDITOR& editor, int stage, int tile, int x, int y)
{
    if (!validTile(stage, tile) || !validPixel(x, y))
        return 0;
    return decode(editor.tileGfx[stage][tile])[y][x];
}

bool setTilePixel(EDITOR& editor, int stage, int tile, int x, int y, int value)
{
    if (!validPixel(x, y) || value < 0 || value > 3)
        return false;
    return changePixels(editor, stage, tile, [&](TilePixels& pixels) {
        pixels[y][x] = std::uint8_t(value);
        return true;
    });
}

bool fillTileArea(EDITOR& editor, int stage, int tile, int x, int y, int value)
{
    if (!validPixel(x, y) || value < 0 || value > 3)
        return false;
    return changePixels(editor, stage, tile, [&](TilePixels& pixels) {
        const std::uint8_t old = pixels[y][x];
        if (old == value)
            return true;
        // At most 64 pixels: a small stack of the pixels still to look at.
        int pending[kTileSide * kTileSide][2];
        int count = 0;
        pixels[y][x] = std::uint8_t(value);
        pending[count][0] = x;
        pending[count++][1] = y;
        while (count > 0) {
            --count;
            const int px = pending[count][0];
            const int py = pending[count][1];
            constexpr int kSteps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            for (const auto& step : kSteps) {
                const int nx = px + step[0];
                const int ny = py + step[1];
                if (validPixel(nx, ny) && pixels[ny][nx] == old) {
                    pixels[ny][nx] = std::uint8_t(value);
                    pending[count][0] = nx;
                    pending[count++][1] = ny;
                }
            }
        }
        return true;
    });
}

bool flipTile(EDITOR& editor, int stage, int tile, bool horizontally)
{
    return changePixels(editor, stage, tile, [&](TilePixels& pixels) {
        const TilePixels old = pixels;
        for (int y = 0; y < kTileSide; ++y)
            for (int x = 0; x < kTileSide; ++x)
                pixels[y][x] = horizontally ? old[y][kTileSide - 1 - x] : old[kTileSide - 1 - y][x];
        return true;
    });
}

bool turnTile(EDITOR& editor, int stage, int tile)
{
    // Clockwise: the left column becomes the top row.
    return changePixels(editor, stage, tile, [&](TilePixels& pixels) {
        const TilePixels old = pixels;
        for (int y = 0; y < kTileSide; ++y)
            for (int x = 0; x < kTileSide; ++x)
                pixels[y][x] = old[kTileSide - 1 - x][y];
        return true;
    });
}
