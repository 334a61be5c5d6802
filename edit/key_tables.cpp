#include "edit/key_tables.h"

#include <cstdint>

#include "edit/chip_quadrants.h"
#include "edit/clipboard_commands.h"
#include "edit/map_set_cursor.h"
#include "edit/replace_uses.h"
#include "edit/selection_editing.h"
#include "edit/selection_fill.h"
#include "edit/undo_redo.h"
#include "edit/usage_jump.h"
#include "edit/view_choice.h"
#include "edit/virtual_keys.h"
#include "model/view_geometry.h"
#include "text/translation.h"

namespace {

constexpr int kObjectShiftStep = 16;
constexpr int kObjectPageStep = 256;  // moveObjectX carries a whole page and keeps x

// The selections of the 16-wide sheets wrap within 0 to 255.
void stepSelection(std::int32_t& selection, int step)
{
    selection = (selection + step) & 0xFF;
}

void nextView(EDITOR& editor)
{
    chooseView(editor, editor.curTab + 1);
}
void previousView(EDITOR& editor)
{
    chooseView(editor, editor.curTab - 1);
}

// A key of a named command: what it does comes from the command.
constexpr KeyBinding named(int key, int twin, ShiftUse shift, const char* command, const char* does,
                           int firstView = kViewMap, int lastView = kViewChip)
{
    return {key, twin, shift, nullptr, does, firstView, lastView, command};
}

using E = EDITOR&;
constexpr ShiftUse kEither = ShiftUse::Either;
constexpr ShiftUse kWithout = ShiftUse::Without;
constexpr ShiftUse kWith = ShiftUse::With;

// Ctrl+Shift+Tab goes back a view and Ctrl+Shift+Z redoes; Ctrl+E exports a patch and
// Ctrl+Shift+E a stage file; the other Ctrl keys ignore Shift.
constexpr KeyBinding kCtrlKeys[] = {
    named('O', 0, kEither, "file.open", TEXT_NOOP("key_tables", "open another image in this window")),
    named('S', 0, kEither, "file.save", TEXT_NOOP("key_tables", "Save: write every stage into the image")),
    named('R', 0, kEither, "file.reload",
          TEXT_NOOP("key_tables", "Reload: read every stage again, dropping the unsaved edits")),
    named('Q', 0, kEither, "file.exit", TEXT_NOOP("key_tables", "Exit, without a question")),
    named('Z', 0, kWithout, "edit.undo", TEXT_NOOP("key_tables", "undo the last edit")),
    named('Z', 0, kWith, "edit.redo", TEXT_NOOP("key_tables", "redo the edit undone last")),
    named('Y', 0, kEither, "edit.redo", TEXT_NOOP("key_tables", "redo the edit undone last")),
    {VK_UP, 'K', kEither, [](E e) { choosePaletteSet(e, e.curPalSet - 1); },
     TEXT_NOOP("key_tables", "previous palette set")},
    {VK_DOWN, 'J', kEither, [](E e) { choosePaletteSet(e, e.curPalSet + 1); },
     TEXT_NOOP("key_tables", "next palette set")},
    {VK_PRIOR, 'P', kEither, [](E e) { chooseStage(e, e.curStage - 1); }, TEXT_NOOP("key_tables", "previous stage")},
    {VK_NEXT, 'N', kEither, [](E e) { chooseStage(e, e.curStage + 1); }, TEXT_NOOP("key_tables", "next stage")},
    {VK_TAB, 'T', kWithout, nextView, TEXT_NOOP("key_tables", "next view"), kViewMap, kViewChipSet},
    {VK_TAB, 'T', kWith, previousView, TEXT_NOOP("key_tables", "previous view"), kViewObject, kViewChip},
    named('A', 0, kEither, "edit.selectAll",
          TEXT_NOOP("key_tables", "select everything: the map set, the half sheet, all chips, pages or objects")),
    named('C', 0, kEither, "edit.copy",
          TEXT_NOOP("key_tables", "copy the selection, or the current item, to the clipboard")),
    named('X', 0, kEither, "edit.cut", TEXT_NOOP("key_tables", "cut the selected objects: copy them and erase them"),
          kViewObject, kViewObject),
    named('V', 0, kEither, "edit.paste",
          TEXT_NOOP("key_tables",
                    "paste at the current item; the numbers mean this stage's own chip sets, chips and tiles")),
    // "OBJECT" has no item to replace.
    named('H', 0, kEither, "edit.replaceUses",
          TEXT_NOOP("key_tables", "replace every use of the left page's map set in this stage"), kViewMap, kViewMap),
    named('H', 0, kEither, "edit.replaceUses",
          TEXT_NOOP("key_tables", "replace every use of the current item in this stage"), kViewMapSet, kViewChip),
    named(
        'E', 0, kWithout, "file.exportPatch",
        TEXT_NOOP("key_tables", "export a patch (BPS or IPS) of every stage as it is now against the original image")),
    named('E', 0, kWith, "file.exportStageFile", TEXT_NOOP("key_tables", "export the current stage as a stage file")),
    named('F', 0, kEither, "edit.findCommand",
          TEXT_NOOP("key_tables", "find a command, a stage or an object's name by typing, and run it")),
    named('I', 0, kEither, "file.importStageFile",
          TEXT_NOOP("key_tables", "import a stage file into the current stage, as one step")),
    named('G', 0, kEither, "file.importTileSheet",
          TEXT_NOOP(
              "key_tables",
              "import a tile sheet (PNG) into the current stage's tiles, in the current chip's colours, as one step")),
    // Ctrl+= and Ctrl++ are one key; the number pad's + and - do the same.
    named(VK_OEM_PLUS, VK_ADD, kEither, "view.zoomIn",
          TEXT_NOOP("key_tables", "zoom in: the editing area one step larger (2x to 4x)")),
    named(VK_OEM_MINUS, VK_SUBTRACT, kEither, "view.zoomOut",
          TEXT_NOOP("key_tables", "zoom out: the editing area one step smaller")),
    named('0', VK_NUMPAD0, kEither, "view.actualSize", TEXT_NOOP("key_tables", "actual size: the editing area at 1x")),
    named('D', 0, kEither, "view.showChanges",
          TEXT_NOOP("key_tables", "show or hide the frames around what differs from the image compared with")),
};

// Keys that reach the application around the editor. They sit beside no table of a
// view, so they mean the same everywhere.
constexpr KeyBinding kEveryViewKeys[] = {
    {'T', 0, kWithout, nextView, TEXT_NOOP("key_tables", "next view"), kViewMap, kViewChipSet},
    {'T', 0, kWith, previousView, TEXT_NOOP("key_tables", "previous view"), kViewObject, kViewChip},
    named(VK_F1, 0, kEither, "view.keysAndMouse", TEXT_NOOP("key_tables", "show or close this list")),
    named(VK_F5, 0, kEither, "tools.playTest",
          TEXT_NOOP("key_tables", "play-test: the emulator on a copy with the unsaved edits")),
    {'V', 0, kEither, toggleSelecting,
     TEXT_NOOP("key_tables",
               "start selecting at the current item (its moves extend the selection); again: stop extending")},
    {VK_ESCAPE, 0, kEither, endSelection, TEXT_NOOP("key_tables", "end the selection")},
    named(VK_F2, 0, kEither, "view.whereUsed",
          TEXT_NOOP("key_tables", "show or close where the current item is used and what the stage leaves unused")),
    named(VK_F3, 0, kEither, "view.colours",
          TEXT_NOOP("key_tables", "show or close the Colours window: the stage's palette sets, to edit")),
    named(VK_F4, 0, kEither, "view.tiles",
          TEXT_NOOP("key_tables", "show or close the tile window: the current tile or chip large, to draw on")),
    named(VK_F6, 0, kEither, "view.overview",
          TEXT_NOOP("key_tables", "show or close the overview of the stage's 48 pages")),
    named(VK_F7, 0, kEither, "view.objects",
          TEXT_NOOP("key_tables",
                    "show or close the list of the stage's objects, where values are typed and names shown")),
    named(VK_F8, 0, kEither, "view.changes",
          TEXT_NOOP("key_tables", "show or close the changes against the image compared with, to revert them")),
    named(VK_F9, 0, kEither, "view.history",
          TEXT_NOOP("key_tables", "show or close the undo steps by name, to go back or forward to one")),
};

// The arrows step the map set of the left page only; the right page is reached
// through the step buttons.
constexpr KeyBinding kMapKeys[] = {
    {VK_PRIOR, 'P', kEither, [](E e) { e.host().scrollBy(-1); }, TEXT_NOOP("key_tables", "scroll one page left")},
    {VK_NEXT, 'N', kEither, [](E e) { e.host().scrollBy(+1); }, TEXT_NOOP("key_tables", "scroll one page right")},
    {VK_LEFT, 'H', kEither, [](E e) { e.stepPageSet(0, -4); }, TEXT_NOOP("key_tables", "left page: map set - 4")},
    {VK_RIGHT, 'L', kEither, [](E e) { e.stepPageSet(0, +4); }, TEXT_NOOP("key_tables", "left page: map set + 4")},
    {VK_UP, 'K', kEither, [](E e) { e.stepPageSet(0, +1); }, TEXT_NOOP("key_tables", "left page: map set + 1")},
    {VK_DOWN, 'J', kEither, [](E e) { e.stepPageSet(0, -1); }, TEXT_NOOP("key_tables", "left page: map set - 1")},
    {'U', 0, kWithout, [](E e) { jumpToUse(e, +1); },
     TEXT_NOOP("key_tables", "next page that shows the left page's map set")},
    {'U', 0, kWith, [](E e) { jumpToUse(e, -1); },
     TEXT_NOOP("key_tables", "previous page that shows the left page's map set")},
};

constexpr KeyBinding kObjectKeys[] = {
    {VK_PRIOR, 'P', kWithout, [](E e) { e.stepObject(-1); }, TEXT_NOOP("key_tables", "select the previous object")},
    {VK_PRIOR, 'P', kWith, [](E e) { e.moveObjectX(-kObjectPageStep); },
     TEXT_NOOP("key_tables", "move the object one page left")},
    {VK_NEXT, 'N', kWithout, [](E e) { e.stepObject(+1); }, TEXT_NOOP("key_tables", "select the next object")},
    {VK_NEXT, 'N', kWith, [](E e) { e.moveObjectX(+kObjectPageStep); },
     TEXT_NOOP("key_tables", "move the object one page right")},
    {VK_LEFT, 'H', kWithout, [](E e) { e.moveObjectX(-1); }, TEXT_NOOP("key_tables", "move the object 1 pixel left")},
    {VK_LEFT, 'H', kWith, [](E e) { e.moveObjectX(-kObjectShiftStep); },
     TEXT_NOOP("key_tables", "move the object 16 pixels left")},
    {VK_RIGHT, 'L', kWithout, [](E e) { e.moveObjectX(+1); }, TEXT_NOOP("key_tables", "move the object 1 pixel right")},
    {VK_RIGHT, 'L', kWith, [](E e) { e.moveObjectX(+kObjectShiftStep); },
     TEXT_NOOP("key_tables", "move the object 16 pixels right")},
    {VK_UP, 'K', kWithout, [](E e) { e.moveObjectY(-1); }, TEXT_NOOP("key_tables", "move the object 1 pixel up")},
    {VK_UP, 'K', kWith, [](E e) { e.moveObjectY(-kObjectShiftStep); },
     TEXT_NOOP("key_tables", "move the object 16 pixels up")},
    {VK_DOWN, 'J', kWithout, [](E e) { e.moveObjectY(+1); }, TEXT_NOOP("key_tables", "move the object 1 pixel down")},
    {VK_DOWN, 'J', kWith, [](E e) { e.moveObjectY(+kObjectShiftStep); },
     TEXT_NOOP("key_tables", "move the object 16 pixels down")},
};

// The arrows move the cursor, which stops at the edges and never scrolls; with Shift
// they step the chip set that Space paints.
constexpr KeyBinding kMapSetKeys[] = {
    {VK_PRIOR, 'P', kEither, [](E e) { e.host().scrollBy(-1); }, TEXT_NOOP("key_tables", "scroll one map set left")},
    {VK_NEXT, 'N', kEither, [](E e) { e.host().scrollBy(+1); }, TEXT_NOOP("key_tables", "scroll one map set right")},
    {VK_LEFT, 'H', kWithout,
     [](E e) {
         if (e.cursorCol > 0)
             --e.cursorCol;
     },
     TEXT_NOOP("key_tables", "cursor left")},
    {VK_LEFT, 'H', kWith, [](E e) { stepSelection(e.curChipSet, -1); }, TEXT_NOOP("key_tables", "chip set - 1")},
    {VK_RIGHT, 'L', kWithout,
     [](E e) {
         if (e.cursorCol < kCursorColumns - 1)
             ++e.cursorCol;
     },
     TEXT_NOOP("key_tables", "cursor right")},
    {VK_RIGHT, 'L', kWith, [](E e) { stepSelection(e.curChipSet, +1); }, TEXT_NOOP("key_tables", "chip set + 1")},
    {VK_UP, 'K', kWithout,
     [](E e) {
         if (e.cursorRow > 0)
             --e.cursorRow;
     },
     TEXT_NOOP("key_tables", "cursor up")},
    {VK_UP, 'K', kWith, [](E e) { stepSelection(e.curChipSet, -kSheetColumns); },
     TEXT_NOOP("key_tables", "chip set - 16 (a row up)")},
    {VK_DOWN, 'J', kWithout,
     [](E e) {
         if (e.cursorRow < kMapSetRows - 1)
             ++e.cursorRow;
     },
     TEXT_NOOP("key_tables", "cursor down")},
    {VK_DOWN, 'J', kWith, [](E e) { stepSelection(e.curChipSet, +kSheetColumns); },
     TEXT_NOOP("key_tables", "chip set + 16 (a row down)")},
    {VK_SPACE, 'D', kEither, putChipSetIntoCells,
     TEXT_NOOP("key_tables", "paint the chip set into the cursor cell, or every selected cell")},
    {VK_RETURN, 'S', kEither, pickCursorCell, TEXT_NOOP("key_tables", "pick the chip set of the cursor cell")},
    {'U', 0, kWithout, [](E e) { jumpToUse(e, +1); },
     TEXT_NOOP("key_tables", "cursor to the next cell that holds the cursor cell's chip set")},
    {'U', 0, kWith, [](E e) { jumpToUse(e, -1); },
     TEXT_NOOP("key_tables", "cursor to the previous cell that holds the cursor cell's chip set")},
};

// The put and pick keys form two 2 x 2 blocks under the left hand that mirror the
// quadrants: Q W over A S pick, E R over D F put.
constexpr KeyBinding kChipSetKeys[] = {
    {VK_PRIOR, 'P', kEither, [](E e) { e.curChipSet ^= kChipSetHalfBit; },
     TEXT_NOOP("key_tables", "show the other half of the chip sets")},
    {VK_NEXT, 'N', kEither, [](E e) { e.curChipSet ^= kChipSetHalfBit; },
     TEXT_NOOP("key_tables", "show the other half of the chip sets")},
    {VK_LEFT, 'H', kWithout, [](E e) { stepSelection(e.curChipSet, -1); }, TEXT_NOOP("key_tables", "chip set - 1")},
    {VK_LEFT, 'H', kWith, [](E e) { stepSelection(e.curChip, -1); }, TEXT_NOOP("key_tables", "chip - 1")},
    {VK_RIGHT, 'L', kWithout, [](E e) { stepSelection(e.curChipSet, +1); }, TEXT_NOOP("key_tables", "chip set + 1")},
    {VK_RIGHT, 'L', kWith, [](E e) { stepSelection(e.curChip, +1); }, TEXT_NOOP("key_tables", "chip + 1")},
    {VK_UP, 'K', kWithout, [](E e) { stepSelection(e.curChipSet, -kSheetColumns); },
     TEXT_NOOP("key_tables", "chip set - 16 (a row up)")},
    {VK_UP, 'K', kWith, [](E e) { stepSelection(e.curChip, -kSheetColumns); },
     TEXT_NOOP("key_tables", "chip - 16 (a row up)")},
    {VK_DOWN, 'J', kWithout, [](E e) { stepSelection(e.curChipSet, +kSheetColumns); },
     TEXT_NOOP("key_tables", "chip set + 16 (a row down)")},
    {VK_DOWN, 'J', kWith, [](E e) { stepSelection(e.curChip, +kSheetColumns); },
     TEXT_NOOP("key_tables", "chip + 16 (a row down)")},
    {'E', 0, kEither, [](E e) { putChipIntoChipSets(e, 0); },
     TEXT_NOOP("key_tables", "put the chip into the top-left quadrant (of every selected chip set)")},
    {'R', 0, kEither, [](E e) { putChipIntoChipSets(e, 1); },
     TEXT_NOOP("key_tables", "put the chip into the top-right quadrant (of every selected chip set)")},
    {VK_SPACE, 'D', kEither, [](E e) { putChipIntoChipSets(e, 2); },
     TEXT_NOOP("key_tables", "put the chip into the bottom-left quadrant (of every selected chip set)")},
    {'F', 0, kEither, [](E e) { putChipIntoChipSets(e, 3); },
     TEXT_NOOP("key_tables", "put the chip into the bottom-right quadrant (of every selected chip set)")},
    {'Q', 0, kEither, [](E e) { pickChipFromQuadrant(e, 0); },
     TEXT_NOOP("key_tables", "pick the chip of the top-left quadrant")},
    {'W', 0, kEither, [](E e) { pickChipFromQuadrant(e, 1); },
     TEXT_NOOP("key_tables", "pick the chip of the top-right quadrant")},
    {'A', 0, kEither, [](E e) { pickChipFromQuadrant(e, 2); },
     TEXT_NOOP("key_tables", "pick the chip of the bottom-left quadrant")},
    {VK_RETURN, 'S', kEither, [](E e) { pickChipFromQuadrant(e, 3); },
     TEXT_NOOP("key_tables", "pick the chip of the bottom-right quadrant")},
    {'U', 0, kWithout, [](E e) { jumpToUse(e, +1); },
     TEXT_NOOP("key_tables", "\"MAP SET\": the next cell that holds the chip set")},
    {'U', 0, kWith, [](E e) { jumpToUse(e, -1); },
     TEXT_NOOP("key_tables", "\"MAP SET\": the previous cell that holds the chip set")},
};

constexpr KeyBinding kChipKeys[] = {
    {VK_PRIOR, 'P', kWithout, [](E e) { stepChipsPalette(e, +1); },
     TEXT_NOOP("key_tables", "sub-palette + 1 (of every selected chip)")},
    {VK_PRIOR, 'P', kWith, [](E e) { stepChipsStyle(e, +1); },
     TEXT_NOOP("key_tables", "style + 0x10 (of every selected chip)")},
    {VK_NEXT, 'N', kWithout, [](E e) { stepChipsPalette(e, -1); },
     TEXT_NOOP("key_tables", "sub-palette - 1 (of every selected chip)")},
    {VK_NEXT, 'N', kWith, [](E e) { stepChipsStyle(e, -1); },
     TEXT_NOOP("key_tables", "style - 0x10 (of every selected chip)")},
    {VK_LEFT, 'H', kWithout, [](E e) { stepSelection(e.curChip, -1); }, TEXT_NOOP("key_tables", "chip - 1")},
    {VK_LEFT, 'H', kWith, [](E e) { stepSelection(e.curTile, -1); }, TEXT_NOOP("key_tables", "tile - 1")},
    {VK_RIGHT, 'L', kWithout, [](E e) { stepSelection(e.curChip, +1); }, TEXT_NOOP("key_tables", "chip + 1")},
    {VK_RIGHT, 'L', kWith, [](E e) { stepSelection(e.curTile, +1); }, TEXT_NOOP("key_tables", "tile + 1")},
    {VK_UP, 'K', kWithout, [](E e) { stepSelection(e.curChip, -kSheetColumns); },
     TEXT_NOOP("key_tables", "chip - 16 (a row up)")},
    {VK_UP, 'K', kWith, [](E e) { stepSelection(e.curTile, -kSheetColumns); },
     TEXT_NOOP("key_tables", "tile - 16 (a row up)")},
    {VK_DOWN, 'J', kWithout, [](E e) { stepSelection(e.curChip, +kSheetColumns); },
     TEXT_NOOP("key_tables", "chip + 16 (a row down)")},
    {VK_DOWN, 'J', kWith, [](E e) { stepSelection(e.curTile, +kSheetColumns); },
     TEXT_NOOP("key_tables", "tile + 16 (a row down)")},
    {'E', 0, kEither, [](E e) { putTileIntoChips(e, 0); },
     TEXT_NOOP("key_tables", "put the tile into the top-left quadrant (of every selected chip)")},
    {'R', 0, kEither, [](E e) { putTileIntoChips(e, 1); },
     TEXT_NOOP("key_tables", "put the tile into the top-right quadrant (of every selected chip)")},
    {VK_SPACE, 'D', kEither, [](E e) { putTileIntoChips(e, 2); },
     TEXT_NOOP("key_tables", "put the tile into the bottom-left quadrant (of every selected chip)")},
    {'F', 0, kEither, [](E e) { putTileIntoChips(e, 3); },
     TEXT_NOOP("key_tables", "put the tile into the bottom-right quadrant (of every selected chip)")},
    {'Q', 0, kEither, [](E e) { pickTileFromQuadrant(e, 0); },
     TEXT_NOOP("key_tables", "pick the tile of the top-left quadrant")},
    {'W', 0, kEither, [](E e) { pickTileFromQuadrant(e, 1); },
     TEXT_NOOP("key_tables", "pick the tile of the top-right quadrant")},
    {'A', 0, kEither, [](E e) { pickTileFromQuadrant(e, 2); },
     TEXT_NOOP("key_tables", "pick the tile of the bottom-left quadrant")},
    {VK_RETURN, 'S', kEither, [](E e) { pickTileFromQuadrant(e, 3); },
     TEXT_NOOP("key_tables", "pick the tile of the bottom-right quadrant")},
    {'U', 0, kWithout, [](E e) { jumpToUse(e, +1); },
     TEXT_NOOP("key_tables", "\"CHIP SET\": the next chip set that holds the chip")},
    {'U', 0, kWith, [](E e) { jumpToUse(e, -1); },
     TEXT_NOOP("key_tables", "\"CHIP SET\": the previous chip set that holds the chip")},
};

const KeyBinding* findIn(std::span<const KeyBinding> table, int view, int key, bool shift)
{
    for (const KeyBinding& binding : table)
        if (binding.matches(view, key, shift))
            return &binding;
    return nullptr;
}

}  // namespace

std::span<const KeyBinding> ctrlKeyTable()
{
    return kCtrlKeys;
}
std::span<const KeyBinding> everyViewKeyTable()
{
    return kEveryViewKeys;
}

std::span<const KeyBinding> viewKeyTable(int view)
{
    switch (view) {
    case kViewMap: return kMapKeys;
    case kViewObject: return kObjectKeys;
    case kViewMapSet: return kMapSetKeys;
    case kViewChipSet: return kChipSetKeys;
    case kViewChip: return kChipKeys;
    default: return {};
    }
}

const Command* commandOf(const KeyBinding& binding)
{
    return binding.command ? findCommand(binding.command) : nullptr;
}

KeyAction actionOf(const KeyBinding& binding)
{
    if (binding.action)
        return binding.action;
    const Command* command = commandOf(binding);
    return command ? command->action : nullptr;
}

const KeyBinding* findKeyBinding(int view, int key, bool ctrl, bool shift)
{
    if (ctrl)
        return findIn(kCtrlKeys, view, key, shift);
    if (const KeyBinding* binding = findIn(kEveryViewKeys, view, key, shift))
        return binding;
    return findIn(viewKeyTable(view), view, key, shift);
}
