#include "shell/main_window/window_procs.h"

#include <algorithm>
#include <exception>

#include "edit/selection_editing.h"
#include "edit/undo_redo.h"
#include "shell/main_window/application_commands.h"
#include "shell/main_window/message_loop.h"
#include "shell/main_window/open_image.h"
#include "shell/main_window/selections.h"
#include "shell/session/app_state.h"
#include "shell/session/error_report.h"
#include "shell/session/unsaved_work_keeper.h"
#include "shell/windows/changes_window.h"
#include "shell/windows/panels.h"

namespace {

std::function<void()> paintObserver;

void focusMainWindow()
{
    if (mainWindow)
        mainWindow->setFocus();
}

void onCommand(unsigned id, unsigned code)
{
    if (code == 0 && runMenuItem(id)) {
        focusMainWindow();
        return;
    }
    if (code == CBN_SELCHANGE) {
        applySelections();
        theEditor.curObject = 0;
        focusMainWindow();
        return;
    }
    if (code != BN_CLICKED)
        return;
    if (id == saveButton->id())
        saveImage();
    else if (id == reloadButton->id())
        reloadImage();
    else if (id == exitButton->id())
        PostQuitMessage(0);
    focusMainWindow();
}

// The messages through which the user changes the tables or what is shown. Painting
// and the frame clock never do, so they cost the history nothing.
bool isUserInput(UINT msg)
{
    return msg == WM_KEYDOWN || msg == WM_COMMAND || msg == WM_NOTIFY || msg == WM_NCHITTEST || msg == WM_HSCROLL;
}

// The frame clock sleeps while nothing on screen can change, so every message but a
// repaint brings it up to date first, for the stage and palette the time passed on,
// and asks for the frame that shows the message's result. Only the outermost message
// does: one sent from inside another's handling is part of the same change.
int messageDepth = 0;

class FrameAroundMessage {
public:
    explicit FrameAroundMessage(UINT msg) : outermost_(msg != WM_PAINT && messageDepth == 0)
    {
        ++messageDepth;
        if (outermost_)
            catchUpFrames();
    }
    ~FrameAroundMessage() { --messageDepth; }
    void done() const
    {
        if (outermost_)
            requestFrame();
    }
    FrameAroundMessage(const FrameAroundMessage&) = delete;
    FrameAroundMessage& operator=(const FrameAroundMessage&) = delete;

private:
    bool outermost_;
};

void handleMainWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_KEYDOWN:
        // The keys of the application's commands run here; the editor's in onKeyDown,
        // which also lets a selection being extended follow either.
        runApplicationKey(int(wParam));
        theEditor.onKeyDown(int(wParam), std::intptr_t(lParam));
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: focusMainWindow(); break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE)
            appActive = false;
        else if (LOWORD(wParam) == WA_ACTIVE || LOWORD(wParam) == WA_CLICKACTIVE)
            appActive = true;
        break;
    case WM_COMMAND: onCommand(LOWORD(wParam), HIWORD(wParam)); break;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->code == TCN_SELCHANGE) {
            applySelections();
            focusMainWindow();
        }
        break;
    case WM_DESTROY: PostQuitMessage(0); break;
    default: break;
    }
}

void handleEditAreaMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_HSCROLL: {
        const auto before = currentItem(theEditor);
        setScrollPos(scrolledPosition(LOWORD(wParam), int(HIWORD(wParam)), scrollInfo));
        // Scrolling moves the left page shown, and with it a run of pages being selected.
        followCurrentItem(theEditor, before);
        break;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED)
            break;
        for (int index = 0; index < kStepButtonCount; ++index)
            if (stepButtons[std::size_t(index)]->id() == LOWORD(wParam))
                onStepButton(theEditor, index);
        focusMainWindow();
        break;
    case WM_NCHITTEST: {
        const POINT client = ScreenToClient(hwnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        theEditor.onMouse(client.x, client.y);
        break;
    }
    case WM_PAINT:
        // While active the frame clock redraws; while inactive the view is redrawn
        // here without advancing the animation.
        if (!appActive && !tablesLentToScript)
            theEditor.refresh(0);
        break;
    default: break;
    }
}

}  // namespace

LRESULT mainWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    // An error must not unwind through the toolkit's event handling: it ends the
    // message loop, which hands it to the top-level handler.
    try {
        const FrameAroundMessage frame(msg);
        handleMainWindowMessage(msg, wParam, lParam);
        if (isUserInput(msg))
            afterUserInput();
        frame.done();
    } catch (...) {
        deferFatalError(std::current_exception());
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT editAreaProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!editArea)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    LRESULT result = 0;
    try {
        const FrameAroundMessage frame(msg);
        handleEditAreaMessage(hwnd, msg, wParam, lParam);
        if (isUserInput(msg))
            afterUserInput();
        result = editArea->callPreviousProc(msg, wParam, lParam);
        frame.done();
    } catch (...) {
        deferFatalError(std::current_exception());
    }
    if (msg == WM_PAINT && paintObserver)
        paintObserver();
    return result;
}

int scrolledPosition(unsigned code, int thumb, const SCROLLINFO& info)
{
    const int pos = info.nPos;
    const int page = int(info.nPage);
    switch (code) {
    case SB_LINELEFT: return pos != 0 ? pos - 1 : pos;
    case SB_LINERIGHT: return pos < info.nMax ? pos + 1 : pos;
    case SB_PAGELEFT: return std::max(pos - page, 0);
    case SB_PAGERIGHT: return std::min(pos + page, info.nMax);
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: return thumb;
    case SB_LEFT: return info.nMin;
    case SB_RIGHT: return info.nMax;
    default: return pos;
    }
}

void setEditAreaPaintObserver(std::function<void()> observer)
{
    paintObserver = std::move(observer);
}

void afterUserInput()
{
    recordUserAction(theEditor);
    noteUserAction();
    // Before the panels: the overview frames the pages it marks.
    countShownChanges();
    followPanels();
    updateWindowTitle();
}
