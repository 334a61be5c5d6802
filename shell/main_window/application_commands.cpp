#include "shell/main_window/application_commands.h"

#include "edit/commands.h"
#include "edit/key_tables.h"
#include "edit/selection_editing.h"
#include "edit/virtual_keys.h"
#include "shell/main_window/menu_bar.h"
#include "shell/main_window/open_image.h"
#include "shell/main_window/view_zoom.h"
#include "shell/session/app_state.h"
#include "shell/session/play_test.h"
#include "shell/session/settings.h"
#include "shell/windows/about_box.h"
#include "shell/windows/change_baseline.h"
#include "shell/windows/changes_window.h"
#include "shell/windows/colours_window.h"
#include "shell/windows/emulator_choice.h"
#include "shell/windows/history_window.h"
#include "shell/windows/key_reference_window.h"
#include "shell/windows/object_list_window.h"
#include "shell/windows/overview_window.h"
#include "shell/windows/patch_export.h"
#include "shell/windows/picture_export_dialog.h"
#include "shell/windows/stage_file_dialogs.h"
#include "shell/windows/tile_sheet_dialog.h"
#include "shell/windows/tile_window.h"
#include "shell/windows/usage_window.h"

namespace {

// Menu items send WM_COMMAND with these identifiers, well below those of the controls
// (10000 onwards).
constexpr unsigned kFirstMenuId = 100;
constexpr unsigned kClearRecentId = 90;
constexpr unsigned kFirstRecentId = 91;

struct ApplicationCommand {
    const char* id;
    void (*run)();
    bool (*available)() = nullptr;
};

// Save, Reload and Exit press their buttons, so that they do what a click does.
void pressButton(SCC* button)
{
    if (button)
        button->sendMessage(BM_CLICK, 0, 0);
}

constexpr ApplicationCommand kApplicationCommands[] = {
    {"file.open", chooseAnotherImage},
    // Its items are the recent images themselves.
    {"file.openRecent", [] {}, [] { return !recentImages().empty(); }},
    {"file.save", [] { pressButton(saveButton.get()); }},
    {"file.reload", [] { pressButton(reloadButton.get()); }},
    {"file.exportPatch", exportPatch},
    {"file.exportStageFile", exportCurrentStage},
    {"file.importStageFile", importIntoCurrentStage},
    {"file.importTileSheet", importTileSheetIntoCurrentStage},
    {"file.exportPictures", exportPicturesToChosenFolder},
    {"file.compareWith", chooseComparisonImage},
    {"file.exit", [] { pressButton(exitButton.get()); }},
    {"view.keysAndMouse", [] { toggleKeyReference(theEditor.curTab); }},
    {"view.whereUsed", toggleUsageWindow},
    {"view.colours", toggleColoursWindow},
    {"view.tiles", toggleTileWindow},
    {"view.overview", toggleOverviewWindow},
    {"view.showChanges", toggleChangeFrames},
    {"view.changes", toggleChangesWindow},
    {"view.history", toggleHistoryWindow},
    {"view.objects", toggleObjectList},
    {"view.zoomIn", zoomIn, [] { return currentZoom() < largestZoomThatFits(); }},
    {"view.zoomOut", zoomOut, [] { return currentZoom() > kSmallestZoom; }},
    {"view.actualSize", zoomToActualSize, [] { return currentZoom() != kSmallestZoom; }},
    {"tools.playTest", playTest},
    {"tools.chooseEmulator", chooseEmulator},
    {"help.about", showAbout},
};

const ApplicationCommand* findApplicationCommand(std::string_view id)
{
    for (const ApplicationCommand& command : kApplicationCommands)
        if (id == command.id)
            return &command;
    return nullptr;
}

bool held(int virtualKey)
{
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

}  // namespace

bool runApplicationCommand(std::string_view id)
{
    const ApplicationCommand* command = findApplicationCommand(id);
    if (!command)
        return false;
    command->run();
    return true;
}

bool commandEnabled(const Command& command)
{
    if (!commandAvailable(command, theEditor))
        return false;
    const ApplicationCommand* own = findApplicationCommand(command.id);
    return !own || !own->available || own->available();
}

bool runApplicationKey(int virtualKey)
{
    const KeyBinding* binding = findKeyBinding(theEditor.curTab, virtualKey, held(VK_CONTROL), held(VK_SHIFT));
    const Command* command = binding ? commandOf(*binding) : nullptr;
    return command && command->runByApplication() && runApplicationCommand(command->id);
}

unsigned menuCommandId(const Command& command)
{
    return kFirstMenuId + unsigned(&command - commands().data());
}

unsigned recentImageMenuId(int index)
{
    return index < 0 ? kClearRecentId : kFirstRecentId + unsigned(index);
}

bool runMenuItem(unsigned id)
{
    if (id == kClearRecentId) {
        clearRecentImages();
        refreshRecentMenu();
        return true;
    }
    if (id >= kFirstRecentId && id < kFirstRecentId + unsigned(kRecentImageCount)) {
        const std::vector<std::string> recent = recentImages();
        if (id - kFirstRecentId < recent.size())
            openAnotherImage(recent[id - kFirstRecentId]);
        return true;
    }
    const std::span<const Command> all = commands();
    if (id < kFirstMenuId || id - kFirstMenuId >= all.size())
        return false;
    const Command& command = all[id - kFirstMenuId];
    if (!commandEnabled(command))
        return true;
    if (command.runByApplication()) {
        runApplicationCommand(command.id);
    } else {
        const auto before = currentItem(theEditor);
        theEditor.history.labelAction(command.label);
        command.action(theEditor);
        // As after a key: a selection being extended follows the current item.
        followCurrentItem(theEditor, before);
    }
    return true;
}
