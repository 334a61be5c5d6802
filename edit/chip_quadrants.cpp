#include "edit/chip_quadrants.h"

#include "model/view_geometry.h"

void putChipIntoQuadrant(EDITOR& editor, int quadrant)
{
    editor.chipSet[editor.curStage][editor.curChipSet][quadrant] = static_cast<std::uint8_t>(editor.curChip);
}

void pickChipFromQuadrant(EDITOR& editor, int quadrant)
{
    editor.curChip = editor.chipSet[editor.curStage][editor.curChipSet][quadrant];
}

void putTileIntoQuadrant(EDITOR& editor, int quadrant)
{
    editor.chip[editor.curStage][editor.curChip].tile[quadrant] = static_cast<std::uint8_t>(editor.curTile);
    redrawChipQuadrant(editor, quadrant);
}

void pickTileFromQuadrant(EDITOR& editor, int quadrant)
{
    editor.curTile = editor.chip[editor.curStage][editor.curChip].tile[quadrant];
}

void redrawChipQuadrant(EDITOR& editor, int quadrant)
{
    const ChipRecord& chip = editor.chip[editor.curStage][editor.curChip];
    const Rect cell = sheetCell(editor.curChip, kChipPixels);
    editor.drawChipTile(cell.x + quadrantX(quadrant, kTilePixels), cell.y + quadrantY(quadrant, kTilePixels),
                        chip.tile[quadrant], chip.palette);
}
