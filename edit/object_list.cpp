#include "edit/object_list.h"

#include <algorithm>

int lowestFreeObjectSlot(const EDITOR& editor)
{
    const ObjectRecord* list = editor.object[editor.curStage];
    for (int slot = 0; slot < kObjectSlots; ++slot)
        if (!list[slot].isUsed())
            return slot;
    return kObjectSlots;
}

bool selectedObjectIsUsed(const EDITOR& editor)
{
    return editor.object[editor.curStage][editor.curObject].isUsed();
}

int slotForNewObject(const EDITOR& editor)
{
    return std::min(editor.curObject, lowestFreeObjectSlot(editor));
}

void removeObjectSlot(EDITOR& editor, int slot)
{
    removeObjectSlot(editor, editor.curStage, slot);
}

void removeObjectSlot(EDITOR& editor, int stage, int slot)
{
    ObjectRecord* list = editor.object[stage];
    std::copy(list + slot + 1, list + kObjectSlots, list + slot);
    list[kObjectSlots - 1].page = kErasedObjectPage;
}
