#pragma once

#include "model/editor.h"

// Questions about the current stage's object list that the commands and the mouse
// share. The used slots always come first, without gaps.

// The lowest free slot of the current stage, or kObjectSlots when all 64 are used.
int lowestFreeObjectSlot(const EDITOR& editor);

// Whether slot curObject of the current stage holds an object.
bool selectedObjectIsUsed(const EDITOR& editor);

// The slot that receives an object added at the selection: curObject, unless the
// selection lies beyond the lowest free slot (possible after a stage change from the
// keyboard or a reload), in which case the lowest free slot, so that no gap opens.
int slotForNewObject(const EDITOR& editor);

// Takes slot out of the list: the slots after it move one slot up and slot 63 is
// marked free, its other bytes kept.
void removeObjectSlot(EDITOR& editor, int slot);
// The same in any stage.
void removeObjectSlot(EDITOR& editor, int stage, int slot);
