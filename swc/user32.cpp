#include "swc/user32.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QThread>
#include <QWidget>

#include "swc/input_state.h"
#include "swc/scroll_bar_control.h"
#include "swc/static_control.h"
#include "swc/window_registry.h"
#include "swc/window_scale.h"

namespace {

MessageBoxHandler& messageBoxHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

struct PostedQuit {
    bool posted = false;
    int exitCode = 0;
};

PostedQuit postedQuit;

QMessageBox::Icon iconFor(UINT flags)
{
    switch (flags & MB_ICONMASK) {
    case MB_ICONHAND: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONASTERISK: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

}  // namespace

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_SETFONT:
        if (hwnd && wParam) {
            hwnd->setFont(*reinterpret_cast<const QFont*>(wParam));
            if (lParam)
                hwnd->update();
        }
        return 0;
    case WM_NCHITTEST: return HTCLIENT;
    default: return 0;
    }
}

bool UnregisterClassA(const char* className)
{
    if (!className || swc::anyWindowOfClass(className))
        return false;
    return swc::unregisterClassName(className);
}

void DestroyWindow(HWND hwnd)
{
    if (!hwnd || !swc::findWindow(hwnd))
        return;
    swc::dispatchMessage(hwnd, WM_DESTROY, 0, 0);
    swc::removeWindow(hwnd);
    hwnd->hide();
    hwnd->deleteLater();
}

void InvalidateRect(HWND hwnd, const RECT* rect, bool)
{
    if (!hwnd || hwnd->testAttribute(Qt::WA_WState_InPaintEvent))
        return;
    if (rect)
        hwnd->update(
            swc::toScreen(hwnd, QRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top)));
    else
        hwnd->update();
}

POINT ClientToScreen(HWND hwnd, POINT point)
{
    if (!hwnd)
        return point;
    const QPoint global = hwnd->mapToGlobal(swc::toScreen(hwnd, QRect(point.x, point.y, 1, 1)).topLeft());
    return POINT{global.x(), global.y()};
}

POINT ScreenToClient(HWND hwnd, POINT point)
{
    if (!hwnd)
        return point;
    const QPoint local = swc::fromScreen(hwnd, hwnd->mapFromGlobal(QPoint(point.x, point.y)));
    return POINT{local.x(), local.y()};
}

void SetFocus(HWND hwnd)
{
    if (hwnd)
        hwnd->setFocus(Qt::OtherFocusReason);
}

short GetKeyState(int virtualKey)
{
    if (!qApp)
        return 0;
    return swc::isKeyHeld(virtualKey) ? short(0x8000) : short(0);
}

void SetScrollInfo(HWND scrollBar, int bar, const SCROLLINFO* info, bool redraw)
{
    // Only scroll-bar controls exist here; windows have no scroll bars of their own.
    auto* control = dynamic_cast<swc::ScrollBarControl*>(scrollBar);
    if (!control || bar != SB_CTL || !info)
        return;
    control->applyScrollInfo(*info);
    if (redraw)
        control->update();
}

void PostQuitMessage(int exitCode)
{
    postedQuit.posted = true;
    postedQuit.exitCode = exitCode;
    // Loops that run now end at once; one that starts later asks takeQuitMessage.
    if (QCoreApplication::instance() && QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(exitCode);
}

bool takeQuitMessage(int* exitCode)
{
    if (!postedQuit.posted)
        return false;
    if (exitCode)
        *exitCode = postedQuit.exitCode;
    postedQuit = PostedQuit{};
    return true;
}

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT flags)
{
    if (messageBoxHandler())
        return messageBoxHandler()(MessageBoxRequest{owner, text ? text : "", caption ? caption : "", flags});
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return 0;
    QMessageBox box(iconFor(flags), QString::fromLocal8Bit(caption ? caption : ""),
                    QString::fromLocal8Bit(text ? text : ""), QMessageBox::Ok, owner);
    box.exec();
    return IDOK;
}

int QuestionBoxA(HWND owner, const char* text, const char* caption, const char* yes, const char* no)
{
    const UINT flags = MB_YESNO | MB_ICONQUESTION;
    if (messageBoxHandler())
        return messageBoxHandler()(MessageBoxRequest{owner, text ? text : "", caption ? caption : "", flags});
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return IDNO;
    QMessageBox box(iconFor(flags), QString::fromUtf8(caption ? caption : ""), QString::fromUtf8(text ? text : ""),
                    QMessageBox::NoButton, owner);
    QPushButton* yesButton = box.addButton(QString::fromUtf8(yes), QMessageBox::AcceptRole);
    box.addButton(QString::fromUtf8(no), QMessageBox::RejectRole);
    box.setDefaultButton(yesButton);
    box.exec();
    return box.clickedButton() == yesButton ? IDYES : IDNO;
}

int ChoiceBoxA(HWND owner, const char* text, const char* caption, const char* yes, const char* no, const char* cancel)
{
    const UINT flags = MB_YESNOCANCEL | MB_ICONQUESTION;
    if (messageBoxHandler())
        return messageBoxHandler()(MessageBoxRequest{owner, text ? text : "", caption ? caption : "", flags});
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return IDCANCEL;
    QMessageBox box(iconFor(flags), QString::fromUtf8(caption ? caption : ""), QString::fromUtf8(text ? text : ""),
                    QMessageBox::NoButton, owner);
    QPushButton* yesButton = box.addButton(QString::fromUtf8(yes), QMessageBox::AcceptRole);
    QPushButton* noButton = box.addButton(QString::fromUtf8(no), QMessageBox::DestructiveRole);
    QPushButton* cancelButton = box.addButton(QString::fromUtf8(cancel), QMessageBox::RejectRole);
    box.setDefaultButton(yesButton);
    box.setEscapeButton(cancelButton);
    box.exec();
    if (box.clickedButton() == yesButton)
        return IDYES;
    return box.clickedButton() == noButton ? IDNO : IDCANCEL;
}

void setMessageBoxHandler(MessageBoxHandler handler)
{
    messageBoxHandler() = std::move(handler);
}

QImage* staticPicture(HWND staticControl)
{
    auto* control = dynamic_cast<swc::StaticControl*>(staticControl);
    return control ? &control->picture() : nullptr;
}

void updateStaticPicture(HWND staticControl, const QRegion& changed)
{
    if (auto* control = dynamic_cast<swc::StaticControl*>(staticControl))
        control->updatePicture(changed);
}
