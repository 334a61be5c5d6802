#include "swc/top_level_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>

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

// The client area: its mouse buttons and moves become the window's messages, at the
// client point they fall on.
class ClientArea : public QWidget {
public:
    ClientArea(TopLevelWindow* owner) : owner_(owner) {}

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        // A double click arrives here too (QWidget's default), as a second press.
        if (event->button() == Qt::LeftButton)
            dispatchMessage(owner_, WM_LBUTTONDOWN, mouseKeyFlags(*event), clientPoint(*event));
        else if (event->button() == Qt::RightButton)
            dispatchMessage(owner_, WM_RBUTTONDOWN, mouseKeyFlags(*event), clientPoint(*event));
        event->accept();
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            dispatchMessage(owner_, WM_LBUTTONUP, mouseKeyFlags(*event), clientPoint(*event));
        else if (event->button() == Qt::RightButton)
            dispatchMessage(owner_, WM_RBUTTONUP, mouseKeyFlags(*event), clientPoint(*event));
        event->accept();
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        dispatchMessage(owner_, WM_MOUSEMOVE, mouseKeyFlags(*event), clientPoint(*event));
        event->accept();
    }

private:
    TopLevelWindow* owner_;
};

}  // namespace

TopLevelWindow::TopLevelWindow(std::uint32_t windowStyle)
    : QMainWindow(nullptr, flagsForStyle(windowStyle))
    , resizable((windowStyle & WS_THICKFRAME) != 0)
    , scroll(new QScrollArea(this))
    , client(new ClientArea(this))
{
    // Keys go to the window itself, so it must be able to hold the focus; the scroll
    // area never takes it, so arrows stay the program's.
    setFocusPolicy(Qt::StrongFocus);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroll->setWidget(client);
    // A click anywhere in the client area gives the keys back to the window, also
    // from a panel that had them.
    client->setFocusPolicy(Qt::ClickFocus);
    client->setFocusProxy(this);
    setCentralWidget(scroll);
    setDockOptions(AnimatedDocks | AllowTabbedDocks | AllowNestedDocks);
}

QSize TopLevelWindow::clientSize() const
{
    return client->size();
}

QSize TopLevelWindow::aroundClientArea() const
{
    // A menu bar added just now may not be laid out yet.
    const int menuHeight = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    if (!isVisible())
        return QSize(0, menuHeight);
    QSize around = size() - scroll->size();
    around.rheight() += std::max(menuHeight - scroll->y(), 0);
    return around;
}

void TopLevelWindow::setClientSize(QSize size)
{
    client->setFixedSize(size);
    // What the menu bar and the panels take around the client area stays theirs.
    const QSize wanted = size + aroundClientArea();
    if (resizable)
        resize(wanted);
    else
        setFixedSize(wanted);
}

void TopLevelWindow::fitAroundClientArea()
{
    if (!isVisible() || isMaximized() || isFullScreen() || !resizable)
        return;
    QSize wanted = client->size() + aroundClientArea();
    if (const QScreen* place = screen()) {
        const QRect area = place->availableGeometry();
        const QSize border = frameGeometry().size() - size();
        wanted = wanted.boundedTo(area.size() - border);
        // Kept on the screen as it grows.
        QRect frame(frameGeometry().topLeft(), wanted + border);
        frame.moveRight(std::min(frame.right(), area.right()));
        frame.moveBottom(std::min(frame.bottom(), area.bottom()));
        move(frame.topLeft());
    }
    resize(wanted);
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
    return QMainWindow::event(event);
}

void TopLevelWindow::closeEvent(QCloseEvent* event)
{
    // The close box destroys the window on the platform; here the window only hides,
    // so the wrapper's handle stays valid.
    dispatchMessage(this, WM_DESTROY, 0, 0);
    event->accept();
}

TopLevelWindow* ownerOfClientArea(QWidget* widget)
{
    auto* window = widget ? dynamic_cast<TopLevelWindow*>(widget->window()) : nullptr;
    return window && window->clientArea() == widget ? window : nullptr;
}

}  // namespace swc
