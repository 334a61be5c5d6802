#pragma once

#include <cstdint>

#include "model/editor.h"

// The "MAP SET" view shows map sets viewPos and viewPos + 1 side by side; the cursor
// runs over both, columns 0 to 7 in the left one and 8 to 15 in the right one.
inline constexpr int kMapSetColumns = 8;
inline constexpr int kMapSetRows = 8;
inline constexpr int kCursorColumns = 2 * kMapSetColumns;

// The mapSet entry under the cursor, or nullptr when the cursor stands on a map set
// that does not exist (viewPos is left over from "MAP" or "OBJECT" and points past
// map set 31) or off the grid.
std::uint8_t* cellUnderCursor(EDITOR& editor);

// Paints curChipSet into the cell under the cursor, or picks the cell's chip set into
// curChipSet; neither does anything where there is no cell.
void paintCursorCell(EDITOR& editor);
void pickCursorCell(EDITOR& editor);
