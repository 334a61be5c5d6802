#include "shell/side_window_place.h"

#include <algorithm>

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "shell/app_state.h"
#include "shell/settings.h"

namespace {

void remember(const QWidget& window, const char* name, bool open)
{
    saveSideWindowPlace(name, {open, window.frameGeometry()});
}

// Keeps the place when the window is shown or hidden; a drag alone writes nothing.
class PlaceKeeper : public QObject {
public:
    PlaceKeeper(QWidget& window, const char* name) : QObject(&window), name_(name) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWidget*>(watched);
        if (window && !event->spontaneous() && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
            remember(*window, name_, event->type() == QEvent::Show);
        return false;
    }

    const char* name() const { return name_; }

private:
    const char* name_;
};

bool onSomeScreen(const QRect& frame)
{
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().contains(frame))
            return true;
    return false;
}

// Within area, moved as little as possible.
QPoint keptWithin(const QRect& area, const QRect& frame)
{
    const int x = std::clamp(frame.x(), area.left(), std::max(area.left(), area.right() + 1 - frame.width()));
    const int y = std::clamp(frame.y(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height()));
    return {x, y};
}

}  // namespace

void placeSideWindow(QWidget& window, const char* name)
{
    const SideWindowPlace kept = sideWindowPlace(name);
    QWidget* owner = mainWindow ? mainWindow->handle() : nullptr;
    if (kept.frame && onSomeScreen(*kept.frame)) {
        window.resize(kept.frame->size());
        window.move(kept.frame->topLeft());
    } else if (owner) {
        const QRect main = owner->frameGeometry();
        const QScreen* screen = owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->availableGeometry() : QRect();
        // The frame the window will have: its size plus the main window's borders.
        const QSize frameSize = window.size() + (main.size() - owner->size());
        QRect beside(main.topRight() + QPoint(1, 0), frameSize);
        if (!area.isEmpty() && !area.contains(beside)) {
            const QRect left(QPoint(main.left() - 1 - frameSize.width(), main.top()), frameSize);
            if (area.contains(left))
                beside = left;
            else
                beside.setSize(frameSize.boundedTo(area.size()));
        }
        if (!area.isEmpty()) {
            window.resize(beside.size() - (main.size() - owner->size()));
            beside.moveTopLeft(keptWithin(area, beside));
        }
        window.move(beside.topLeft());
    }
    window.installEventFilter(new PlaceKeeper(window, name));
}

void releaseSideWindow(QWidget& window, const char* name)
{
    // The keeper has no meta-object of its own, so it is told from the window's other
    // children by its C++ type.
    for (QObject* child : window.children())
        if (auto* keeper = dynamic_cast<PlaceKeeper*>(child)) {
            window.removeEventFilter(keeper);
            keeper->deleteLater();
        }
    remember(window, name, window.isVisible());
}

bool sideWindowWasOpen(const char* name)
{
    return sideWindowPlace(name).open;
}
