#pragma once

#include <optional>

#include "usage/item_uses.h"

class EDITOR;

// The item the current view is about: the one whose uses F2 lists, U visits and
// Ctrl+H replaces. "MAP": the left page's map set; "MAP SET": the chip set in the
// cursor cell; "CHIP SET": curChipSet; "CHIP": curChip. "OBJECT" has none, nor has a
// page that names no map set or a cursor on a map set that does not exist.
struct UsageSubject {
    ItemKind kind;
    int item;
};
std::optional<UsageSubject> currentUsageSubject(const EDITOR& editor);

// The "MAP SET" cursor cell as a place in a map set, or nothing when it stands on a
// map set that does not exist.
std::optional<ItemUse> cursorCellPlace(const EDITOR& editor);
