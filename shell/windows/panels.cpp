#include "shell/windows/panels.h"

#include <QPointer>
#include <iterator>
#include <vector>

#include "shell/session/app_state.h"
#include "shell/session/settings.h"
#include "shell/windows/changes_window.h"
#include "shell/windows/colours_window.h"
#include "shell/windows/history_window.h"
#include "shell/windows/key_reference_window.h"
#include "shell/windows/object_list_window.h"
#include "shell/windows/overview_window.h"
#include "shell/windows/script_console_window.h"
#include "shell/windows/tile_window.h"
#include "shell/windows/usage_window.h"

namespace {

// Every panel, in the order they are first docked into their groups and follow the
// editor.
constexpr PanelEntry kPanels[] = {
    {{"colours", "view.colours", Qt::RightDockWidgetArea, "edit"}, makeColoursPanel, followColoursPanel},
    {{"tiles", "view.tiles", Qt::RightDockWidgetArea, "edit"}, makeTilePanel, followTilePanel},
    {{"objects", "view.objects", Qt::RightDockWidgetArea, "edit"}, makeObjectList, followObjectList, openedObjectList},
    {{"usage", "view.whereUsed", Qt::LeftDockWidgetArea, "reference"},
     makeUsagePanel,
     followUsagePanel,
     openedUsagePanel},
    {{"keys", "view.keysAndMouse", Qt::LeftDockWidgetArea, "reference"}, makeKeyReference, followKeyReference},
    {{"overview", "view.overview", Qt::BottomDockWidgetArea, "overview"},
     makeOverviewPanel,
     followOverviewPanel,
     openedOverviewPanel},
    {{"changes", "view.changes", Qt::LeftDockWidgetArea, "reference"},
     makeChangesPanel,
     followChangesPanel,
     openedChangesPanel},
    {{"history", "view.history", Qt::LeftDockWidgetArea, "reference"},
     makeHistoryPanel,
     followHistoryPanel,
     openedHistoryPanel},
    {{"scriptConsole", "view.scriptConsole", Qt::BottomDockWidgetArea, "overview"}, makeScriptConsole},
};

// Each panel once made, by its index in kPanels.
std::vector<QPointer<QWidget>>& madePanels()
{
    static std::vector<QPointer<QWidget>> made(std::size(kPanels));
    return made;
}

}  // namespace

std::span<const PanelEntry> listedPanels()
{
    return kPanels;
}

const PanelEntry* findPanel(const char* name)
{
    for (const PanelEntry& entry : kPanels)
        if (std::string_view(entry.name) == name)
            return &entry;
    return nullptr;
}

bool togglePanelOfCommand(std::string_view commandId)
{
    for (std::size_t index = 0; index < std::size(kPanels); ++index) {
        const PanelEntry& entry = kPanels[index];
        if (commandId != entry.commandId)
            continue;
        QPointer<QWidget>& panel = madePanels()[index];
        if (panel && panelShown(panel)) {
            closePanel(*panel);
            return true;
        }
        if (!panel) {
            panel = entry.make(boxOwner());
            dockPanel(*panel, entry);
        }
        showPanel(*panel);
        if (auto opened = entry.opened ? entry.opened : entry.follow)
            opened(*panel);
        return true;
    }
    return false;
}

void followPanels()
{
    for (std::size_t index = 0; index < std::size(kPanels); ++index)
        if (QWidget* panel = madePanels()[index]; panel && kPanels[index].follow && panelShown(panel))
            kPanels[index].follow(*panel);
}

void reopenPanels(bool windowSized)
{
    setPanelsReopening(true);
    bool reopened = false;
    for (const PanelEntry& panel : kPanels)
        if (savedPanelOpen(panel.name))
            reopened = togglePanelOfCommand(panel.commandId) || reopened;
    setPanelsReopening(false);
    if (reopened && !windowSized)
        fitWindowToPanels();
}

void releasePanels()
{
    for (QPointer<QWidget>& panel : madePanels())
        if (panel)
            releasePanel(*panel);
}
