#pragma once

#include <vector>

#include "usage/item_uses.h"

class EDITOR;

// Ctrl+H: asks for another item of the same kind and puts it into every use of the
// current item in the current stage (the pages of the left page's map set in "MAP",
// the cells of the cursor cell's chip set in "MAP SET", the cells of curChipSet in
// "CHIP SET", the quadrants of curChip in "CHIP"). The question names the item and the
// number of uses; in "MAP SET" it offers the brush curChipSet, elsewhere the item
// itself. Nothing changes when the item has no use or the user cancels. The history
// takes the whole replacement in as one step, as it does every key.
void replaceUsesOfCurrentItem(EDITOR& editor);

// Writes replacement into exactly the given uses of an item of kind in stage.
void replaceUses(EDITOR& editor, int stage, ItemKind kind, const std::vector<ItemUse>& uses, int replacement);
