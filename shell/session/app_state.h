#pragma once

// The process-wide state of the application: the one editor, the ROM image's path,
// the wrapper objects of the main window and its controls, the controls' font, the
// scroll bar's record and whether the main window is active. Window procedures are
// plain functions and reach all of it through these variables.

#include <array>
#include <memory>
#include <string>

#include "edit/step_buttons.h"
#include "model/editor.h"
#include "swc/swc.h"

class QFont;

extern EDITOR theEditor;

// The chosen ROM image, UTF-8; every Save and Reload uses it again.
extern std::string romPath;

// Made by buildUi in this order, so the controls take the identifiers 10000 onwards
// in this order. A wrapper that is null has not been made (or was released).
extern std::unique_ptr<EWC> mainWindow;
extern std::unique_ptr<SCC> stageCombo;
extern std::unique_ptr<SCC> paletteCombo;
extern std::unique_ptr<SCC> saveButton;
extern std::unique_ptr<SCC> reloadButton;
extern std::unique_ptr<SCC> exitButton;
extern std::unique_ptr<SCC> tabControl;
extern std::unique_ptr<SCC> editArea;
extern std::array<std::unique_ptr<SCC>, kStepButtonCount> stepButtons;
extern std::unique_ptr<SCC> scrollBar;

// The 12-pixel fixed-pitch font of the combo boxes, the tab control and the step
// buttons.
extern QFont* uiFont;

// The scroll bar's range and position. nPos is the program's own scroll position;
// the editor's viewPos follows it.
extern SCROLLINFO scrollInfo;

// False while the main window is inactive; the frame clock then stands still.
extern bool appActive;

// True while a script runs on its thread of its own: the editor's tables are the
// script's until it ends, so neither the frame clock nor a repaint draws from them.
extern bool tablesLentToScript;

// The owner of the application's message boxes and dialogs: the main window once it
// exists.
HWND boxOwner();
