#include "shell/main_window/main_window.h"

#include <QFont>
#include <QGuiApplication>
#include <QProxyStyle>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>
#include <algorithm>

#include "model/stage_records.h"
#include "shell/main_window/image_drop.h"
#include "shell/main_window/menu_bar.h"
#include "shell/main_window/message_loop.h"
#include "shell/main_window/qt_editor_host.h"
#include "shell/main_window/selections.h"
#include "shell/main_window/step_button_layout.h"
#include "shell/main_window/window_procs.h"
#include "shell/session/app_state.h"
#include "shell/session/language.h"
#include "shell/session/settings.h"
#include "shell/windows/user_input_follow_up.h"
#include "text/translation.h"

namespace {

constexpr const char* kMainWindowClass = "quarrixeditor";
// A sizing border and a close box: the client area keeps its size, the rest of the
// window is the panels'.
constexpr std::uint32_t kMainWindowStyle = WS_VISIBLE | WS_SYSMENU | WS_THICKFRAME;
constexpr std::uint32_t kComboStyle = WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST;
constexpr std::uint32_t kTabStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;

// The row of controls along the top of the client area (kTopRowHeight high).
constexpr int kComboWidth = 128;
constexpr int kComboHeight = 600;  // includes the dropped-down list
constexpr int kButtonWidth = 85;
constexpr int kFirstButtonX = 256;

// The editing area (at kEditAreaTop) leaves 4 pixels of the tab control's height
// unused.
constexpr int kEditAreaHeightCut = 4;

// The scroll bar covers the band of the view that "MAP" and "OBJECT" do not copy.
constexpr Rect kScrollBarPlace = kScrollBarBand;

constexpr const char* kStageNames[kStageCount] = {
    "0 - bright",   "1 - toad",     "2 - drill",    "3 - pharaoh",  "4 - ring",  "5 - dust",  "6 - dive",  "7 - skull",
    "8 - cossack1", "9 - cossack2", "A - cossack3", "B - cossack4", "C - wily1", "D - wily2", "E - wily3", "F - wily4",
};
constexpr const char* kPaletteSetNames[kPaletteSetCount] = {"Pallet 0", "Pallet 1", "Pallet 2", "Pallet 3"};

// 12 pixels high and fixed pitch; the family is whatever fixed-pitch face the system
// offers.
// The controls' face is the program's, not the desktop's: a Japanese locale makes the
// desktop's monospace face a CJK one, and the step buttons inside the editing area would
// change the views' pictures with the language. Letters it lacks, such as Japanese ones,
// still come from the desktop's fonts.
QFont makeUiFont()
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(12);
    font.setFixedPitch(true);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

void setUiFont(SCC& control)
{
    control.sendMessage(WM_SETFONT, WPARAM(uiFont), 1);
}

std::unique_ptr<SCC> makeControl(std::uint32_t style = WS_CHILD | WS_VISIBLE)
{
    auto control = std::make_unique<SCC>();
    control->windowStyle = style;
    return control;
}

void fillCombo(SCC& combo, std::span<const char* const> items)
{
    setUiFont(combo);
    for (const char* item : items)
        combo.sendMessage(CB_ADDSTRING, 0, LPARAM(item));
    combo.sendMessage(CB_SETCURSEL, 0, 0);
}

// Keys are the editor's: they reach it only while the main window holds the focus.
// A control that took the focus would keep it after a click that changes nothing (a
// combo box opened and closed, a button released elsewhere), would receive the focus
// at start-up as the first control in the focus chain, and would eat letters and
// arrows. So no control, nor any part of one (the tab bar), ever takes it.
void leaveFocusToMainWindow(SCC& control)
{
    QWidget* widget = control.handle();
    widget->setFocusPolicy(Qt::NoFocus);
    for (QWidget* part : widget->findChildren<QWidget*>())
        part->setFocusPolicy(Qt::NoFocus);
}

// The editing area starts kTopRowHeight under the top of the tab control and covers
// what the tab row draws below that. The toolkit's tabs are taller than that row with
// the controls' font, and unselected tabs sit a little lower than the selected one, so
// their captions ran under the editing area. Tabs as high as the row keep every caption
// inside it, in the controls' font, with the row and the views where they were.
class TabsOfTheTopRow : public QProxyStyle {
public:
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override
    {
        QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
        if (type == CT_TabBarTab)
            size.setHeight(std::min(size.height(), kTopRowHeight));
        return size;
    }
};

void fitCaptionsInTabs(SCC& tabs)
{
    if (auto* widget = qobject_cast<QTabWidget*>(tabs.handle())) {
        auto* style = new TabsOfTheTopRow;
        style->setParent(widget->tabBar());
        widget->tabBar()->setStyle(style);
    }
}

// The three buttons of the top row in the language in use.
void nameButtons()
{
    saveButton->setText(translated("main_window", "Save"));
    reloadButton->setText(translated("main_window", "Reload"));
    exitButton->setText(translated("main_window", "Exit"));
}

}  // namespace

