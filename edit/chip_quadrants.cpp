#include "edit/chip_quadrants.h"

namespace {

// Chips and tiles are 16 x 16 pixels in the chip surface, 16 to a row; each chip is
// made of four 8 x 8 tiles.
constexpr int kSheetColumns = 16;
constexpr int kChipPixels = 16;
constexpr int kTilePixels = 8;

}  // namespace

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
    const int x = kChipPixels * (editor.curChip % kSheetColumns) + kTilePixels * (quadrant % 2);
    const int y = kChipPixels * (editor.curChip / kSheetColumns) + kTilePixels * (quadrant / 2);
    editor.drawChipTile(x, y, chip.tile[quadrant], chip.palette);
}
