#include "shell/main_window/application_commands.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>

#include "edit/commands.h"
#include "edit/key_tables.h"
#include "edit/object_table.h"
#include "edit/selection_editing.h"
#include "edit/view_choice.h"
#include "edit/virtual_keys.h"
#include "shell/main_window/menu_bar.h"
#include "shell/main_window/open_image.h"
#include "shell/main_window/view_zoom.h"
#include "shell/session/app_state.h"
#include "shell/session/language.h"
#include "shell/session/play_test.h"
#include "shell/session/settings.h"
#include "shell/windows/about_box.h"
#include "shell/windows/change_baseline.h"
#include "shell/windows/changes_window.h"
#include "shell/windows/command_search_popup.h"
#include "shell/windows/emulator_choice.h"
#include "shell/windows/panels.h"
#include "shell/windows/patch_export.h"
#include "shell/windows/picture_export_dialog.h"
#include "shell/windows/script_runs.h"
#include "shell/windows/stage_file_dialogs.h"
#include "shell/windows/tile_sheet_dialog.h"
#include "text/translation.h"

namespace {

// The command search sends WM_COMMAND with its own identifier for the entry chosen in
// it, below those of the menu items.
constexpr unsigned kSearchChoiceId = 70;

// The search entries of scripts name them after these.
constexpr std::string_view kScriptPrefix = "script:";
constexpr std::string_view kScriptCommandPrefix = "scriptCommand:";

// What the user ran from the menus and the command search, the latest first: the
// search lists these first among equal matches.
std::vector<std::string> recentRuns;

// The entry chosen in the command search, run by the main window's procedure.
std::optional<SearchEntry> searchChoice;

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

void openSearch();

// The commands of the application; the panels' are in the list of panels.
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
    {"edit.findCommand", openSearch},
    {"view.showChanges", toggleChangeFrames},
    {"view.zoomIn", zoomIn, [] { return currentZoom() < kLargestZoom; }},
    {"view.zoomOut", zoomOut, [] { return currentZoom() > kSmallestZoom; }},
    {"view.actualSize", zoomToActualSize, [] { return currentZoom() != kSmallestZoom; }},
    // From the menu, a language is chosen by name; from the search, the next one.
    {"view.language", [] { chooseLanguage(nextLanguage()); }},
    {"tools.playTest", playTest},
    {"tools.chooseEmulator", chooseEmulator},
    {"tools.runScript", chooseAndRunScript},
    // Its items are the scripts and the commands scripts registered.
    {"tools.scripts", [] {}},
    {"help.about", showAbout},
};

const ApplicationCommand* findApplicationCommand(std::string_view id)
{
    for (const ApplicationCommand& command : kApplicationCommands)
        if (id == command.id)
            return &command;
    return nullptr;
}

// The search's choice reaches the main window's procedure as a menu item does, so that
// it is routed, recorded in the history and followed by a frame in the same way.
void openSearch()
{
    if (!mainWindow)
        return;
    openCommandSearch(mainWindow->handle(), searchEntries(), recentRuns, [](const SearchEntry& chosen) {
        searchChoice = chosen;
        if (mainWindow)
            mainWindow->sendMessage(WM_COMMAND, MAKEWPARAM(kSearchChoiceId, 0), 0);
    });
}

void runSearchChoice(const SearchEntry& chosen)
{
    switch (chosen.target) {
    case SearchTarget::Command:
        if (const Command* command = findCommand(chosen.id))
            runMenuItem(menuCommandId(*command));
        break;
    case SearchTarget::Stage:
        noteRun(recentRuns, chosen.id);
        // As a choice in the stage combo: the first object of the new stage.
        chooseStage(theEditor, chosen.number);
        theEditor.curObject = 0;
        break;
    case SearchTarget::Object:
        noteRun(recentRuns, chosen.id);
        if (theEditor.curTab != kViewObject)
            chooseView(theEditor, kViewObject);
        chooseObject(theEditor, chosen.number);
        break;
    case SearchTarget::Script:
        noteRun(recentRuns, chosen.id);
        runScriptFile(QDir(scriptsFolder()).filePath(QString::fromStdString(chosen.id.substr(kScriptPrefix.size()))));
        break;
    case SearchTarget::ScriptCommand:
        noteRun(recentRuns, chosen.id);
        runRegisteredScriptCommand(QString::fromStdString(chosen.id.substr(kScriptCommandPrefix.size())));
        break;
    }
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
        return togglePanelOfCommand(id);
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

std::vector<SearchEntry> searchEntries()
{
    std::vector<SearchEntry> entries = commandEntries(commandEnabled);
    std::vector<std::string> stageNames;
    if (auto* combo = stageCombo ? qobject_cast<QComboBox*>(stageCombo->handle()) : nullptr)
        for (int stage = 0; stage < combo->count(); ++stage)
            stageNames.push_back(combo->itemText(stage).toStdString());
    std::ranges::move(stageEntries(stageNames), std::back_inserter(entries));
    std::ranges::move(objectNameEntries(theEditor), std::back_inserter(entries));
    // The scripts of Tools > Scripts: the user's files and the commands scripts registered.
    for (const QString& name : scriptsInFolder())
        entries.push_back({std::string(kScriptPrefix) + name.toStdString(),
                           QCoreApplication::translate("application_commands", "Script %1").arg(name).toStdString(), "",
                           true, SearchTarget::Script});
    for (const ScriptCommand& command : registeredScriptCommands())
        entries.push_back({std::string(kScriptCommandPrefix) + command.id.toStdString(), command.label.toStdString(),
                           "", true, SearchTarget::ScriptCommand});
    return entries;
}

bool runMenuItem(unsigned id)
{
    if (id == kSearchChoiceId) {
        if (const std::optional<SearchEntry> chosen = std::exchange(searchChoice, std::nullopt))
            runSearchChoice(*chosen);
        return true;
    }
    if (const std::optional<int> recentIndex = recentImageOfMenuItem(id)) {
        if (*recentIndex < 0) {
            clearRecentImages();
            refreshRecentMenu();
            return true;
        }
        const std::vector<std::string> recent = recentImages();
        if (std::size_t(*recentIndex) < recent.size())
            openAnotherImage(recent[std::size_t(*recentIndex)]);
        return true;
    }
    const Command* item = commandOfMenuItem(id);
    if (!item)
        return false;
    const Command& command = *item;
    if (!commandEnabled(command))
        return true;
    noteRun(recentRuns, command.id);
    if (command.runByApplication()) {
        runApplicationCommand(command.id);
    } else {
        const auto before = currentItem(theEditor);
        theEditor.history.labelAction(translated("commands", command.label));
        command.action(theEditor);
        // As after a key: a selection being extended follows the current item.
        followCurrentItem(theEditor, before);
    }
    return true;
}
