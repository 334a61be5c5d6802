#include "edit/tile_blocks.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "clipboard/selection_text.h"
#include "edit/clipboard_commands.h"
#include "edit/refusal.h"
#include "model/editor.h"
#include "model/tile_sources.h"
#include "render/colour_table.h"
#include "text/translation.h"

namespace {

constexpr int kSheetSide = 16;  // a stage's tiles as the sheet shows them

using Pixels = std::array<std::uint8_t, kTileValues>;

struct TileWrite {
    int tile;
    Pixels pixels;
};

std::string tileNumber(int tile)
{
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02X", tile & 0xFF);
    return digits;
}

std::array<std::uint8_t, kTileBytes> tileBytesOf(const Pixels& pixels)
{
    std::array<std::uint8_t, kTileBytes> bytes{};
    for (int y = 0; y < kTilePixels; ++y)
        for (int x = 0; x < kTilePixels; ++x) {
            const int value = pixels[std::size_t(y * kTilePixels + x)];
            const auto bit = std::uint8_t(0x80 >> x);
            if (value & 1)
                bytes[std::size_t(y)] |= bit;
            if (value & 2)
                bytes[std::size_t(kTilePixels + y)] |= bit;
        }
    return bytes;
}

Pixels tilePixels(const EDITOR& editor, int stage, int tile)
{
    Pixels pixels{};
    for (int y = 0; y < kTilePixels; ++y)
        for (int x = 0; x < kTilePixels; ++x)
            pixels[std::size_t(y * kTilePixels + x)] = std::uint8_t(tilePixel(editor, stage, tile, x, y));
    return pixels;
}

// Writes the tiles all or none: a tile that cannot be drawn, or two writes that would
// give the same source different bytes, refuse the lot with the reason.
bool writeTiles(EDITOR& editor, int stage, const std::vector<TileWrite>& writes)
{
    std::vector<TileWrite> changed;
    for (const TileWrite& write : writes)
        if (tilePixels(editor, stage, write.tile) != write.pixels)
            changed.push_back(write);
    if (changed.empty())
        return false;
    const bool several = writes.size() > 1;
    for (const TileWrite& write : changed)
        if (const std::string refusal = tileDrawingRefusal(editor, stage, write.tile); !refusal.empty()) {
            refuse(editor,
                   several ? fillIn(translated("tile_blocks", "Tile %1: %2"), {tileNumber(write.tile), refusal})
                           : refusal);
            return false;
        }
    const auto& offsets = editor.tileSources.offset[stage];
    for (const TileWrite& write : changed)
        for (const TileWrite& other : writes)
            if (&other != &write && offsets[other.tile] == offsets[write.tile] && other.pixels != write.pixels) {
                refuse(editor,
                       other.tile == write.tile ? fillIn(translated("tile_blocks",
                                                                    "Tile %1 stands in more than one quadrant, so the "
                                                                    "block cannot change as a whole."),
                                                         {tileNumber(write.tile)})
                                                : fillIn(translated("tile_blocks",
                                                                    "Tiles %1 and %2 are loaded from the same bytes, "
                                                                    "so the block cannot change as a whole."),
                                                         {tileNumber(write.tile), tileNumber(other.tile)}));
                return false;
            }
    for (const TileWrite& write : changed)
        setTileBytes(editor, stage, write.tile, tileBytesOf(write.pixels));
    return true;
}

// The block with every pixel moved: new pixel (x, y) is old pixel from(x, y).
template <typename From>
bool rearrangeBlock(EDITOR& editor, const TileBlock& block, From from)
{
    std::vector<TileWrite> writes;
    for (int i = 0; i < block.count(); ++i) {
        TileWrite write{block.tiles[std::size_t(i)], {}};
        const int left = (i % block.columns) * kTilePixels;
        const int top = (i / block.columns) * kTilePixels;
        for (int y = 0; y < kTilePixels; ++y)
            for (int x = 0; x < kTilePixels; ++x) {
                const auto [fromX, fromY] = from(left + x, top + y);
                write.pixels[std::size_t(y * kTilePixels + x)] = std::uint8_t(blockPixel(editor, block, fromX, fromY));
            }
        writes.push_back(write);
    }
    return writeTiles(editor, block.stage, writes);
}

}  // namespace

TileBlock singleTileBlock(int stage, int tile)
{
    return {stage, 1, 1, {tile & 0xFF, 0, 0, 0}};
}

TileBlock chipTileBlock(const EDITOR& editor, int stage, int chip)
{
    const ChipRecord& record = editor.chip[stage][chip & 0xFF];
    return {stage, 2, 2, {record.tile[0], record.tile[1], record.tile[2], record.tile[3]}};
}

