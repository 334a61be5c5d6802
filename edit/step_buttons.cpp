#include "edit/step_buttons.h"

namespace {

// Buttons 0 to 3 step by one, 4 to 7 by four; the even ones add, the odd ones
// subtract; buttons 0, 1, 4 and 5 sit under the left page, 2, 3, 6 and 7 under the
// right one.
void onMapButton(EDITOR& editor, int index)
{
    switch (index) {
    case 0: editor.stepPageSet(0, +1); break;
    case 1: editor.stepPageSet(0, -1); break;
    case 2: editor.stepPageSet(1, +1); break;
    case 3: editor.stepPageSet(1, -1); break;
    case 4: editor.stepPageSet(0, +4); break;
    case 5: editor.stepPageSet(0, -4); break;
    case 6: editor.stepPageSet(1, +4); break;
    case 7: editor.stepPageSet(1, -4); break;
    default: break;
    }
}

// Four rows: selection (with "Del" and "Ins"), x, y and data. The steps of eight for
// x and y come last, as buttons 14 to 17.
void onObjectButton(EDITOR& editor, int index)
{
    switch (index) {
    case 0: editor.stepObject(-1); break;
    case 1: editor.stepObject(+1); break;
    case 2: editor.stepObject(-8); break;
    case 3: editor.stepObject(+8); break;
    case 4: editor.moveObjectX(-1); break;
    case 5: editor.moveObjectX(+1); break;
    case 6: editor.moveObjectY(-1); break;
    case 7: editor.moveObjectY(+1); break;
    case 8: editor.stepObjectData(-1); break;
    case 9: editor.stepObjectData(+1); break;
    case 10: editor.stepObjectData(-8); break;
    case 11: editor.stepObjectData(+8); break;
    case 12: editor.eraseObject(); break;
    case 13: editor.insertObject(); break;
    case 14: editor.moveObjectX(-8); break;
    case 15: editor.moveObjectX(+8); break;
    case 16: editor.moveObjectY(-8); break;
    case 17: editor.moveObjectY(+8); break;
    default: break;
    }
}

// "set change": bit 7 of curChipSet chooses the half of the chip sets shown.
void onChipSetButton(EDITOR& editor, int index)
{
    if (index == 0)
        editor.curChipSet ^= 0x80;
}

void onChipButton(EDITOR& editor, int index)
{
    switch (index) {
    case 0: editor.stepChipPalette(+1); break;
    case 1: editor.stepChipStyle(+1); break;
    case 2: editor.stepChipStyle(-1); break;
    case 3: editor.stepChipStyle(+4); break;
    case 4: editor.stepChipStyle(-4); break;
    default: break;
    }
}

}  // namespace

void onStepButton(EDITOR& editor, int index)
{
    switch (editor.curTab) {
    case kViewMap: onMapButton(editor, index); break;
    case kViewObject: onObjectButton(editor, index); break;
    case kViewMapSet: break;  // shows no step button
    case kViewChipSet: onChipSetButton(editor, index); break;
    case kViewChip: onChipButton(editor, index); break;
    default: break;
    }
}
