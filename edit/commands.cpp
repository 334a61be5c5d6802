#include "edit/commands.h"

#include "edit/clipboard_commands.h"
#include "edit/replace_uses.h"
#include "edit/selection_editing.h"
#include "edit/undo_redo.h"
#include "edit/view_choice.h"

namespace {

using E = EDITOR&;
using CE = const EDITOR&;
constexpr Menu kFile = Menu::File;
constexpr Menu kEdit = Menu::Edit;
constexpr Menu kView = Menu::View;
constexpr Menu kTools = Menu::Tools;
constexpr Menu kHelp = Menu::Help;

constexpr Command kCommands[] = {
    {"file.open", kFile, "Open...", "open another image in this window"},
    {"file.openRecent", kFile, "Open Recent", "open one of the images opened last"},
    {"file.save", kFile, "Save", "write every stage into the image"},
    {"file.reload", kFile, "Reload", "read every stage again, dropping the unsaved edits"},
    {"file.exportPatch", kFile, "Export patch...", "write a patch of every stage against the original image"},
    {"file.exportStageFile", kFile, "Export stage file...", "write the current stage as a stage file"},
    {"file.importStageFile", kFile, "Import stage file...", "read a stage file into the current stage"},
    {"file.importTileSheet", kFile, "Import tile sheet...", "read a tile sheet (PNG) into the current stage's tiles"},
    {"file.exportPictures", kFile, "Export pictures...",
     "write the picture and the chip, chip-set and tile sheets of every stage into a folder"},
    {"file.compareWith", kFile, "Compare with...", "choose the image that the changes are counted against"},
    {"file.exit", kFile, "Exit", "end the program"},

    {"edit.undo", kEdit, "Undo", "undo the last edit", undoEdit, [](CE e) { return e.history.undoSteps() > 0; }},
    {"edit.redo", kEdit, "Redo", "redo the edit undone last", redoEdit, [](CE e) { return e.history.redoSteps() > 0; }},
    {"edit.cut", kEdit, "Cut", "cut the selected objects", cutObjects, nullptr, kViewObject, kViewObject},
    {"edit.copy", kEdit, "Copy", "copy the selection, or the current item", copyToClipboard},
    {"edit.paste", kEdit, "Paste", "paste at the current item", pasteFromClipboard},
    {"edit.selectAll", kEdit, "Select All", "select everything the view shows", selectWholeUnit},
    // "OBJECT" has no item to replace.
    {"edit.replaceUses", kEdit, "Replace Uses...", "replace every use of the current item in this stage",
     replaceUsesOfCurrentItem, [](CE e) { return e.curTab != kViewObject; }},
    {"edit.findCommand", kEdit, "Find Command...", "find a command, a stage or an object's name by typing, and run it"},

    {"view.map", kView, "MAP", "show the pages of the stage", [](E e) { chooseView(e, kViewMap); }},
    {"view.object", kView, "OBJECT", "show the objects of the stage", [](E e) { chooseView(e, kViewObject); }},
    {"view.mapSet", kView, "MAP SET", "show the map sets", [](E e) { chooseView(e, kViewMapSet); }},
    {"view.chipSet", kView, "CHIP SET", "show the chip sets", [](E e) { chooseView(e, kViewChipSet); }},
    {"view.chip", kView, "CHIP", "show the chips and tiles", [](E e) { chooseView(e, kViewChip); }},
    {"view.keysAndMouse", kView, "Keys and Mouse", "show or close this list"},
    {"view.whereUsed", kView, "Where Used", "show or close where the current item is used"},
    {"view.colours", kView, "Colours", "show or close the palette sets of the stage, to edit"},
    {"view.tiles", kView, "Tiles", "show or close the current tile or chip large, to draw on"},
    {"view.objects", kView, "Objects", "show or close the list of the stage's objects"},
    {"view.overview", kView, "Overview", "show or close the stage's 48 pages at a glance"},
    {"view.scriptConsole", kView, "Script Console", "show or close the console that runs lines of JavaScript"},
    {"view.showChanges", kView, "Show Changes", "mark in every view what differs from the image compared with"},
    {"view.changes", kView, "Changes", "show or close the list of changes, to review and revert them"},
    {"view.history", kView, "History", "show or close the undo steps, to go back or forward to one"},
    {"view.zoomIn", kView, "Zoom In", "show the editing area one step larger"},
    {"view.zoomOut", kView, "Zoom Out", "show the editing area one step smaller"},
    {"view.actualSize", kView, "Actual Size", "show the editing area at its actual size"},
    {"view.language", kView, "Language", "choose the language of the menus, panels and messages"},

    {"tools.playTest", kTools, "Play-Test", "run the emulator on a copy with the unsaved edits"},
    {"tools.chooseEmulator", kTools, "Choose Emulator...", "name the emulator that Play-Test starts"},
    {"tools.runScript", kTools, "Run Script...", "run a JavaScript file on the image, as one step"},
    {"tools.scripts", kTools, "Scripts", "the scripts of the scripts folder and the commands scripts registered"},

    {"help.about", kHelp, "About", "the version, the licence and where the editor keeps its state"},
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

const char* menuName(Menu menu)
{
    switch (menu) {
    case Menu::File: return "File";
    case Menu::Edit: return "Edit";
    case Menu::View: return "View";
    case Menu::Tools: return "Tools";
    case Menu::Help: break;
    }
    return "Help";
}

bool commandAvailable(const Command& command, const EDITOR& editor)
{
    return command.appliesIn(editor.curTab) && (!command.available || command.available(editor));
}
