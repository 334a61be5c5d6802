// The keys of every view. With Ctrl held only the Ctrl table applies, the same in
// every view; without it, the key acts according to the current view, and Shift picks
// the variant of an entry that has one. The letters H, J, K and L are twins of Left,
// Down, Up and Right, P and N of Page Up and Page Down; without Ctrl, D is a twin of
// Space and S of Enter.
#include "edit/chip_quadrants.h"
#include "edit/map_set_cursor.h"
#include "edit/undo_redo.h"
#include "edit/virtual_keys.h"
#include "model/editor.h"
#include "model/view_geometry.h"

namespace {

constexpr int kLastStage = kStageCount - 1;
constexpr int kLastPaletteSet = kPaletteSetCount - 1;
constexpr int kLastView = kViewCount - 1;
constexpr int kHalfBit = 0x80;     // bit 7 of curChipSet chooses the half "CHIP SET" shows

// The selections of the 16-wide sheets wrap within 0 to 255.
void stepSelection(std::int32_t& selection, int step)
{
    selection = (selection + step) & 0xFF;
}

// Selects another stage, palette set or tab the way the user would in the controls,
// but without their notification, so the selections are applied here. None of them
// wraps around.
void chooseStage(EDITOR& editor, int stage)
{
    if (stage < 0 || stage > kLastStage)
        return;
    editor.host().selectStage(stage);
    editor.host().applySelections();
}

void choosePaletteSet(EDITOR& editor, int paletteSet)
{
    if (paletteSet < 0 || paletteSet > kLastPaletteSet)
        return;
    editor.host().selectPaletteEntry(paletteSet);
    editor.host().applySelections();
}

void switchView(EDITOR& editor, bool shift)
{
    const int tab = editor.curTab + (shift ? -1 : +1);
    if (tab < 0 || tab > kLastView)
        return;
    editor.host().selectTab(tab);
    editor.host().applySelections();
}

void onCtrlKey(EDITOR& editor, int key, bool shift)
{
    switch (key) {
    case 'S': editor.host().clickButton(HostButton::Save); break;
    case 'R': editor.host().clickButton(HostButton::Reload); break;
    case 'Q': editor.host().clickButton(HostButton::Exit); break;
    case 'Z':
        if (shift)
            redoEdit(editor);
        else
            undoEdit(editor);
        break;
    case 'Y': redoEdit(editor); break;
    case VK_UP:
    case 'K': choosePaletteSet(editor, editor.curPalSet - 1); break;
    case VK_DOWN:
    case 'J': choosePaletteSet(editor, editor.curPalSet + 1); break;
    case VK_PRIOR:
    case 'P': chooseStage(editor, editor.curStage - 1); break;
    case VK_NEXT:
    case 'N': chooseStage(editor, editor.curStage + 1); break;
    case VK_TAB:
    case 'T': switchView(editor, shift); break;
    default: break;
    }
}

// Folds the letter twins of the plain table onto the keys they stand for.
int plainKey(int key)
{
    switch (key) {
    case 'H': return VK_LEFT;
    case 'J': return VK_DOWN;
    case 'K': return VK_UP;
    case 'L': return VK_RIGHT;
    case 'P': return VK_PRIOR;
    case 'N': return VK_NEXT;
    case 'D': return VK_SPACE;
    case 'S': return VK_RETURN;
    default: return key;
    }
}

// The arrows step the map set of the left page only: Up and Down by one, Right and
// Left by four.
void onMapKey(EDITOR& editor, int key)
{
    switch (key) {
    case VK_PRIOR: editor.host().scrollBy(-1); break;
    case VK_NEXT: editor.host().scrollBy(+1); break;
    case VK_LEFT: editor.stepPageSet(0, -4); break;
    case VK_RIGHT: editor.stepPageSet(0, +4); break;
    case VK_UP: editor.stepPageSet(0, +1); break;
    case VK_DOWN: editor.stepPageSet(0, -1); break;
    default: break;
    }
}

// The arrows move the object by one pixel, with Shift by sixteen; Page Up and Page
// Down select another object, with Shift they move it a whole page.
void onObjectKey(EDITOR& editor, int key, bool shift)
{
    constexpr int kShiftStep = 16;
    constexpr int kPageStep = 256;
    const int step = shift ? kShiftStep : 1;
    switch (key) {
    case VK_PRIOR:
        if (shift)
            editor.moveObjectX(-kPageStep);
        else
            editor.stepObject(-1);
        break;
    case VK_NEXT:
        if (shift)
            editor.moveObjectX(+kPageStep);
        else
            editor.stepObject(+1);
        break;
    case VK_LEFT: editor.moveObjectX(-step); break;
    case VK_RIGHT: editor.moveObjectX(+step); break;
    case VK_UP: editor.moveObjectY(-step); break;
    case VK_DOWN: editor.moveObjectY(+step); break;
    default: break;
    }
}

// The arrows move the cursor, which stops at the edges and never scrolls; with Shift
// they step the chip set that Space paints.
void onMapSetKey(EDITOR& editor, int key, bool shift)
{
    switch (key) {
    case VK_PRIOR: editor.host().scrollBy(-1); break;
    case VK_NEXT: editor.host().scrollBy(+1); break;
    case VK_LEFT:
        if (shift)
            stepSelection(editor.curChipSet, -1);
        else if (editor.cursorCol > 0)
            --editor.cursorCol;
        break;
    case VK_RIGHT:
        if (shift)
            stepSelection(editor.curChipSet, +1);
        else if (editor.cursorCol < kCursorColumns - 1)
            ++editor.cursorCol;
        break;
    case VK_UP:
        if (shift)
            stepSelection(editor.curChipSet, -kSheetColumns);
        else if (editor.cursorRow > 0)
            --editor.cursorRow;
        break;
    case VK_DOWN:
        if (shift)
            stepSelection(editor.curChipSet, +kSheetColumns);
        else if (editor.cursorRow < kMapSetRows - 1)
            ++editor.cursorRow;
        break;
    case VK_SPACE:
        if (std::uint8_t* cell = cellUnderCursor(editor))
            *cell = static_cast<std::uint8_t>(editor.curChipSet);
        break;
    case VK_RETURN:
        if (const std::uint8_t* cell = cellUnderCursor(editor))
            editor.curChipSet = *cell;
        break;
    default: break;
    }
}

// Q, W, A and S pick quadrants 0 to 3 and E, R, D and F put into them: two 2 x 2
// blocks under the left hand that mirror the quadrants. D and S arrive here folded
// onto Space and Enter.
int putQuadrant(int key)
{
    switch (key) {
    case 'E': return 0;
    case 'R': return 1;
    case VK_SPACE: return 2;
    case 'F': return 3;
    default: return -1;
    }
}

int pickQuadrant(int key)
{
    switch (key) {
    case 'Q': return 0;
    case 'W': return 1;
    case 'A': return 2;
    case VK_RETURN: return 3;
    default: return -1;
    }
}

// The arrow step in a 16-wide sheet: one cell sideways or one row up or down.
int arrowStep(int key)
{
    switch (key) {
    case VK_LEFT: return -1;
    case VK_RIGHT: return +1;
    case VK_UP: return -kSheetColumns;
    case VK_DOWN: return +kSheetColumns;
    default: return 0;
    }
}

// The arrows step the chip set, with Shift the chip; crossing 127 and 128 changes the
// half shown. Page Up and Page Down both show the other half.
void onChipSetKey(EDITOR& editor, int key, bool shift)
{
    if (const int step = arrowStep(key); step != 0) {
        stepSelection(shift ? editor.curChip : editor.curChipSet, step);
    } else if (key == VK_PRIOR || key == VK_NEXT) {
        editor.curChipSet ^= kHalfBit;
    } else if (const int q = putQuadrant(key); q >= 0) {
        putChipIntoQuadrant(editor, q);
    } else if (const int q = pickQuadrant(key); q >= 0) {
        pickChipFromQuadrant(editor, q);
    }
}

// The arrows step the chip, with Shift the tile. Page Up and Page Down step the
// chip's sub-palette, with Shift its style.
void onChipKey(EDITOR& editor, int key, bool shift)
{
    if (const int step = arrowStep(key); step != 0) {
        stepSelection(shift ? editor.curTile : editor.curChip, step);
    } else if (key == VK_PRIOR || key == VK_NEXT) {
        const int step = key == VK_PRIOR ? +1 : -1;
        if (shift)
            editor.stepChipStyle(step);
        else
            editor.stepChipPalette(step);
    } else if (const int q = putQuadrant(key); q >= 0) {
        putTileIntoQuadrant(editor, q);
    } else if (const int q = pickQuadrant(key); q >= 0) {
        pickTileFromQuadrant(editor, q);
    }
}

void onPlainKey(EDITOR& editor, int key, bool shift)
{
    key = plainKey(key);
    if (key == 'T') {
        switchView(editor, shift);
        return;
    }
    switch (editor.curTab) {
    case kViewMap: onMapKey(editor, key); break;
    case kViewObject: onObjectKey(editor, key, shift); break;
    case kViewMapSet: onMapSetKey(editor, key, shift); break;
    case kViewChipSet: onChipSetKey(editor, key, shift); break;
    case kViewChip: onChipKey(editor, key, shift); break;
    default: break;
    }
}

}  // namespace

void EDITOR::onKeyDown(int key, std::intptr_t /*keyData*/)
{
    const bool shift = host().isKeyDown(VK_SHIFT);
    if (host().isKeyDown(VK_CONTROL))
        onCtrlKey(*this, key, shift);
    else
        onPlainKey(*this, key, shift);
}