int blockPixel(const EDITOR& editor, const TileBlock& block, int x, int y)
{
    return tilePixel(editor, block.stage, block.tileAt(x, y), x % kTilePixels, y % kTilePixels);
}

std::string blockDrawingRefusal(const EDITOR& editor, const TileBlock& block, int x, int y)
{
    return tileDrawingRefusal(editor, block.stage, block.tileAt(x, y));
}

bool drawBlockLine(EDITOR& editor, const TileBlock& block, int x0, int y0, int x1, int y1, int value)
{
    // Bresenham's line: every step moves one pixel along the longer axis.
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    bool changed = false;
    while (true) {
        if (block.contains(x0, y0) && blockPixel(editor, block, x0, y0) != value &&
            blockDrawingRefusal(editor, block, x0, y0).empty())
            changed |=
                setTilePixel(editor, block.stage, block.tileAt(x0, y0), x0 % kTilePixels, y0 % kTilePixels, value);
        if (x0 == x1 && y0 == y1)
            return changed;
        const int twice = 2 * error;
        if (twice >= dy)
            error += dy, x0 += stepX;
        if (twice <= dx)
            error += dx, y0 += stepY;
    }
}

bool flipTileBlock(EDITOR& editor, const TileBlock& block, bool horizontally)
{
    return rearrangeBlock(editor, block, [&](int x, int y) {
        return horizontally ? std::pair(block.width() - 1 - x, y) : std::pair(x, block.height() - 1 - y);
    });
}

bool turnTileBlock(EDITOR& editor, const TileBlock& block)
{
    // Clockwise: the left column becomes the top row. The block is square.
    return rearrangeBlock(editor, block, [&](int x, int y) { return std::pair(y, block.height() - 1 - x); });
}

CopiedItems tileBlockItems(const EDITOR& editor, const TileBlock& block)
{
    CopiedItems items;
    items.view = kTileItems;
    items.columns = block.columns;
    items.rows = block.rows;
    items.bytes.resize(std::size_t(block.count() * kTileValues));
    for (int y = 0; y < block.height(); ++y)
        for (int x = 0; x < block.width(); ++x)
            items.item(x / kTilePixels, y / kTilePixels)[(y % kTilePixels) * kTilePixels + x % kTilePixels] =
                std::uint8_t(blockPixel(editor, block, x, y));
    return items;
}

Surface tileItemsPicture(const EDITOR& editor, const CopiedItems& items, int stage, int subPalette)
{
    Surface picture(items.columns * kTilePixels, items.rows * kTilePixels);
    const std::uint8_t* colours = editor.curPal[stage].colour[subPalette & 3];
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const int value =
                items.item(x / kTilePixels, y / kTilePixels)[(y % kTilePixels) * kTilePixels + x % kTilePixels];
            picture.setPixel(x, y, colourTable[colours[value & 3]]);
        }
    return picture;
}

void copyTileBlock(EDITOR& editor, const TileBlock& block, int subPalette)
{
    const CopiedItems items = tileBlockItems(editor, block);
    editor.host().writeClipboard(selectionText(items), tileItemsPicture(editor, items, block.stage, subPalette));
}

bool pasteTileBlock(EDITOR& editor, const TileBlock& block)
{
    const ReadSelection read = readSelectionText(editor.host().readClipboard());
    if (read.problem != SelectionTextProblem::None) {
        refusePaste(editor, read);
        return false;
    }
    const CopiedItems& items = read.items;
    if (items.view != kTileItems) {
        refuse(editor,
               fillIn(translated("tile_blocks",
                                 "The clipboard holds items of \"%1\", which the tile window "
                                 "cannot paste: it pastes tiles."),
                      {itemKindName(items.view)}));
        return false;
    }
    std::vector<TileWrite> writes;
    const int first = block.tiles[0];
    for (int row = 0; row < items.rows; ++row)
        for (int column = 0; column < items.columns; ++column) {
            int tile = 0;
            if (block.count() > 1) {
                if (column >= block.columns || row >= block.rows)
                    continue;
                tile = block.tiles[std::size_t(row * block.columns + column)];
            } else {
                if (first % kSheetSide + column >= kSheetSide || first / kSheetSide + row >= kSheetSide)
                    continue;
                tile = first + row * kSheetSide + column;
            }
            TileWrite write{tile, {}};
            std::copy_n(items.item(column, row), kTileValues, write.pixels.begin());
            writes.push_back(write);
        }
    return writeTiles(editor, block.stage, writes);
}
