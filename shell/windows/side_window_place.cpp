#include "shell/windows/side_window_place.h"

#include <algorithm>
#include <optional>
#include <vector>

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "shell/session/app_state.h"
#include "shell/session/settings.h"

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

// The other windows already on screen that a new side window should not cover: the
// main window and the side windows shown.
std::vector<QRect> shownWindows(const QWidget& window, const QWidget& owner)
{
    std::vector<QRect> shown{owner.frameGeometry()};
    for (const QWidget* other : QApplication::topLevelWidgets())
        if (other != &window && other != &owner && other->isVisible() && other->parentWidget() == &owner)
            shown.push_back(other->frameGeometry());
    return shown;
}

// Where a side window opens the first time: beside the main window on whichever side
// fits, or below or above it, or beside, below or above a side window already open,
// at the first such place that lies on the screen and covers no other window, else
// the one that covers least; failing that beside the main window, kept on the screen
// and shrunk to it when it must be.
QPoint freePlace(QWidget& window, const QWidget& owner)
{
    const QRect main = owner.frameGeometry();
    const QScreen* screen = owner.screen() ? owner.screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    // The frame the window will have: its size plus the main window's borders.
    const QSize borders = main.size() - owner.size();
    const QSize frameSize = window.size() + borders;
    const std::vector<QRect> shown = shownWindows(window, owner);
    std::vector<QPoint> candidates;
    for (const QRect& other : shown) {
        candidates.push_back(other.topRight() + QPoint(1, 0));
        candidates.push_back(QPoint(other.left() - 1 - frameSize.width(), other.top()));
        candidates.push_back(other.bottomLeft() + QPoint(0, 1));
        candidates.push_back(QPoint(other.left(), other.top() - 1 - frameSize.height()));
    }
    // The place on the screen that covers least of the others, the main window above
    // all: none at all when there is such a place.
    std::optional<QPoint> best;
    long long leastCovered = 0;
    for (const QPoint& at : candidates) {
        const QRect place(at, frameSize);
        if (!area.isEmpty() && !area.contains(place))
            continue;
        long long covered = 0;
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const QRect common = shown[i].intersected(place);
            covered += (i == 0 ? 16LL : 1LL) * common.width() * common.height();
        }
        if (!best || covered < leastCovered) {
            best = at;
            leastCovered = covered;
        }
    }
    if (best)
        return *best;
    QRect beside(main.topRight() + QPoint(1, 0), frameSize);
    if (!area.isEmpty()) {
        beside.setSize(frameSize.boundedTo(area.size()));
        window.resize(beside.size() - borders);
        beside.moveTopLeft(keptWithin(area, beside));
    }
    return beside.topLeft();
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
        window.move(freePlace(window, *owner));
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
