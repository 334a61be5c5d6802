#include "shell/session/app_state.h"

EDITOR theEditor;
std::string romPath;

std::unique_ptr<EWC> mainWindow;
std::unique_ptr<SCC> stageCombo;
std::unique_ptr<SCC> paletteCombo;
std::unique_ptr<SCC> saveButton;
std::unique_ptr<SCC> reloadButton;
std::unique_ptr<SCC> exitButton;
std::unique_ptr<SCC> tabControl;
std::unique_ptr<SCC> editArea;
std::array<std::unique_ptr<SCC>, kStepButtonCount> stepButtons;
std::unique_ptr<SCC> scrollBar;

QFont* uiFont = nullptr;
SCROLLINFO scrollInfo;
bool tablesLentToScript = false;
bool appActive = true;

HWND boxOwner()
{
    return mainWindow ? mainWindow->handle() : nullptr;
}
