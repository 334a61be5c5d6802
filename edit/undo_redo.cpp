#include "edit/undo_redo.h"

#include <optional>

#include "edit/selection_editing.h"
#include "edit/virtual_keys.h"
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
    showRestoredTables(editor, editor.history.undo(editor));
}

void redoEdit(EDITOR& editor)
{
    showRestoredTables(editor, editor.history.redo(editor));
}
