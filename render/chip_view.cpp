#include "model/editor.h"
#include "render/frame_rect.h"
#include "render/tile_pixels.h"
#include "render/view_drawing.h"
#include "render/views.h"

namespace {

// All 256 tiles of the current stage at twice their size in the upper right, in the
// current chip's sub-palette (its animated colours included, whatever its selector),
// so picking another chip can recolour the whole sheet.
void drawTileSheet(EDITOR& editor, int subPalette)
{
    Surface& view = editor.viewSurface;
    const auto colours = subPaletteColours(editor.curPal[editor.curStage], subPalette);
    if (view.width() < kTileSheet.x + kTileSheet.width || view.height() < kTileSheet.y + kTileSheet.height)
        return;
    const std::size_t stride = std::size_t(view.width());
    for (int t = 0; t < kTileCount; ++t) {
        const std::uint8_t* tile = editor.tileGfx[editor.curStage][t];
        const Rect cell = sheetCell(t, 2 * kTilePixels, kTileSheet.x, kTileSheet.y);
        for (int row = 0; row < kTilePixels; ++row) {
            const auto values = tileRowValues(tile[row], tile[kTilePixels + row]);
            Colour* upper = view.data() + std::size_t(cell.y + 2 * row) * stride + std::size_t(cell.x);
            Colour* lower = upper + stride;
            for (int x = 0; x < kTilePixels; ++x) {
                const Colour colour = colours[values[std::size_t(x)]];
                upper[2 * x] = upper[2 * x + 1] = colour;
                lower[2 * x] = lower[2 * x + 1] = colour;
            }
        }
    }
}

} // namespace

void paintChipView(EDITOR& editor)
{
    Surface& view = editor.viewSurface;
    // The chip and tile sheets cover the upper area; the rest is black.
    clearViewAround(editor, {kBelowUpperArea});
    const int k = editor.curChip & 0xFF;
    const int t = editor.curTile & 0xFF;
    const ChipRecord& current = editor.chip[editor.curStage][k];

    view.copy(editor.chipSurface, 0, 0, kChipViewChipSheet.width, kChipViewChipSheet.height, kChipViewChipSheet.x,
              kChipViewChipSheet.y);
    drawTileSheet(editor, current.palette & 3);
    drawViewText(editor, 256, 288, hexText("Pallet:", current.palette, 1));
    drawViewText(editor, 256, 320, hexText("style:", current.style, 2));
    view.stretch(editor.chipSurface, chipSheetRect(k), kMagnifier);

    outlineBorder(view, kChipViewChipSheet);
    outlineBorder(view, kTileSheet);
    drawMagnifierFrame(view);
    outlineOutside(view, sheetCell(k, kChipPixels, kChipViewChipSheet.x, kChipViewChipSheet.y));
    outlineOutside(view, sheetCell(t, 2 * kTilePixels, kTileSheet.x, kTileSheet.y));
    editor.drawPaletteStrip();
}
