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
        chipSetCache_.valid = false;
        return;
    }

    // This runs on every refresh. A chip set whose four chip numbers and whose chips'
    // pixels are what they were at the last build already shows the right picture, so
    // only the others are copied again: after a stage, palette or chip change that is
    // most of the sheet, on an ordinary frame only the sets that show animated chips.
    const std::size_t sheetPixels = std::size_t(chipSurface.width()) * std::size_t(chipSurface.height());
    const bool rebuildAll = !chipSetCache_.valid;
    bool chipChanged[kChipCount] = {};
    if (rebuildAll) {
        chipSetCache_.chipPixels.assign(chipSurface.data(), chipSurface.data() + sheetPixels);
    } else {
        const std::size_t lineBytes = std::size_t(chipSurface.width()) * sizeof(Colour);
        for (int y = 0; y < chipSurface.height(); ++y) {
            const Colour* line = chipSurface.data() + std::size_t(y) * std::size_t(chipSurface.width());
            Colour* cached = chipSetCache_.chipPixels.data() + std::size_t(y) * std::size_t(chipSurface.width());
            if (std::memcmp(line, cached, lineBytes) == 0)
                continue;
            for (int column = 0; column < kSheetColumns; ++column)
                if (std::memcmp(line + column * kChipSize, cached + column * kChipSize, kChipSize * sizeof(Colour)) != 0)
                    chipChanged[(y / kChipSize) * kSheetColumns + column] = true;
            std::memcpy(cached, line, lineBytes);
        }
    }

    const std::size_t chipStride = std::size_t(chipSurface.width());
    const std::size_t setStride = std::size_t(chipSetSurface.width());
    for (int b = 0; b < kChipSetCount; ++b) {
        const std::uint8_t* numbers = chipSet[curStage][b];
        std::uint8_t* builtNumbers = chipSetCache_.chipNumbers[b];
        const bool stale = rebuildAll || std::memcmp(numbers, builtNumbers, 4) != 0 || chipChanged[numbers[0]] ||
                           chipChanged[numbers[1]] || chipChanged[numbers[2]] || chipChanged[numbers[3]];
        if (!stale)
            continue;
        for (int q = 0; q < 4; ++q) {
            const int k = numbers[q];
            const Colour* from = chipSurface.data() + std::size_t(kChipSize * (k / kSheetColumns)) * chipStride +
                                 std::size_t(kChipSize * (k % kSheetColumns));
            Colour* to = chipSetSurface.data() +
                         std::size_t(kChipSetSize * (b / kSheetColumns) + kChipSize * (q >> 1)) * setStride +
                         std::size_t(kChipSetSize * (b % kSheetColumns) + kChipSize * (q & 1));
            for (int row = 0; row < kChipSize; ++row, from += chipStride, to += setStride)
                // A fixed-size memcpy compiles to a few vector moves, not a library call.
                std::memcpy(to, from, kChipSize * sizeof(Colour));
        }
        std::memcpy(builtNumbers, numbers, 4);
    }
    chipSetCache_.valid = true;
}
