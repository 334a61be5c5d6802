#include "shell/main_window/selections.h"

#include <algorithm>
#include <array>

#include <QString>
#include <QWidget>

#include "jcode/readable_name.h"
#include "shell/main_window/message_loop.h"
#include "shell/main_window/step_button_layout.h"
#include "shell/session/app_state.h"

std::string windowTitle()
{
    return std::string("Quarrix Editor ver.") + QUARRIX_VERSION;
}

void applyScrollInfo()
{
    SetScrollInfo(scrollBar->handle(), SB_CTL, &scrollInfo, true);
}

void updateWindowTitle()
{
    if (!mainWindow)
        return;
    QWidget* window = mainWindow->handle();
    const std::size_t slash = romPath.find_last_of('/');
    const std::string name = readableName(slash == std::string::npos ? romPath : romPath.substr(slash + 1));
    const QString title = QString::fromStdString(windowTitle());
    window->setWindowTitle(name.empty() ? title : QString::fromStdString(name) + "[*] - " + title);
    window->setWindowModified(theEditor.history.modified());
}

void layoutView(int view)
{
    const ViewLayout layout = viewLayout(view);
    if (layout.showsScrollBar) {
        scrollInfo.nMax = layout.scrollMax;
        scrollBar->show();
    } else {
        scrollBar->hide();
    }

    std::array<bool, kStepButtonCount> shown{};
    for (const StepButtonPlace& place : layout.buttons) {
        SCC& button = *stepButtons[std::size_t(place.index)];
        button.setText(place.label);
        button.move(place.rect.x, place.rect.y, place.rect.width, place.rect.height);
        shown[std::size_t(place.index)] = true;
    }
    for (std::size_t index = 0; index < stepButtons.size(); ++index) {
        if (shown[index])
            stepButtons[index]->show();
        else
            stepButtons[index]->hide();
    }
}

void applySelections()
{
    theEditor.curStage = std::int32_t(stageCombo->sendMessage(CB_GETCURSEL, 0, 0));
    theEditor.curPalSet = std::int32_t(paletteCombo->sendMessage(CB_GETCURSEL, 0, 0));
    theEditor.selectPaletteSet(theEditor.curPalSet);
    theEditor.curTab = std::int32_t(tabControl->sendMessage(TCM_GETCURSEL, 0, 0));
    layoutView(theEditor.curTab);
    // The view's range takes effect; the position stays where it was.
    scrollInfo.fMask = kScrollInfoAll;
    applyScrollInfo();
    theEditor.drawChips();
    // Another stage or palette set may animate where the last did not.
    requestFrame();
}

void setScrollPos(int pos)
{
    scrollInfo.nPos = pos;
    scrollInfo.fMask = SIF_POS;
    applyScrollInfo();
    theEditor.viewPos = pos;
    theEditor.refresh(1);
}

void scrollBy(int delta)
{
    scrollInfo.nPos = std::clamp(scrollInfo.nPos + delta, 0, scrollInfo.nMax);
    scrollInfo.fMask = SIF_POS;
    applyScrollInfo();
    theEditor.viewPos = scrollInfo.nPos;
    theEditor.refresh(1);
}
