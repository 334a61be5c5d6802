#pragma once

#include "model/surface.h"

// Outlines a box of (width + 1) x (height + 1) pixels with its top-left corner at
// (left, top): the rows top and top + height for left <= x < left + width, and the
// columns left and left + width for top <= y < top + height. The bottom-right corner
// (left + width, top + height) stays unset. Pixels off the surface are ignored, so a
// frame at -1 simply loses its left or top line.
void frameRect(Surface& surface, int left, int top, int width, int height, Colour colour);

// Sets every pixel with left <= x < left + width and top <= y < top + height that lies
// on the surface.
void fillRect(Surface& surface, int left, int top, int width, int height, Colour colour);
