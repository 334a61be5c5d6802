#include "edit/undo_redo.h"

#include <optional>

#include "edit/selection_editing.h"
#include "edit/virtual_keys.h"
#include "model/editable_tables.h"
#include "model/editor.h"

namespace {

void showRestoredTables(EDITOR& editor, std::optional<int> stage)
{
    if (!stage)
        return;
    if (*stage >= 0 && *stage != editor.curStage) {
        editor.host().selectStage(*stage);
        editor.host().applySelections();
    }
    // The chip surface is drawn from the current stage's chips; the chip-set sheet
    // follows the chips by itself on the next frame.
    editor.drawChips();
    if (!editor.object[editor.curStage][editor.curObject & 0x3F].isUsed())
        editor.curObject = 0;
}

void stepThroughHistory(EDITOR& editor, std::optional<int> (EditHistory::*step)(EDITOR&))
{
    const std::vector<std::uint8_t> before = editableTables(editor);
    const std::optional<int> stage = (editor.history.*step)(editor);
    // The history has taken the restored tables in already, so the end of the action
    // would not see them change: a selection they change outside ends here.
    endSelectionIfChangedOutside(editor, before);
    showRestoredTables(editor, stage);
}

}  // namespace

void recordUserAction(EDITOR& editor)
{
    // Before the history takes the action's changes in: the selection compares the
    // tables with what the history recorded last.
    settleSelection(editor);
    const bool strokeOpen = editor.host().isKeyDown(VK_LBUTTON) || editor.host().isKeyDown(VK_RBUTTON);
    editor.history.record(editor, strokeOpen);
}

void undoEdit(EDITOR& editor)
{
    stepThroughHistory(editor, &EditHistory::undo);
}

void redoEdit(EDITOR& editor)
{
    stepThroughHistory(editor, &EditHistory::redo);
}
