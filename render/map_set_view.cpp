#include "model/editor.h"
#include "render/frame_rect.h"
#include "render/view_drawing.h"
#include "render/views.h"

namespace {
// The half-size chip-set sheet in the lower right: chip set b in the 16 x 16 cell at
// (256 + 16 (b mod 16), 272 + 16 (b / 16)).
constexpr Rect kSmallChipSetSheet{256, 272, 256, 256};
} // namespace

void paintMapSetView(EDITOR& editor)
{
    Surface& view = editor.viewSurface;
    // Everything but the two halves and the half-size sheet is black.
    clearViewAround(editor, {{0, 256, 256, 272}, {256, 256, 256, 16}});
    // The view position may exceed 30 after a switch from MAP or OBJECT; halves past
    // map set 31 stay black.
    for (int h = 0; h < 2; ++h) {
        const int m = editor.viewPos + h;
        if (m >= 0 && m < kMapSetCount)
            drawMapSetHalf(editor, m, 256 * h);
        else
            view.fill({256 * h, 0, 256, 256}, kBlack);
    }
    drawViewText(editor, 64, 276, hexText("Page:", unsigned(editor.viewPos), 2));

    const Rect wholeSheet{0, 0, editor.chipSetSurface.width(), editor.chipSetSurface.height()};
    view.stretch(editor.chipSetSurface, wholeSheet, kSmallChipSetSheet);

    const int c = editor.curChipSet & 0xFF;
    drawMagnifierFrame(view);
    view.stretch(editor.chipSetSurface, chipSetSheetRect(c), kMagnifier);
    frameRect(view, 255 + 16 * (c % 16), 271 + 16 * (c / 16), 17, 17, kWhite);
    frameRect(view, 32 * editor.cursorCol, 32 * editor.cursorRow, 32, 32, kWhite);
}
