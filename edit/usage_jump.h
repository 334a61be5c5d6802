#pragma once

#include <optional>

#include "usage/item_uses.h"

class EDITOR;

// Shows a use as the keyboard's own moves would: a page in "MAP", scrolled to be the
// left page (page 47, which cannot be, the right one); a map-set cell in "MAP SET"
// under the cursor, scrolling only when its map set is not shown; a chip-set quadrant
// in "CHIP SET" with its chip set selected. kind is the kind of the item used.
void goToUse(EDITOR& editor, ItemKind kind, const ItemUse& use);

// Where the user is among the uses of an item of kind, in useOrder's numbers: the left
// page, the "MAP SET" cursor cell, the selected chip set. Nothing when the cursor
// stands on a map set that does not exist.
std::optional<int> currentUsePlace(const EDITOR& editor, ItemKind kind);

// U and Shift+U: goes to the next (direction +1) or previous (-1) use of the current
// item after or before the place the user is at (the left page, the cursor cell, the
// selected chip set), wrapping around the stage. Nothing happens when the item has no
// use or the view no item.
void jumpToUse(EDITOR& editor, int direction);
