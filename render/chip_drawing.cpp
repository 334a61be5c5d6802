#include <array>
#include <cstdint>
#include <cstring>
#include <optional>

#include "model/editor.h"
#include "model/view_geometry.h"
#include "render/tile_pixels.h"
#include "render/view_drawing.h"

namespace {

// Decodes tile data into surface with its top-left pixel at (x, y), in the colours of
// one sub-palette. Pixels off the surface are dropped.
void drawTile(Surface& surface, int x, int y, const std::uint8_t (&tile)[kTileBytes],
              const std::array<Colour, 4>& colours)
{
    const bool inside = x >= 0 && y >= 0 && x + kTilePixels <= surface.width() && y + kTilePixels <= surface.height();
    for (int row = 0; row < kTilePixels; ++row) {
        const auto values = tileRowValues(tile[row], tile[kTilePixels + row]);
        if (inside) {
            Colour* line = surface.data() + std::size_t(y + row) * std::size_t(surface.width()) + std::size_t(x);
            for (int column = 0; column < kTilePixels; ++column)
                line[column] = colours[values[std::size_t(column)]];
        } else {
            for (int column = 0; column < kTilePixels; ++column)
                surface.setPixel(x + column, y + row, colours[values[std::size_t(column)]]);
        }
    }
}

// drawTile for the tiles of a whole sheet, a row at a time.
void drawTile(Surface& surface, int x, int y, const std::uint8_t (&tile)[kTileBytes], const TileRowColours& rows)
{
    if (x < 0 || y < 0 || x + kTilePixels > surface.width() || y + kTilePixels > surface.height()) {
        drawTile(surface, x, y, tile, rows.colours());
        return;
    }
    const std::size_t stride = std::size_t(surface.width());
    Colour* line = surface.data() + std::size_t(y) * stride + std::size_t(x);
    for (int row = 0; row < kTilePixels; ++row, line += stride)
        rows.drawRow(line, tile[row], tile[kTilePixels + row]);
}

// The row colours of the current palette's sub-palettes, each made when first needed.
class SubPaletteRows {
public:
    explicit SubPaletteRows(const PaletteRecord& palette) : palette_(palette) {}

    const TileRowColours& of(int p)
    {
        std::optional<TileRowColours>& rows = rows_[std::size_t(p)];
        if (!rows)
            rows.emplace(subPaletteColours(palette_, p));
        return *rows;
    }

private:
    const PaletteRecord& palette_;
    std::array<std::optional<TileRowColours>, 4> rows_;
};

// Whether quadrants drawn with sub-palette p belong to the animated path: any non-zero
// selector, even one whose bit 7 is clear and which therefore never changes colour.
bool isAnimatedSubPalette(const PaletteRecord& palette, int p)
{
    return palette.selector[p] != 0;
}

// Draws a tile of a chip into the chip surface if its sub-palette belongs to the path
// asked for: the plain path leaves the animated quadrants alone and the other way
// round, so each path redraws only what it owns. The sub-palette number is reduced to
// 0..3 so that a chip byte that escaped the loader's and the editors' masking can never
// index past the palette record.
void drawChipTileOnPath(EDITOR& editor, int x, int y, int tile, int subPalette, bool animatedPath)
{
    const PaletteRecord& palette = editor.curPal[editor.curStage];
    const int p = subPalette & 3;
    if (isAnimatedSubPalette(palette, p) != animatedPath)
        return;
    drawTile(editor.chipSurface, x & 0xFF, y & 0xFF, editor.tileGfx[editor.curStage][tile & 0xFF],
             subPaletteColours(palette, p));
}

// The four tile quadrants of chip c at its place in the chip sheet, in the colours of
// its sub-palette: a TileRowColours or the four colours themselves.
template <typename Colours>
void drawChipInColours(EDITOR& editor, int c, const Colours& colours)
{
    const ChipRecord& record = editor.chip[editor.curStage][c];
    const Rect cell = sheetCell(c, kChipPixels);
    for (int q = 0; q < 4; ++q)
        drawTile(editor.chipSurface, (cell.x + quadrantX(q, kTilePixels)) & 0xFF,
                 (cell.y + quadrantY(q, kTilePixels)) & 0xFF, editor.tileGfx[editor.curStage][record.tile[q]], colours);
}

void drawChipOfSheet(EDITOR& editor, int c, SubPaletteRows& rows)
{
    drawChipInColours(editor, c, rows.of(editor.chip[editor.curStage][c].palette & 3));
}

// Every chip of the current stage whose sub-palette belongs to the path asked for (see
// drawChipTileOnPath), at its place in the chip sheet.
void drawChipSheet(EDITOR& editor, bool animatedPath)
{
    const PaletteRecord& palette = editor.curPal[editor.curStage];
    SubPaletteRows rows(palette);
    for (int c = 0; c < kChipCount; ++c)
        if (isAnimatedSubPalette(palette, editor.chip[editor.curStage][c].palette & 3) == animatedPath)
            drawChipOfSheet(editor, c, rows);
}

}  // namespace

