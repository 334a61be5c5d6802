#include "edit/undo_redo.h"

#include <cstring>
#include <memory>
#include <optional>

#include "edit/selection_editing.h"
#include "edit/tile_editing.h"
#include "edit/virtual_keys.h"
#include "model/editable_tables.h"
#include "model/editor.h"

namespace {

using StageTiles = std::uint8_t[kTileCount][kTileBytes];

// The first tile a step changed, of the current stage when it changed any there: a tile
// shared between stages changes in all of them at once.
std::optional<TilePlace> firstChangedTile(const EDITOR& editor, const StageTiles* before)
{
    std::optional<TilePlace> found;
    for (int s = 0; s < kStageCount; ++s)
        for (int t = 0; t < kTileCount; ++t)
            if (std::memcmp(before[s][t], editor.tileGfx[s][t], kTileBytes) != 0) {
                if (s == editor.curStage)
                    return TilePlace{s, t};
                if (!found)
                    found = TilePlace{s, t};
                break;
            }
    return found;
}

void showRestoredTables(EDITOR& editor, std::optional<int> stage, std::optional<TilePlace> tile)
{
    if (!stage)
        return;
    const int shown = tile && *stage < 0 ? tile->stage : *stage;
    if (shown >= 0 && shown != editor.curStage) {
        editor.host().selectStage(shown);
        editor.host().applySelections();
    }
    if (tile && tile->stage == editor.curStage)
        editor.curTile = tile->tile;
    // The chip surface is drawn from the current stage's chips; the chip-set sheet
    // follows the chips by itself on the next frame.
    editor.drawChips();
    if (!editor.object[editor.curStage][editor.curObject & 0x3F].isUsed())
        editor.curObject = 0;
}

void stepThroughHistory(EDITOR& editor, std::optional<int> (EditHistory::*step)(EDITOR&))
{
    const std::vector<std::uint8_t> before = editableTables(editor);
    const auto tilesBefore = std::make_unique<StageTiles[]>(kStageCount);
    std::memcpy(tilesBefore.get(), editor.tileGfx, sizeof editor.tileGfx);
    const std::optional<int> stage = (editor.history.*step)(editor);
    // The history has taken the restored tables in already, so the end of the action
    // would not see them change: a selection they change outside ends here.
    endSelectionIfChangedOutside(editor, before);
    showRestoredTables(editor, stage, firstChangedTile(editor, tilesBefore.get()));
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
