#pragma once

#include <cstdint>

#include "model/stage_records.h"
#include "model/surface.h"

class EDITOR;

// Marks one object on target, centred at x = pageLeft + its x byte and at its y byte
// kept between 8 and 248, so that an object at the very top or bottom of a page stays
// visible; x is not limited, so a marker at the target's edge is cut. The mark is a
// white frame with the data byte in it; the selected object gets three more frames.
// The text goes through the editor's application, which owns the font.
void drawObjectMarker(EDITOR& editor, Surface& target, int pageLeft, const ObjectRecord& record, bool selected);

// The y at which an object's marker is centred: its y byte kept between 8 and 248.
int markerCentreY(std::uint8_t y);
