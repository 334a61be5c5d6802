#include "edit/selection_fill.h"

#include "edit/chip_quadrants.h"
#include "edit/map_set_cursor.h"
#include "edit/selection_editing.h"

namespace {

// Calls act with the table index of every item of the current view's selection;
// returns false, doing nothing, when there is none.
template <typename Act>
bool forEachSelected(const EDITOR& editor, Act act)
{
    const Selection* selection = activeSelection(editor);
    if (!selection)
        return false;
    for (int row = selection->top(); row < selection->top() + selection->rows(); ++row)
        for (int column = selection->left(); column < selection->left() + selection->columns(); ++column)
            act(itemIndex(selection->view, {selection->group(), column, row}));
    return true;
}

// Runs a command of the current chip on chip k: the command redraws what it changes
// of the chip under curChip, so each selected chip goes through it in turn.
template <typename Command>
void withCurrentChip(EDITOR& editor, int k, Command command)
{
    const int current = editor.curChip;
    editor.curChip = k;
    command();
    editor.curChip = current;
}

}  // namespace

void putChipSetIntoCells(EDITOR& editor)
{
    const Selection* selection = activeSelection(editor);
    if (!selection) {
        paintCursorCell(editor);
        return;
    }
    std::uint8_t* cells = editor.mapSet[editor.curStage][selection->group()];
    forEachSelected(editor, [&](int cell) { cells[cell] = static_cast<std::uint8_t>(editor.curChipSet); });
}

void putChipIntoChipSets(EDITOR& editor, int quadrant)
{
    auto& chipSets = editor.chipSet[editor.curStage];
    if (!forEachSelected(editor, [&](int b) { chipSets[b][quadrant] = static_cast<std::uint8_t>(editor.curChip); }))
        putChipIntoQuadrant(editor, quadrant);
}

void putTileIntoChips(EDITOR& editor, int quadrant)
{
    if (!forEachSelected(editor,
                         [&](int k) { withCurrentChip(editor, k, [&] { putTileIntoQuadrant(editor, quadrant); }); }))
        putTileIntoQuadrant(editor, quadrant);
}

void stepChipsPalette(EDITOR& editor, int step)
{
    if (!forEachSelected(editor, [&](int k) { withCurrentChip(editor, k, [&] { editor.stepChipPalette(step); }); }))
        editor.stepChipPalette(step);
}

void stepChipsStyle(EDITOR& editor, int step)
{
    if (!forEachSelected(editor, [&](int k) { withCurrentChip(editor, k, [&] { editor.stepChipStyle(step); }); }))
        editor.stepChipStyle(step);
}
