#pragma once

#include "model/editor.h"

// Putting the selected chip into a quadrant of the selected chip set and the selected
// tile into a quadrant of the selected chip, and picking them back. Quadrants are
// numbered 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right. The mouse and the
// keyboard share these.

void putChipIntoQuadrant(EDITOR& editor, int quadrant);
void pickChipFromQuadrant(EDITOR& editor, int quadrant);

// Also redraws the changed tile into the chip surface, so the chip sheet shows it
// before the next full redraw of the chips.
void putTileIntoQuadrant(EDITOR& editor, int quadrant);
void pickTileFromQuadrant(EDITOR& editor, int quadrant);

// Redraws tile quadrant q of chip curChip into the chip surface with the chip's
// sub-palette, at its place in the chip sheet.
void redrawChipQuadrant(EDITOR& editor, int quadrant);
