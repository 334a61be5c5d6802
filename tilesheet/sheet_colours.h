#pragma once

#include "tilesheet/sheet_tiles.h"

class EDITOR;

// The colours of sub-palette subPalette of palette set paletteSet of a stage as the
// exported pictures show them: those of the first frame after opening the image, so
// an animated sub-palette has its animation's first colours. The editor's own current
// palette and animations are left as they are.
SheetColours sheetColours(const EDITOR& editor, int stage, int paletteSet, int subPalette);
