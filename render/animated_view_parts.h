#pragma once

#include <optional>
#include <vector>

#include "model/stage_records.h"
#include "model/surface.h"

class EDITOR;

// The parts of the current view that can show something new when the palette
// animation alone has moved on since the view was drawn: the cells that show chips or
// chip sets the last build of the chip-set sheet changed, and whatever is drawn in
// the colours of the sub-palettes marked in moved. Drawing the view again within
// these parts only gives exactly the view drawn in full. None when the view has to be
// drawn in full: the last build drew the whole sheet.
std::optional<std::vector<Rect>> animatedViewParts(const EDITOR& editor, const bool (&moved)[4]);

// Marks the chips that the MAP and OBJECT views show through their two pages. False,
// marking nothing, for a view that shows a whole chip or chip-set sheet.
bool chipsOfShownPages(const EDITOR& editor, bool (&chips)[kChipCount]);

// The same parts with neighbours of one height side by side, then of one width one
// above the other, joined: fewer rectangles covering exactly the same pixels.
std::vector<Rect> joinNeighbours(std::vector<Rect> parts);
