// Selecting, moving, inserting and erasing the objects of the current stage.
#include <algorithm>

#include "edit/object_list.h"
#include "edit/refusal.h"
#include "model/editor.h"
#include "text/translation.h"

namespace {

// "MAP" and "OBJECT" scroll from page 0 to page 46; page 47 is only ever the right
// page shown.
constexpr int kLastLeftPage = 46;
constexpr int kLastPage = kPageCount - 1;

constexpr std::uint8_t kNewObjectX = 0x80;
constexpr std::uint8_t kNewObjectY = 0x80;

int wrapSlot(int slot)
{
    return ((slot % kObjectSlots) + kObjectSlots) % kObjectSlots;
}

}  // namespace

void EDITOR::stepObject(int step)
{
    const ObjectRecord* list = object[curStage];
    const int direction = step < 0 ? -1 : +1;

    // The first move takes the whole step, the search then goes one slot at a time.
    // At most one lap: a stage without objects must not hang the editor.
    int slot = wrapSlot(curObject + step);
    for (int tried = 0; tried < kObjectSlots && !list[slot].isUsed(); ++tried)
        slot = wrapSlot(slot + direction);

    if (!list[slot].isUsed()) {
        // An empty list: select slot 0, where the first object will be inserted or
        // placed, and leave the view where it is.
        curObject = 0;
        return;
    }
    curObject = slot;
    host().setScrollPos(std::min<int>(list[slot].page, kLastLeftPage));
}

void EDITOR::moveObjectX(int step)
{
    // A free slot is no object; moving it could turn its page byte into a page
    // number and so open a gap in the list.
    if (!selectedObjectIsUsed(*this))
        return;
    ObjectRecord& selected = object[curStage][curObject];

    const int s = selected.x + step;
    if (s < 0 || s > 255) {
        if (step > 0 && selected.page < kLastPage) {
            ++selected.page;
            if (selected.page > viewPos + 1)
                stepObject(0);
        } else if (step < 0 && selected.page > 0) {
            --selected.page;
            if (selected.page < viewPos)
                stepObject(0);
        }
    }
    selected.x = static_cast<std::uint8_t>(s);
}

void EDITOR::moveObjectY(int step)
{
    if (!selectedObjectIsUsed(*this))
        return;
    ObjectRecord& selected = object[curStage][curObject];
    selected.y = static_cast<std::uint8_t>(selected.y + step);
}

void EDITOR::stepObjectData(int step)
{
    if (!selectedObjectIsUsed(*this))
        return;
    ObjectRecord& selected = object[curStage][curObject];
    selected.data = static_cast<std::uint8_t>(selected.data + step);
}

void EDITOR::eraseObject()
{
    ObjectRecord* list = object[curStage];
    // The list never loses its last object.
    if (!list[1].isUsed()) {
        refuse(*this, translated("object_commands", "It cannot erase any more!"));
        return;
    }
    // A selection on a free slot (left by a stage change from the keyboard or a
    // reload) names nothing to erase.
    if (!list[curObject].isUsed())
        return;

    removeObjectSlot(*this, curObject);
    stepObject(0);
}

void EDITOR::insertObject()
{
    ObjectRecord* list = object[curStage];
    const int firstFree = lowestFreeObjectSlot(*this);
    if (firstFree == kObjectSlots) {
        refuse(*this, translated("object_commands", "It cannot add any more!"));
        return;
    }

    curObject = slotForNewObject(*this);
    // Slots curObject to firstFree - 1 move one slot on; the free slot is overwritten.
    std::copy_backward(list + curObject, list + firstFree, list + firstFree + 1);
    list[curObject] = {static_cast<std::uint8_t>(viewPos), kNewObjectX, kNewObjectY, 0};
    stepObject(0);
}
