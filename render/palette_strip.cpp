#include "model/editor.h"
#include "model/view_geometry.h"
#include "render/colour_table.h"
#include "render/frame_rect.h"

// The four sub-palettes of the current palette, animated colours included: four
// swatches of 24 x 12 each, outlined in white.
void EDITOR::drawPaletteStrip()
{
    const PaletteRecord& palette = curPal[curStage];
    for (int p = 0; p < 4; ++p) {
        const int left = kPaletteStrip.x + kPaletteSwatchSpacing * p;
        for (int j = 0; j < 4; ++j)
            fillRect(viewSurface, left + 24 * j, kPaletteStrip.y, 24, 12, colourTable[palette.colour[p][j]]);
        frameRect(viewSurface, left, kPaletteStrip.y, 96, 12, kWhite);
    }
}
