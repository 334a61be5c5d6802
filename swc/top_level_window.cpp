#include "swc/top_level_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "swc/mouse_message.h"
#include "swc/virtual_key.h"
#include "swc/window_registry.h"

namespace swc {
namespace {

Qt::WindowFlags flagsForStyle(std::uint32_t style)
{
    // CustomizeWindowHint makes the window manager show exactly the buttons named.
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (style & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style & WS_MINIMIZEBOX)
        flags |= Qt::WindowMinimizeButtonHint;
    if (style & WS_MAXIMIZEBOX)
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

// Keys pressed with Alt held, Alt itself and F10 belong to the window's system menu:
// they arrive as WM_SYSKEYDOWN and WM_SYSKEYUP, which a procedure that handles only
// WM_KEYDOWN leaves alone, so Alt+Right is not taken for Right.
bool isSystemKey(const QKeyEvent& key)
{
    return key.modifiers().testFlag(Qt::AltModifier) || key.key() == Qt::Key_Alt || key.key() == Qt::Key_F10;
}

}  // namespace

TopLevelWindow::TopLevelWindow(std::uint32_t windowStyle)
    : QWidget(nullptr, flagsForStyle(windowStyle))
    , resizable((windowStyle & WS_THICKFRAME) != 0)
{
    // Keys go to the window itself, so it must be able to hold the focus.
    setFocusPolicy(Qt::StrongFocus);
}

bool TopLevelWindow::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (int code = virtualKeyOf(*key))
            dispatchMessage(this, isSystemKey(*key) ? WM_SYSKEYDOWN : WM_KEYDOWN, WPARAM(code), keyDataOf(*key));
        // Tab is a key of the program here, not a move to the next control.
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            key->accept();
            return true;
        }
        break;
    }
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (int code = virtualKeyOf(*key))
            dispatchMessage(this, isSystemKey(*key) ? WM_SYSKEYUP : WM_KEYUP, WPARAM(code),
                            keyDataOf(*key) | (LPARAM(3) << 30));
        break;
    }
    case QEvent::WindowActivate: dispatchMessage(this, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), 0); break;
    case QEvent::WindowDeactivate: dispatchMessage(this, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), 0); break;
    default: break;
    }
    return QWidget::event(event);
}

void TopLevelWindow::setMenuBar(QWidget* bar)
{
    const int oldTop = menuHeight;
    menuBar = bar;
    menuHeight = bar ? bar->sizeHint().height() : 0;
    if (bar) {
        bar->setParent(this);
        bar->setGeometry(0, 0, width(), menuHeight);
        bar->show();
    }
    // The children already placed keep their places in the client area.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child != bar)
            child->move(child->x(), child->y() - oldTop + menuHeight);
    if (!resizable)
        setFixedSize(width(), height() - oldTop + menuHeight);
    else
        resize(width(), height() - oldTop + menuHeight);
}

void TopLevelWindow::resizeEvent(QResizeEvent* event)
{
    if (menuBar)
        menuBar->setGeometry(0, 0, width(), menuHeight);
    QWidget::resizeEvent(event);
}

void TopLevelWindow::mousePressEvent(QMouseEvent* event)
{
    // A double click arrives here too (QWidget's default), as a second press.
    switch (event->button()) {
    case Qt::LeftButton:
        dispatchMessage(this, WM_LBUTTONDOWN, mouseKeyFlags(*event), clientPoint(*event, menuHeight));
        break;
    case Qt::RightButton:
        dispatchMessage(this, WM_RBUTTONDOWN, mouseKeyFlags(*event), clientPoint(*event, menuHeight));
        break;
    default: break;
    }
    event->accept();
}

void TopLevelWindow::mouseReleaseEvent(QMouseEvent* event)
{
    switch (event->button()) {
    case Qt::LeftButton:
        dispatchMessage(this, WM_LBUTTONUP, mouseKeyFlags(*event), clientPoint(*event, menuHeight));
        break;
    case Qt::RightButton:
        dispatchMessage(this, WM_RBUTTONUP, mouseKeyFlags(*event), clientPoint(*event, menuHeight));
        break;
    default: break;
    }
    event->accept();
}

void TopLevelWindow::mouseMoveEvent(QMouseEvent* event)
{
    dispatchMessage(this, WM_MOUSEMOVE, mouseKeyFlags(*event), clientPoint(*event, menuHeight));
    event->accept();
}

void TopLevelWindow::closeEvent(QCloseEvent* event)
{
    // The close box destroys the window on the platform; here the window only hides,
    // so the wrapper's handle stays valid.
    dispatchMessage(this, WM_DESTROY, 0, 0);
    event->accept();
}

}  // namespace swc