void buildUi(bool (*commandCanAct)(const Command& command))
{
    uiFont = new QFont(makeUiFont());

    // Every wrapper is made before any control window so that the identifiers follow
    // the order of the controls, whatever happens later.
    mainWindow = std::make_unique<EWC>();
    mainWindow->windowStyle = kMainWindowStyle;
    stageCombo = makeControl(kComboStyle);
    paletteCombo = makeControl(kComboStyle);
    saveButton = makeControl();
    reloadButton = makeControl();
    exitButton = makeControl();
    tabControl = makeControl(kTabStyle);
    editArea = makeControl();
    for (auto& button : stepButtons)
        button = makeControl();
    scrollBar = makeControl();

    mainWindow->create(kMainWindowClass, windowTitle().c_str(), mainWindowProc);
    installMenuBar(*mainWindow, commandCanAct);
    const RECT frame = mainWindow->windowRect();
    mainWindow->move(frame.left, frame.top, kMainWindowWidth, kMainWindowHeight);
    // Where the user last left it, while that is on a screen.
    if (const std::optional<QPoint> place = savedWindowPosition()) {
        const QRect moved(*place, mainWindow->handle()->frameGeometry().size());
        for (const QScreen* screen : QGuiApplication::screens())
            if (screen->availableGeometry().contains(moved)) {
                mainWindow->handle()->move(*place);
                break;
            }
    }
    acceptDroppedImages(*mainWindow->handle());

    stageCombo->create("COMBOBOX", "", *mainWindow);
    fillCombo(*stageCombo, kStageNames);
    paletteCombo->create("COMBOBOX", "", *mainWindow);
    fillCombo(*paletteCombo, kPaletteSetNames);
    stageCombo->move(0, 0, kComboWidth, kComboHeight);
    paletteCombo->move(kComboWidth, 0, kComboWidth, kComboHeight);

    saveButton->create("BUTTON", "", *mainWindow);
    reloadButton->create("BUTTON", "", *mainWindow);
    exitButton->create("BUTTON", "", *mainWindow);
    nameButtons();
    followLanguage(*mainWindow->handle(), nameButtons);
    saveButton->move(kFirstButtonX, 0, kButtonWidth, kTopRowHeight);
    reloadButton->move(kFirstButtonX + kButtonWidth, 0, kButtonWidth, kTopRowHeight);
    exitButton->move(kFirstButtonX + 2 * kButtonWidth, 0, kButtonWidth, kTopRowHeight);

    tabControl->create("SysTabControl32", "", *mainWindow);
    setUiFont(*tabControl);
    const RECT client = mainWindow->clientRect();
    tabControl->move(client.left, client.top + kTopRowHeight, client.right, client.bottom - kTopRowHeight);
    for (int tab = 0; tab < kViewCount; ++tab) {
        TCITEMA item;
        item.mask = TCIF_TEXT;
        item.pszText = kViewNames[tab];
        tabControl->sendMessage(TCM_INSERTITEMA, WPARAM(tab), LPARAM(&item));
    }
    fitCaptionsInTabs(*tabControl);

    editArea->create("STATIC", "", *mainWindow);
    const RECT page = tabControl->clientRect();
    editArea->move(page.left, page.top + kEditAreaTop, page.right, page.bottom - kEditAreaHeightCut);
    editArea->subclass(editAreaProc);

    for (auto& button : stepButtons) {
        button->create("BUTTON", "", *editArea);
        setUiFont(*button);
    }

    scrollBar->create("SCROLLBAR", "", *editArea);
    scrollBar->move(kScrollBarPlace.x, kScrollBarPlace.y, kScrollBarPlace.width, kScrollBarPlace.height);
    scrollInfo = SCROLLINFO{};
    scrollInfo.fMask = kScrollInfoAll;
    scrollInfo.nMin = 0;
    scrollInfo.nMax = viewLayout(kViewMap).scrollMax;
    scrollInfo.nPage = 1;
    scrollInfo.nPos = 0;
    applyScrollInfo();

    for (SCC* control : {stageCombo.get(), paletteCombo.get(), saveButton.get(), reloadButton.get(), exitButton.get(),
                         tabControl.get()})
        leaveFocusToMainWindow(*control);
    for (auto& button : stepButtons)
        leaveFocusToMainWindow(*button);

    theEditor.setHost(&applicationHost());
    setUserInputFollowUp(afterUserInput);
    theEditor.createSurfaces();
    applySelections();
    updateWindowTitle();
}
