#include <QComboBox>
#include <QPushButton>
#include <QWidget>
#include <algorithm>

#include "swc/swc.h"
#include "swc/top_level_window.h"
#include "swc/window_registry.h"
#include "swc/window_scale.h"

namespace {

QString windowText(HWND hwnd)
{
    if (auto* button = qobject_cast<QPushButton*>(hwnd))
        return button->text();
    if (auto* combo = qobject_cast<QComboBox*>(hwnd))
        return combo->currentText();
    return hwnd->windowTitle();
}

RECT rectOf(const QRect& rect)
{
    RECT result;
    result.left = rect.left();
    result.top = rect.top();
    result.right = rect.left() + rect.width();
    result.bottom = rect.top() + rect.height();
    return result;
}

}  // namespace

HWND StdWindowClass::handle() const
{
    return hwnd;
}

std::string StdWindowClass::getText() const
{
    if (!hwnd)
        return {};
    return windowText(hwnd).toLocal8Bit().toStdString();
}

void StdWindowClass::setText(const std::string& text)
{
    if (!hwnd)
        return;
    const QString value = QString::fromLocal8Bit(text.c_str());
    if (auto* button = qobject_cast<QPushButton*>(hwnd))
        button->setText(value);
    else if (auto* combo = qobject_cast<QComboBox*>(hwnd); combo && combo->isEditable())
        combo->setEditText(value);
    else
        hwnd->setWindowTitle(value);
}

void StdWindowClass::setFocus()
{
    SetFocus(hwnd);
}

RECT StdWindowClass::clientRect() const
{
    if (!hwnd)
        return {};
    QSize size = hwnd->size();
    if (auto* window = dynamic_cast<swc::TopLevelWindow*>(hwnd))
        size = window->clientSize();
    return rectOf(QRect(QPoint(0, 0), size / swc::windowScale(hwnd)));
}

RECT StdWindowClass::windowRect() const
{
    if (!hwnd)
        return {};
    if (hwnd->isWindow())
        return rectOf(hwnd->frameGeometry());
    return rectOf(QRect(hwnd->mapToGlobal(QPoint(0, 0)), hwnd->size()));
}

void StdWindowClass::move(int x, int y, int width, int height)
{
    if (!hwnd)
        return;
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (auto* window = dynamic_cast<swc::TopLevelWindow*>(hwnd)) {
        // The size is the outer size, frame included; Qt sizes the client area.
        const QSize frame = window->frameGeometry().size() - window->geometry().size();
        // A menu bar and the panels sit outside the client area: the window grows by
        // what they take.
        window->move(x, y);
        window->setClientSize(QSize(std::max(width - frame.width(), 0), std::max(height - frame.height(), 0)));
        return;
    }
    if (auto* combo = qobject_cast<QComboBox*>(hwnd)) {
        // The height given to a combo box includes its dropped-down list; the box
        // itself keeps the height of its selection field.
        height = std::min(height, combo->sizeHint().height());
    }
    swc::placeChild(hwnd, QRect(x, y, width, height));
}

void StdWindowClass::moveTo(const RECT& rect)
{
    move(rect.left, rect.top, rect.right, rect.bottom);
}

void StdWindowClass::show()
{
    if (hwnd)
        hwnd->show();
}

void StdWindowClass::hide()
{
    if (hwnd)
        hwnd->hide();
}

LRESULT StdWindowClass::sendMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return swc::dispatchMessage(hwnd, msg, wParam, lParam);
}
