#include "model/editor.h"
#include "render/frame_rect.h"
#include "render/view_drawing.h"
#include "render/views.h"

void paintMapSetView(EDITOR& editor)
{
    Surface& view = editor.viewSurface;
    // Everything but the two halves and the half-size sheet is black.
    constexpr Rect sheet = kSmallChipSetSheet;
    clearViewAround(editor,
                    {{0, kBelowUpperArea.y, sheet.x, kBelowUpperArea.height},
                     {sheet.x, kBelowUpperArea.y, sheet.width, sheet.y - kBelowUpperArea.y}});
    // The view position may exceed 30 after a switch from MAP or OBJECT; halves past
    // map set 31 stay black.
    for (int h = 0; h < 2; ++h) {
        const int m = editor.viewPos + h;
        if (m >= 0 && m < kMapSetCount)
            drawMapSetHalf(editor, m, kPagePixels * h);
        else
            view.fill({kPagePixels * h, 0, kPagePixels, kPagePixels}, kBlack);
    }
    drawViewHex(editor, 64, 276, "Page:", unsigned(editor.viewPos), 2);

    const Rect wholeSheet{0, 0, editor.chipSetSurface.width(), editor.chipSetSurface.height()};
    view.stretch(editor.chipSetSurface, wholeSheet, sheet);

    const int c = editor.curChipSet & 0xFF;
    drawMagnifierFrame(view);
    view.stretch(editor.chipSetSurface, chipSetSheetRect(c), kMagnifier);
    // Each chip set shows at one chip's size in the small sheet.
    outlineOutside(view, sheetCell(c, kChipPixels, sheet.x, sheet.y));
    frameRect(view, kChipSetPixels * editor.cursorCol, kChipSetPixels * editor.cursorRow, kChipSetPixels,
              kChipSetPixels, kWhite);
}
