#pragma once

#include <optional>
#include <vector>

#include "model/stage_records.h"
#include "model/surface.h"

class EDITOR;

// The parts of the current view that can show something new when the palette
// animation alone has moved on since the view was drawn: the cells that show chips or
// chip sets the last build of the chip-set sheet changed, and whatever is drawn in
// the palette's colours where those changed from before. Drawing the view again within
// these parts only gives exactly the view drawn in full. None when the view has to be
// drawn in full: the whole sheet was built again, or the sheets are not their full size.
std::optional<std::vector<Rect>> animatedViewParts(const EDITOR& editor, const PaletteRecord& before);

// The same parts with neighbours of one height side by side, then of one width one
// above the other, joined: fewer rectangles covering exactly the same pixels.
std::vector<Rect> joinNeighbours(std::vector<Rect> parts);
