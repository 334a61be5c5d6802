#include "render/tile_sheet.h"

#include "model/editor.h"
#include "model/view_geometry.h"
#include "render/tile_pixels.h"

void drawTileSheet(EDITOR& editor, Surface& target, int left, int top, int subPalette)
{
    constexpr int kCellPixels = 2 * kTilePixels;
    constexpr int kSheetPixels = kSheetColumns * kCellPixels;
    if (left < 0 || top < 0 || target.width() < left + kSheetPixels || target.height() < top + kSheetPixels)
        return;
    const auto colours = subPaletteColours(editor.curPal[editor.curStage], subPalette & 3);
    const std::size_t stride = std::size_t(target.width());
    const Rect area = target.drawableArea();
    for (int t = 0; t < kTileCount; ++t) {
        const std::uint8_t* tile = editor.tileGfx[editor.curStage][t];
        const Rect cell = sheetCell(t, kCellPixels, left, top);
        if (!area.intersects(cell))
            continue;
        if (!area.contains(cell)) {
            // A cell that the clip cuts: pixel by pixel, which keeps to the clip.
            for (int y = 0; y < kCellPixels; ++y) {
                const auto values = tileRowValues(tile[y / 2], tile[kTilePixels + y / 2]);
                for (int x = 0; x < kCellPixels; ++x)
                    target.setPixel(cell.x + x, cell.y + y, colours[values[std::size_t(x / 2)]]);
            }
            continue;
        }
        for (int row = 0; row < kTilePixels; ++row) {
            const auto values = tileRowValues(tile[row], tile[kTilePixels + row]);
            Colour* upper = target.data() + std::size_t(cell.y + 2 * row) * stride + std::size_t(cell.x);
            Colour* lower = upper + stride;
            for (int x = 0; x < kTilePixels; ++x) {
                const Colour colour = colours[values[std::size_t(x)]];
                upper[2 * x] = upper[2 * x + 1] = colour;
                lower[2 * x] = lower[2 * x + 1] = colour;
            }
        }
    }
}
