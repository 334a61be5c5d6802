#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "model/surface.h"
#include "model/view_geometry.h"

class EDITOR;

// Pieces that several views share. All coordinates are view-surface pixels.

// An information text: label followed by value as exactly digits upper-case
// hexadecimal digits with leading zeros. The text always has label.size() + digits
// characters; a value too wide for them keeps its leading digits, as a fixed-size
// text field would.
std::string hexText(std::string_view label, unsigned value, int digits);

// Whether a text at (x, y) can change a pixel of the view within its clip. Texts are
// drawn top-left aligned, so one that starts below or right of the clip cannot: the
// frames that redraw a few animated parts of the view skip making them.
bool viewTextMayShow(const EDITOR& editor, int x, int y);

// Draws text through the application with its top-left corner at (x, y).
void drawViewText(EDITOR& editor, int x, int y, std::string_view text);
// drawViewText of hexText(label, value, digits), made only when it can show.
void drawViewHex(EDITOR& editor, int x, int y, std::string_view label, unsigned value, int digits);

// Copies the 64 chip sets of map set m of the current stage into the upper area with
// the map set's left edge at x = left. m must be 0 to 31.
void drawMapSetHalf(EDITOR& editor, int m, int left);

// The rectangle of chip set b in the chip-set surface and of chip k in the chip surface.
Rect chipSetSheetRect(int b);
Rect chipSheetRect(int k);

// Whether the chip and chip-set surfaces have their full sizes, which the fast paths
// of building and showing the sheets rely on.
bool hasFullSizeSheets(const EDITOR& editor);

// Clears the parts of the view that its copies from the chip and chip-set sheets will
// not paint over, so that a view reaches every pixel once instead of clearing all
// 270,336 of them first. Without full-size sheets the whole view is cleared.
void clearViewAround(EDITOR& editor, std::initializer_list<Rect> uncovered);

// White outlines drawn with frameRect, so the bottom-right corner stays unset: on the
// outermost pixels of rect, and on the pixels just outside it.
void outlineBorder(Surface& view, const Rect& rect);
void outlineOutside(Surface& view, const Rect& rect);

// The white outline just outside the magnifier.
void drawMagnifierFrame(Surface& view);
