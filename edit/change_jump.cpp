#include "edit/change_jump.h"

#include <algorithm>
#include <string_view>

#include "changes/change_items.h"
#include "edit/usage_jump.h"
#include "model/editable_tables.h"
#include "model/editor.h"

namespace {

void showView(EDITOR& editor, int view)
{
    if (editor.curTab == view)
        return;
    editor.host().selectTab(view);
    editor.host().applySelections();
}

}  // namespace

void goToChange(EDITOR& editor, const ChangeItem& item)
{
    // A shared tile is shown in the current stage when that loads it too.
    const bool here = std::find(item.stages.begin(), item.stages.end(), editor.curStage) != item.stages.end();
    if (!here && item.stage != editor.curStage) {
        editor.host().selectStage(item.stage);
        editor.host().applySelections();
    }
    const std::string_view table = editableTableList()[std::size_t(item.table)].name;
    const int part = std::max(item.part, 0);
    if (table == "pages") {
        goToUse(editor, ItemKind::MapSet, {item.element});
    } else if (table == "map sets") {
        goToUse(editor, ItemKind::ChipSet, {item.element, part / 8, part % 8});
    } else if (table == "chip sets") {
        goToUse(editor, ItemKind::Chip, {item.element});
    } else if (table == "chips") {
        showView(editor, kViewChip);
        editor.curChip = item.element;
    } else if (table == "tiles") {
        showView(editor, kViewChip);
        editor.curTile = item.element;
    } else if (table == "objects") {
        showView(editor, kViewObject);
        editor.curObject = item.element;
        const ObjectRecord& object = editor.object[editor.curStage][item.element];
        if (object.isUsed() && object.page != editor.viewPos && object.page != editor.viewPos + 1)
            editor.host().setScrollPos(std::clamp(int(object.page), 0, kPageCount - 2));
    } else if (table == "palette sets") {
        editor.host().selectPaletteEntry(item.element);
        editor.host().applySelections();
    }
}
