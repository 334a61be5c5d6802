#include "model/editor.h"
#include "render/frame_rect.h"
#include "render/tile_sheet.h"
#include "render/view_drawing.h"
#include "render/views.h"

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
    // The tile sheet follows the current chip's sub-palette, so picking another chip
    // can recolour all of it.
    drawTileSheet(editor, view, kTileSheet.x, kTileSheet.y, current.palette & 3);
    drawViewHex(editor, 256, 288, "Pallet:", current.palette, 1);
    drawViewHex(editor, 256, 320, "style:", current.style, 2);
    view.stretch(editor.chipSurface, chipSheetRect(k), kMagnifier);

    outlineBorder(view, kChipViewChipSheet);
    outlineBorder(view, kTileSheet);
    drawMagnifierFrame(view);
    outlineOutside(view, sheetCell(k, kChipPixels, kChipViewChipSheet.x, kChipViewChipSheet.y));
    outlineOutside(view, sheetCell(t, 2 * kTilePixels, kTileSheet.x, kTileSheet.y));
    editor.drawPaletteStrip();
}
