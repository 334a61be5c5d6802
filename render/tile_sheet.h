#pragma once

#include "model/surface.h"

class EDITOR;

// All 256 tiles of the current stage at twice their size, 16 to a row, in sub-palette
// subPalette of the current palette (its animated colours included, whatever its
// selector), with the sheet's top-left corner at (left, top) of target. Draws nothing
// unless the whole sheet fits on target.
void drawTileSheet(EDITOR& editor, Surface& target, int left, int top, int subPalette);
