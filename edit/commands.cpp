#include "edit/commands.h"

#include "edit/clipboard_commands.h"
#include "edit/replace_uses.h"
#include "edit/selection_editing.h"
#include "edit/undo_redo.h"
#include "edit/view_choice.h"

namespace {

using E = EDITOR&;
using CE = const EDITOR&;

constexpr Command kCommands[] = {
    // The application's: files, windows and dialogs.
    {"file.save", "Save"},
    {"file.reload", "Reload"},
    {"file.exportPatch", "Export patch..."},
    {"file.exportStageFile", "Export stage file..."},
    {"file.importStageFile", "Import stage file..."},
    {"file.exit", "Exit"},
    {"view.keysAndMouse", "Keys and Mouse"},
    {"view.whereUsed", "Where Used"},
    {"view.colours", "Colours"},
    {"view.overview", "Overview"},
    {"view.objects", "Objects"},
    {"view.zoomIn", "Zoom In"},
    {"view.zoomOut", "Zoom Out"},
    {"view.actualSize", "Actual Size"},
    {"tools.playTest", "Play-Test"},

    // The editor's.
    {"edit.undo", "Undo", undoEdit, [](CE e) { return e.history.undoSteps() > 0; }},
    {"edit.redo", "Redo", redoEdit, [](CE e) { return e.history.redoSteps() > 0; }},
    {"edit.cut", "Cut", cutObjects, nullptr, kViewObject, kViewObject},
    {"edit.copy", "Copy", copyToClipboard},
    {"edit.paste", "Paste", pasteFromClipboard},
    {"edit.selectAll", "Select All", selectWholeUnit},
    // "OBJECT" has no item to replace.
    {"edit.replaceUses", "Replace Uses...", replaceUsesOfCurrentItem, [](CE e) { return e.curTab != kViewObject; }},
    {"view.map", "MAP", [](E e) { chooseView(e, kViewMap); }},
    {"view.object", "OBJECT", [](E e) { chooseView(e, kViewObject); }},
    {"view.mapSet", "MAP SET", [](E e) { chooseView(e, kViewMapSet); }},
    {"view.chipSet", "CHIP SET", [](E e) { chooseView(e, kViewChipSet); }},
    {"view.chip", "CHIP", [](E e) { chooseView(e, kViewChip); }},
};

}  // namespace

std::span<const Command> commands()
{
    return kCommands;
}

const Command* findCommand(std::string_view id)
{
    for (const Command& command : kCommands)
        if (id == command.id)
            return &command;
    return nullptr;
}

bool commandAvailable(const Command& command, const EDITOR& editor)
{
    return command.appliesIn(editor.curTab) && (!command.available || command.available(editor));
}