void EDITOR::drawChipTile(int x, int y, int tile, int subPalette)
{
    drawChipTileOnPath(*this, x, y, tile, subPalette, false);
}

void EDITOR::drawAnimatedChipTile(int x, int y, int tile, int subPalette)
{
    drawChipTileOnPath(*this, x, y, tile, subPalette, true);
}

void EDITOR::drawChips()
{
    drawChipSheet(*this, false);
}

void EDITOR::drawAnimatedChipsIn(const bool (&subPalettes)[4], const bool* onlyChips, bool (&drawn)[kChipCount])
{
    const PaletteRecord& palette = curPal[curStage];
    const auto drawEach = [&](const auto& draw) {
        for (int c = 0; c < kChipCount; ++c) {
            const int p = chip[curStage][c].palette & 3;
            if (!subPalettes[p] || !isAnimatedSubPalette(palette, p))
                continue;
            if (onlyChips && !onlyChips[c]) {
                sheetsBehind_ = true;
                continue;
            }
            draw(c, p);
            drawn[c] = true;
        }
    };
    if (onlyChips) {
        // The few chips of two pages: the row tables would cost more than they save.
        const std::array<std::array<Colour, 4>, 4> colours = {
            subPaletteColours(palette, 0), subPaletteColours(palette, 1), subPaletteColours(palette, 2),
            subPaletteColours(palette, 3)};
        drawEach([&](int c, int p) { drawChipInColours(*this, c, colours[std::size_t(p)]); });
    } else {
        SubPaletteRows rows(palette);
        drawEach([&](int c, int) { drawChipOfSheet(*this, c, rows); });
    }
}

void EDITOR::drawAnimatedChips()
{
    sheetsBehind_ = false;
    // Most refreshes find few or no animated sub-palettes; skip the sheet walk then.
    const PaletteRecord& palette = curPal[curStage];
    if (!isAnimatedSubPalette(palette, 0) && !isAnimatedSubPalette(palette, 1) && !isAnimatedSubPalette(palette, 2) &&
        !isAnimatedSubPalette(palette, 3))
        return;
    drawChipSheet(*this, true);
}

void EDITOR::catchUpSheets()
{
    if (!sheetsBehind_)
        return;
    drawAnimatedChips();
    drawChipSets();
}

void EDITOR::drawChipSets()
{
    buildChipSets(nullptr);
}

