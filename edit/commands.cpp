#include "edit/commands.h"

#include "edit/clipboard_commands.h"
#include "edit/replace_uses.h"
#include "edit/selection_editing.h"
#include "edit/undo_redo.h"
#include "edit/view_choice.h"
#include "text/translation.h"

namespace {

using E = EDITOR&;
using CE = const EDITOR&;
constexpr Menu kFile = Menu::File;
constexpr Menu kEdit = Menu::Edit;
constexpr Menu kView = Menu::View;
constexpr Menu kTools = Menu::Tools;
constexpr Menu kHelp = Menu::Help;

constexpr Command kCommands[] = {
    {"file.open", kFile, TEXT_NOOP("commands", "Open..."), TEXT_NOOP("commands", "open another image in this window")},
    {"file.openRecent", kFile, TEXT_NOOP("commands", "Open Recent"),
     TEXT_NOOP("commands", "open one of the images opened last")},
    {"file.save", kFile, TEXT_NOOP("commands", "Save"), TEXT_NOOP("commands", "write every stage into the image")},
    {"file.reload", kFile, TEXT_NOOP("commands", "Reload"),
     TEXT_NOOP("commands", "read every stage again, dropping the unsaved edits")},
    {"file.exportPatch", kFile, TEXT_NOOP("commands", "Export patch..."),
     TEXT_NOOP("commands", "write a patch of every stage against the original image")},
    {"file.exportStageFile", kFile, TEXT_NOOP("commands", "Export stage file..."),
     TEXT_NOOP("commands", "write the current stage as a stage file")},
    {"file.importStageFile", kFile, TEXT_NOOP("commands", "Import stage file..."),
     TEXT_NOOP("commands", "read a stage file into the current stage")},
    {"file.importTileSheet", kFile, TEXT_NOOP("commands", "Import tile sheet..."),
     TEXT_NOOP("commands", "read a tile sheet (PNG) into the current stage's tiles")},
    {"file.exportPictures", kFile, TEXT_NOOP("commands", "Export pictures..."),
     TEXT_NOOP("commands", "write the picture and the chip, chip-set and tile sheets of every stage into a folder")},
    {"file.compareWith", kFile, TEXT_NOOP("commands", "Compare with..."),
     TEXT_NOOP("commands", "choose the image that the changes are counted against")},
    {"file.exit", kFile, TEXT_NOOP("commands", "Exit"), TEXT_NOOP("commands", "end the program")},

    {"edit.undo", kEdit, TEXT_NOOP("commands", "Undo"), TEXT_NOOP("commands", "undo the last edit"), undoEdit,
     [](CE e) { return e.history.undoSteps() > 0; }},
    {"edit.redo", kEdit, TEXT_NOOP("commands", "Redo"), TEXT_NOOP("commands", "redo the edit undone last"), redoEdit,
     [](CE e) { return e.history.redoSteps() > 0; }},
    {"edit.cut", kEdit, TEXT_NOOP("commands", "Cut"), TEXT_NOOP("commands", "cut the selected objects"), cutObjects,
     nullptr, kViewObject, kViewObject},
    {"edit.copy", kEdit, TEXT_NOOP("commands", "Copy"),
     TEXT_NOOP("commands", "copy the selection, or the current item"), copyToClipboard},
    {"edit.paste", kEdit, TEXT_NOOP("commands", "Paste"), TEXT_NOOP("commands", "paste at the current item"),
     pasteFromClipboard},
    {"edit.selectAll", kEdit, TEXT_NOOP("commands", "Select All"),
     TEXT_NOOP("commands", "select everything the view shows"), selectWholeUnit},
    // "OBJECT" has no item to replace.
    {"edit.replaceUses", kEdit, TEXT_NOOP("commands", "Replace Uses..."),
     TEXT_NOOP("commands", "replace every use of the current item in this stage"), replaceUsesOfCurrentItem,
     [](CE e) { return e.curTab != kViewObject; }},
    {"edit.findCommand", kEdit, TEXT_NOOP("commands", "Find Command..."),
     TEXT_NOOP("commands", "find a command, a stage or an object's name by typing, and run it")},

    {"view.map", kView, TEXT_NOOP("commands", "MAP"), TEXT_NOOP("commands", "show the pages of the stage"),
     [](E e) { chooseView(e, kViewMap); }},
    {"view.object", kView, TEXT_NOOP("commands", "OBJECT"), TEXT_NOOP("commands", "show the objects of the stage"),
     [](E e) { chooseView(e, kViewObject); }},
    {"view.mapSet", kView, TEXT_NOOP("commands", "MAP SET"), TEXT_NOOP("commands", "show the map sets"),
     [](E e) { chooseView(e, kViewMapSet); }},
    {"view.chipSet", kView, TEXT_NOOP("commands", "CHIP SET"), TEXT_NOOP("commands", "show the chip sets"),
     [](E e) { chooseView(e, kViewChipSet); }},
    {"view.chip", kView, TEXT_NOOP("commands", "CHIP"), TEXT_NOOP("commands", "show the chips and tiles"),
     [](E e) { chooseView(e, kViewChip); }},
    {"view.keysAndMouse", kView, TEXT_NOOP("commands", "Keys and Mouse"),
     TEXT_NOOP("commands", "show or close this list")},
    {"view.whereUsed", kView, TEXT_NOOP("commands", "Where Used"),
     TEXT_NOOP("commands", "show or close where the current item is used")},
    {"view.colours", kView, TEXT_NOOP("commands", "Colours"),
     TEXT_NOOP("commands", "show or close the palette sets of the stage, to edit")},
    {"view.tiles", kView, TEXT_NOOP("commands", "Tiles"),
     TEXT_NOOP("commands", "show or close the current tile or chip large, to draw on")},
    {"view.objects", kView, TEXT_NOOP("commands", "Objects"),
     TEXT_NOOP("commands", "show or close the list of the stage's objects")},
    {"view.overview", kView, TEXT_NOOP("commands", "Overview"),
     TEXT_NOOP("commands", "show or close the stage's 48 pages at a glance")},
    {"view.scriptConsole", kView, TEXT_NOOP("commands", "Script Console"),
     TEXT_NOOP("commands", "show or close the console that runs lines of JavaScript")},
    {"view.showChanges", kView, TEXT_NOOP("commands", "Show Changes"),
     TEXT_NOOP("commands", "mark in every view what differs from the image compared with")},
    {"view.changes", kView, TEXT_NOOP("commands", "Changes"),
     TEXT_NOOP("commands", "show or close the list of changes, to review and revert them")},
    {"view.history", kView, TEXT_NOOP("commands", "History"),
     TEXT_NOOP("commands", "show or close the undo steps, to go back or forward to one")},
    {"view.zoomIn", kView, TEXT_NOOP("commands", "Zoom In"),
     TEXT_NOOP("commands", "show the editing area one step larger")},
    {"view.zoomOut", kView, TEXT_NOOP("commands", "Zoom Out"),
     TEXT_NOOP("commands", "show the editing area one step smaller")},
    {"view.actualSize", kView, TEXT_NOOP("commands", "Actual Size"),
     TEXT_NOOP("commands", "show the editing area at its actual size")},
    {"view.language", kView, TEXT_NOOP("commands", "Language"),
     TEXT_NOOP("commands", "choose the language of the menus, panels and messages")},

    {"tools.playTest", kTools, TEXT_NOOP("commands", "Play-Test"),
     TEXT_NOOP("commands", "run the emulator on a copy with the unsaved edits")},
    {"tools.chooseEmulator", kTools, TEXT_NOOP("commands", "Choose Emulator..."),
     TEXT_NOOP("commands", "name the emulator that Play-Test starts")},
    {"tools.runScript", kTools, TEXT_NOOP("commands", "Run Script..."),
     TEXT_NOOP("commands", "run a JavaScript file on the image, as one step")},
    {"tools.scripts", kTools, TEXT_NOOP("commands", "Scripts"),
     TEXT_NOOP("commands", "the scripts of the scripts folder and the commands scripts registered")},

    {"help.about", kHelp, TEXT_NOOP("commands", "About"),
     TEXT_NOOP("commands", "the version, the licence and where the editor keeps its state")},
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
    case Menu::File: return TEXT_NOOP("commands", "File");
    case Menu::Edit: return TEXT_NOOP("commands", "Edit");
    case Menu::View: return TEXT_NOOP("commands", "View");
    case Menu::Tools: return TEXT_NOOP("commands", "Tools");
    case Menu::Help: break;
    }
    return TEXT_NOOP("commands", "Help");
}

bool commandAvailable(const Command& command, const EDITOR& editor)
{
    return command.appliesIn(editor.curTab) && (!command.available || command.available(editor));
}
