#include <cstdint>
#include <cstring>

#include "model/editor.h"
#include "render/tile_pixels.h"

namespace {

constexpr int kTileSize = 8;
constexpr int kChipSize = 16;
constexpr int kChipSetSize = 32;
constexpr int kSheetColumns = 16;

// Decodes tile data into surface with its top-left pixel at (x, y), in the colours of
// one sub-palette. Pixels off the surface are dropped.
void drawTile(Surface& surface, int x, int y, const std::uint8_t (&tile)[kTileBytes], const std::array<Colour, 4>& colours)
{
    const bool inside = x >= 0 && y >= 0 && x + kTileSize <= surface.width() && y + kTileSize <= surface.height();
    for (int row = 0; row < kTileSize; ++row) {
        const auto values = tileRowValues(tile[row], tile[kTileSize + row]);
        if (inside) {
            Colour* line = surface.data() + std::size_t(y + row) * std::size_t(surface.width()) + std::size_t(x);
            for (int column = 0; column < kTileSize; ++column)
                line[column] = colours[values[std::size_t(column)]];
        } else {
            for (int column = 0; column < kTileSize; ++column)
                surface.setPixel(x + column, y + row, colours[values[std::size_t(column)]]);
        }
    }
}

// Whether quadrants drawn with sub-palette p belong to the animated path: any non-zero
// selector, even one whose bit 7 is clear and which therefore never changes colour.
bool isAnimatedSubPalette(const PaletteRecord& palette, int p)
{
    return palette.selector[p] != 0;
}

} // namespace

// The sub-palette number is reduced to 0..3 so that a chip byte that escaped the
// loader's and the editors' masking can never index past the palette record.
void EDITOR::drawChipTile(int x, int y, int tile, int subPalette)
{
    const PaletteRecord& palette = curPal[curStage];
    const int p = subPalette & 3;
    if (isAnimatedSubPalette(palette, p))
        return;
    drawTile(chipSurface, x & 0xFF, y & 0xFF, tileGfx[curStage][tile & 0xFF], subPaletteColours(palette, p));
}

void EDITOR::drawAnimatedChipTile(int x, int y, int tile, int subPalette)
{
    const PaletteRecord& palette = curPal[curStage];
    const int p = subPalette & 3;
    if (!isAnimatedSubPalette(palette, p))
        return;
    drawTile(chipSurface, x & 0xFF, y & 0xFF, tileGfx[curStage][tile & 0xFF], subPaletteColours(palette, p));
}

void EDITOR::drawChips()
{
    for (int c = 0; c < kChipCount; ++c) {
        const ChipRecord& record = chip[curStage][c];
        for (int q = 0; q < 4; ++q)
            drawChipTile(kChipSize * (c % kSheetColumns) + kTileSize * (q & 1),
                         kChipSize * (c / kSheetColumns) + kTileSize * (q >> 1), record.tile[q], record.palette);
    }
}

void EDITOR::drawAnimatedChips()
{
    // Most refreshes find few or no animated sub-palettes; skip the sheet walk then.
    const PaletteRecord& palette = curPal[curStage];
    if (!isAnimatedSubPalette(palette, 0) && !isAnimatedSubPalette(palette, 1) && !isAnimatedSubPalette(palette, 2) &&
        !isAnimatedSubPalette(palette, 3))
        return;
    for (int c = 0; c < kChipCount; ++c) {
        const ChipRecord& record = chip[curStage][c];
        for (int q = 0; q < 4; ++q)
            drawAnimatedChipTile(kChipSize * (c % kSheetColumns) + kTileSize * (q & 1),
                                 kChipSize * (c / kSheetColumns) + kTileSize * (q >> 1), record.tile[q], record.palette);
    }
}

void EDITOR::drawChipSets()
{
    if (!(chipSurface.width() == kSheetColumns * kChipSize && chipSurface.height() == kSheetColumns * kChipSize &&
          chipSetSurface.width() == kSheetColumns * kChipSetSize && chipSetSurface.height() == kSheetColumns * kChipSetSize)) {
        for (int b = 0; b < kChipSetCount; ++b)
            for (int q = 0; q < 4; ++q) {
                const int k = chipSet[curStage][b][q];
                chipSetSurface.copy(chipSurface, kChipSize * (k % kSheetColumns), kChipSize * (k / kSheetColumns), kChipSize,
                                    kChipSize, kChipSetSize * (b % kSheetColumns) + kChipSize * (q & 1),
                                    kChipSetSize * (b / kSheetColumns) + kChipSize * (q >> 1));
            }
        return;
    }
    // This runs on every refresh: 1,024 chip copies, one megabyte. The sheet is written
    // line by line from top to bottom, each line gathered from the rows of the chips
    // that lie on it, so the writes stream and the small chip sheet stays in cache.
    const std::size_t chipStride = std::size_t(chipSurface.width());
    Colour* line = chipSetSurface.data();
    for (int setRow = 0; setRow < kChipSetCount / kSheetColumns; ++setRow) {
        const std::uint8_t(*sets)[4] = chipSet[curStage] + setRow * kSheetColumns;
        for (int y = 0; y < kChipSetSize; ++y, line += chipSetSurface.width()) {
            const int upperOrLower = (y / kChipSize) * 2;  // quadrants 0 and 1, or 2 and 3
            const int chipLine = y % kChipSize;
            Colour* to = line;
            for (int column = 0; column < kSheetColumns; ++column) {
                for (int side = 0; side < 2; ++side, to += kChipSize) {
                    const int k = sets[column][upperOrLower + side];
                    const Colour* from = chipSurface.data() + std::size_t(kChipSize * (k / kSheetColumns) + chipLine) * chipStride +
                                         std::size_t(kChipSize * (k % kSheetColumns));
                    // A fixed-size memcpy compiles to a few vector moves, not a library call.
                    std::memcpy(to, from, kChipSize * sizeof(Colour));
                }
            }
        }
    }
}