void EDITOR::buildChipSets(const bool* onlyChips)
{
    if (!hasFullSizeSheets(*this)) {
        for (int b = 0; b < kChipSetCount; ++b) {
            const Rect set = sheetCell(b, kChipSetPixels);
            for (int q = 0; q < 4; ++q) {
                const Rect from = sheetCell(chipSet[curStage][b][q], kChipPixels);
                chipSetSurface.copy(chipSurface, from.x, from.y, kChipPixels, kChipPixels,
                                    set.x + quadrantX(q, kChipPixels), set.y + quadrantY(q, kChipPixels));
            }
        }
        chipSetCache_.valid = false;
        chipSetCache_.lastChanges.all = true;
        return;
    }

    // This runs on every refresh. A chip set whose four chip numbers and whose chips'
    // pixels are what they were at the last build already shows the right picture, so
    // only the others are copied again: after a stage, palette or chip change that is
    // most of the sheet, on an ordinary frame only the sets that show animated chips.
    const std::size_t sheetPixels = std::size_t(chipSurface.width()) * std::size_t(chipSurface.height());
    const bool rebuildAll = !chipSetCache_.valid;
    SheetChanges& changes = chipSetCache_.lastChanges;
    changes = {};
    changes.all = rebuildAll;
    bool(&chipChanged)[kChipCount] = changes.chip;
    const std::size_t chipStride = std::size_t(chipSurface.width());
    if (rebuildAll) {
        chipSetCache_.chipPixels.assign(chipSurface.data(), chipSurface.data() + sheetPixels);
    } else if (onlyChips) {
        for (int k = 0; k < kChipCount; ++k) {
            if (!onlyChips[k])
                continue;
            const Rect cell = sheetCell(k, kChipPixels);
            const std::size_t first = std::size_t(cell.y) * chipStride + std::size_t(cell.x);
            const Colour* line = chipSurface.data() + first;
            Colour* cached = chipSetCache_.chipPixels.data() + first;
            for (int row = 0; row < kChipPixels; ++row, line += chipStride, cached += chipStride) {
                if (std::memcmp(line, cached, kChipPixels * sizeof(Colour)) != 0) {
                    chipChanged[k] = true;
                    std::memcpy(cached, line, kChipPixels * sizeof(Colour));
                }
            }
        }
    } else {
        const std::size_t lineBytes = std::size_t(chipSurface.width()) * sizeof(Colour);
        for (int y = 0; y < chipSurface.height(); ++y) {
            const Colour* line = chipSurface.data() + std::size_t(y) * std::size_t(chipSurface.width());
            Colour* cached = chipSetCache_.chipPixels.data() + std::size_t(y) * std::size_t(chipSurface.width());
            if (std::memcmp(line, cached, lineBytes) == 0)
                continue;
            for (int column = 0; column < kSheetColumns; ++column)
                if (std::memcmp(line + column * kChipPixels, cached + column * kChipPixels,
                                kChipPixels * sizeof(Colour)) != 0)
                    chipChanged[(y / kChipPixels) * kSheetColumns + column] = true;
            std::memcpy(cached, line, lineBytes);
        }
    }

    const std::size_t setStride = std::size_t(chipSetSurface.width());
    for (int b = 0; b < kChipSetCount; ++b) {
        const std::uint8_t* numbers = chipSet[curStage][b];
        std::uint8_t* builtNumbers = chipSetCache_.chipNumbers[b];
        const bool renumbered = rebuildAll || std::memcmp(numbers, builtNumbers, 4) != 0;
        const bool stale = renumbered || chipChanged[numbers[0]] || chipChanged[numbers[1]] ||
            chipChanged[numbers[2]] || chipChanged[numbers[3]];
        if (!stale)
            continue;
        changes.chipSet[b] = true;
        const Rect set = sheetCell(b, kChipSetPixels);
        for (int q = 0; q < 4; ++q) {
            // A quadrant whose chip is the same and looks the same is already right.
            if (!renumbered && !chipChanged[numbers[q]])
                continue;
            const Rect chipCell = sheetCell(numbers[q], kChipPixels);
            const Colour* from = chipSurface.data() + std::size_t(chipCell.y) * chipStride + std::size_t(chipCell.x);
            Colour* to = chipSetSurface.data() + std::size_t(set.y + quadrantY(q, kChipPixels)) * setStride +
                std::size_t(set.x + quadrantX(q, kChipPixels));
            for (int row = 0; row < kChipPixels; ++row, from += chipStride, to += setStride)
                // A fixed-size memcpy compiles to a few vector moves, not a library call.
                std::memcpy(to, from, kChipPixels * sizeof(Colour));
        }
        std::memcpy(builtNumbers, numbers, 4);
    }
    chipSetCache_.valid = true;
}
