#include "edit/step_buttons.h"

#include "edit/selection_fill.h"
#include "model/view_geometry.h"
#include "text/translation.h"

namespace {

using E = EDITOR&;

// Buttons 0, 1, 4 and 5 sit under the left page, 2, 3, 6 and 7 under the right one.
constexpr StepButtonBinding kMapButtons[] = {
    {0, [](E e) { e.stepPageSet(0, +1); }, TEXT_NOOP("step_buttons", "left page: map set + 1")},
    {1, [](E e) { e.stepPageSet(0, -1); }, TEXT_NOOP("step_buttons", "left page: map set - 1")},
    {2, [](E e) { e.stepPageSet(1, +1); }, TEXT_NOOP("step_buttons", "right page: map set + 1")},
    {3, [](E e) { e.stepPageSet(1, -1); }, TEXT_NOOP("step_buttons", "right page: map set - 1")},
    {4, [](E e) { e.stepPageSet(0, +4); }, TEXT_NOOP("step_buttons", "left page: map set + 4")},
    {5, [](E e) { e.stepPageSet(0, -4); }, TEXT_NOOP("step_buttons", "left page: map set - 4")},
    {6, [](E e) { e.stepPageSet(1, +4); }, TEXT_NOOP("step_buttons", "right page: map set + 4")},
    {7, [](E e) { e.stepPageSet(1, -4); }, TEXT_NOOP("step_buttons", "right page: map set - 4")},
};

// Four rows: selection (with "Del" and "Ins"), x, y and data. The steps of eight for
// x and y came last, as buttons 14 to 17.
constexpr StepButtonBinding kObjectButtons[] = {
    {0, [](E e) { e.stepObject(-1); }, TEXT_NOOP("step_buttons", "select the previous object")},
    {1, [](E e) { e.stepObject(+1); }, TEXT_NOOP("step_buttons", "select the next object")},
    {2, [](E e) { e.stepObject(-8); }, TEXT_NOOP("step_buttons", "select the object 8 slots back")},
    {3, [](E e) { e.stepObject(+8); }, TEXT_NOOP("step_buttons", "select the object 8 slots on")},
    {4, [](E e) { e.moveObjectX(-1); }, TEXT_NOOP("step_buttons", "x - 1")},
    {5, [](E e) { e.moveObjectX(+1); }, TEXT_NOOP("step_buttons", "x + 1")},
    {6, [](E e) { e.moveObjectY(-1); }, TEXT_NOOP("step_buttons", "y - 1")},
    {7, [](E e) { e.moveObjectY(+1); }, TEXT_NOOP("step_buttons", "y + 1")},
    {8, [](E e) { e.stepObjectData(-1); }, TEXT_NOOP("step_buttons", "data - 1")},
    {9, [](E e) { e.stepObjectData(+1); }, TEXT_NOOP("step_buttons", "data + 1")},
    {10, [](E e) { e.stepObjectData(-8); }, TEXT_NOOP("step_buttons", "data - 8")},
    {11, [](E e) { e.stepObjectData(+8); }, TEXT_NOOP("step_buttons", "data + 8")},
    {12, [](E e) { e.eraseObject(); }, TEXT_NOOP("step_buttons", "erase the selected object")},
    {13, [](E e) { e.insertObject(); }, TEXT_NOOP("step_buttons", "insert a new object at the selected slot")},
    {14, [](E e) { e.moveObjectX(-8); }, TEXT_NOOP("step_buttons", "x - 8")},
    {15, [](E e) { e.moveObjectX(+8); }, TEXT_NOOP("step_buttons", "x + 8")},
    {16, [](E e) { e.moveObjectY(-8); }, TEXT_NOOP("step_buttons", "y - 8")},
    {17, [](E e) { e.moveObjectY(+8); }, TEXT_NOOP("step_buttons", "y + 8")},
};

constexpr StepButtonBinding kChipSetButtons[] = {
    {0, [](E e) { e.curChipSet ^= kChipSetHalfBit; },
     TEXT_NOOP("step_buttons", "show the other half of the chip sets")},
};

constexpr StepButtonBinding kChipButtons[] = {
    {0, [](E e) { stepChipsPalette(e, +1); }, TEXT_NOOP("step_buttons", "sub-palette + 1 (of every selected chip)")},
    {1, [](E e) { stepChipsStyle(e, +1); }, TEXT_NOOP("step_buttons", "style + 0x10 (of every selected chip)")},
    {2, [](E e) { stepChipsStyle(e, -1); }, TEXT_NOOP("step_buttons", "style - 0x10 (of every selected chip)")},
    {3, [](E e) { stepChipsStyle(e, +4); }, TEXT_NOOP("step_buttons", "style + 0x40 (of every selected chip)")},
    {4, [](E e) { stepChipsStyle(e, -4); }, TEXT_NOOP("step_buttons", "style - 0x40 (of every selected chip)")},
};

}  // namespace

std::span<const StepButtonBinding> stepButtonTable(int view)
{
    switch (view) {
    case kViewMap: return kMapButtons;
    case kViewObject: return kObjectButtons;
    case kViewChipSet: return kChipSetButtons;
    case kViewChip: return kChipButtons;
    default: return {};  // TEXT_NOOP("step_buttons", "MAP SET") shows no step button
    }
}

void onStepButton(EDITOR& editor, int index)
{
    for (const StepButtonBinding& button : stepButtonTable(editor.curTab))
        if (button.index == index) {
            button.action(editor);
            return;
        }
}
