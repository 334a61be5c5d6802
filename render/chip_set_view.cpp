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
    constexpr Rect sheet = kChipSetViewChipSheet;
    constexpr int sheetBottom = sheet.y + sheet.height;
    clearViewAround(editor,
                    {{0, kBelowUpperArea.y, sheet.x, kBelowUpperArea.height},
                     {sheet.x, sheetBottom, sheet.width, kViewHeight - sheetBottom}});
    const int c = editor.curChipSet & 0xFF;
    const int k = editor.curChip & 0xFF;
    const int halfTop = (c & kChipSetHalfBit) ? kUpperArea.height : 0;
    view.copy(editor.chipSetSurface, 0, halfTop, kUpperArea.width, kUpperArea.height, kUpperArea.x, kUpperArea.y);
    view.stretch(editor.chipSetSurface, chipSetSheetRect(c), kMagnifier);
    view.copy(editor.chipSurface, 0, 0, sheet.width, sheet.height, sheet.x, sheet.y);

    outlineBorder(view, kUpperArea);
    outlineBorder(view, sheet);
    drawMagnifierFrame(view);
    outlineOutside(view, sheetCell(c & ~kChipSetHalfBit, kChipSetPixels));
    outlineOutside(view, sheetCell(k, kChipPixels, sheet.x, sheet.y));
    editor.drawPaletteStrip();
}
