#pragma once

#include "model/editor.h"

// The put keys and the chip steps, on every selected item when the current view has a
// selection and on the current item alone otherwise, exactly as without selections.

// "MAP SET", Space: curChipSet into the selected cells, or the cursor cell.
void putChipSetIntoCells(EDITOR& editor);
// "CHIP SET", E R D F: curChip into quadrant of the selected chip sets, or curChipSet.
void putChipIntoChipSets(EDITOR& editor, int quadrant);
// "CHIP", E R D F: curTile into quadrant of the selected chips, or curChip.
void putTileIntoChips(EDITOR& editor, int quadrant);
// "CHIP", the step buttons and Page Up, Page Down: the sub-palette or the style of the
// selected chips, each from its own value, or of curChip.
void stepChipsPalette(EDITOR& editor, int step);
void stepChipsStyle(EDITOR& editor, int step);
