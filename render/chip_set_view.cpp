#include "model/editor.h"
#include "render/frame_rect.h"
#include "render/view_drawing.h"
#include "render/views.h"

// The upper area shows the half of the 256 chip sets that holds the current one (bit 7
// picks it), the lower right the whole chip sheet.
void paintChipSetView(EDITOR& editor)
{
    Surface& view = editor.viewSurface;
    // Everything but the upper area and the chip sheet is black.
    clearViewAround(editor, {{0, 256, 256, 272}, {256, 512, 256, 16}});
    const int c = editor.curChipSet & 0xFF;
    const int k = editor.curChip & 0xFF;
    const int halfTop = (c & 0x80) ? 256 : 0;
    view.copy(editor.chipSetSurface, 0, halfTop, 512, 256, 0, 0);
    view.stretch(editor.chipSetSurface, chipSetSheetRect(c), kMagnifier);
    view.copy(editor.chipSurface, 0, 0, 256, 256, 256, 256);

    frameRect(view, 0, 0, 511, 255, kWhite);
    frameRect(view, 256, 256, 255, 255, kWhite);
    drawMagnifierFrame(view);
    frameRect(view, 32 * (c % 16) - 1, 32 * ((c / 16) % 8) - 1, 33, 33, kWhite);
    frameRect(view, 255 + 16 * (k % 16), 255 + 16 * (k / 16), 17, 17, kWhite);
    editor.drawPaletteStrip();
}
