#include "shell/windows/panel_dock.h"

#include <QAction>
#include <QCoreApplication>
#include <QDockWidget>
#include <QKeyEvent>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <algorithm>

#include "edit/commands.h"
#include "shell/session/app_state.h"
#include "shell/session/settings.h"
#include "swc/top_level_window.h"
#include "text/translation.h"

namespace {

QMainWindow* host()
{
    return mainWindow ? qobject_cast<QMainWindow*>(mainWindow->handle()) : nullptr;
}

// The keys a panel leaves alone that are the main window's wherever the focus is:
// every F-key, Ctrl key and Alt key. Other keys (letters, arrows) stay the panel's
// even when it does nothing with them.
bool routedToMainWindow(const QKeyEvent& key)
{
    const bool functionKey = key.key() >= Qt::Key_F1 && key.key() <= Qt::Key_F35;
    return functionKey || key.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
}

QDockWidget* dockOf(const QWidget* content)
{
    for (QWidget* at = content ? content->parentWidget() : nullptr; at; at = at->parentWidget())
        if (auto* dock = qobject_cast<QDockWidget*>(at))
            return dock;
    return nullptr;
}

// The title of a panel's dock: the panel's own, else its command's menu label.
QString panelTitle(const QWidget& content, const PanelPlace& place)
{
    if (!content.windowTitle().isEmpty())
        return content.windowTitle();
    const Command* command = findCommand(place.commandId);
    return command ? QString::fromStdString(translated("commands", command->label)) : QString(place.name);
}

// The dock's property that names the tab group its panel joins the first time.
constexpr const char* kGroupProperty = "panelGroup";

class PanelDock : public QDockWidget {
public:
    PanelDock(QWidget& content, const PanelPlace& place, QWidget* parent)
        : QDockWidget(panelTitle(content, place), parent)
        , content_(&content)
        , place_(place)
    {
        setObjectName(place.name);
        setProperty(kGroupProperty, place.group);
    }

protected:
    // A panel retranslates its own title after its dock has seen the change: the
    // title changing sets the dock's again (see eventFilter).
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange && content_)
            setWindowTitle(panelTitle(*content_, place_));
        QDockWidget::changeEvent(event);
    }

    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (event->type() == QEvent::KeyPress && key->key() == Qt::Key_Escape &&
                key->modifiers() == Qt::NoModifier) {
                close();
                return true;
            }
            // A docked panel would pass the key on to the main window by itself, a
            // floating one would not: both hand it over here, alike.
            if (routedToMainWindow(*key) && parentWidget()) {
                QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->nativeScanCode(),
                               key->nativeVirtualKey(), key->nativeModifiers(), key->text(), key->isAutoRepeat(),
                               key->count());
                QCoreApplication::sendEvent(parentWidget(), &copy);
                return true;
            }
        }
        return QDockWidget::event(event);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowTitleChange && watched == content_)
            setWindowTitle(panelTitle(*content_, place_));
        // The panel closing itself (Escape, its key) closes its dock.
        if (event->type() == QEvent::Close && watched->isWidgetType() &&
            dockOf(static_cast<QWidget*>(watched)) == this) {
            close();
            event->ignore();
            return true;
        }
        return QDockWidget::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> content_;
    PanelPlace place_;
};

bool isOpen(const QDockWidget* dock)
{
    // A panel behind another of its tab group is open, though not visible.
    return dock && dock->toggleViewAction()->isChecked();
}

// The first time: into its area, tabbed with an open panel of its group.
void placeByDefault(QMainWindow& window, QDockWidget& dock, const PanelPlace& place)
{
    window.addDockWidget(place.area, &dock);
    for (QDockWidget* other : window.findChildren<QDockWidget*>()) {
        if (other != &dock && other->property(kGroupProperty).toString() == place.group && !other->isFloating() &&
            isOpen(other)) {
            window.tabifyDockWidget(other, &dock);
            return;
        }
    }
}

// A floating panel opens within a screen.
void keepOnScreen(QDockWidget& dock)
{
    if (!dock.isFloating())
        return;
    const QScreen* screen = dock.screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    QRect frame = dock.frameGeometry();
    if (area.contains(frame))
        return;
    frame.setSize(frame.size().boundedTo(area.size()));
    frame.moveRight(std::min(frame.right(), area.right()));
    frame.moveBottom(std::min(frame.bottom(), area.bottom()));
    frame.moveLeft(std::max(frame.left(), area.left()));
    frame.moveTop(std::max(frame.top(), area.top()));
    dock.setGeometry(frame);
}

// While the panels open at start-up, the window keeps the size it was given back.
bool reopening = false;

// The client area keeps its size as panels come and go.
void fitMainWindow()
{
    if (auto* window = dynamic_cast<swc::TopLevelWindow*>(host())) {
        window->fitAroundClientArea();
        // Once more when the layout has settled the panel's own size.
        QTimer::singleShot(0, window, [window] { window->fitAroundClientArea(); });
    }
}

// The panels docked beside the client area get the width they ask for: one docked on
// the other side would otherwise take its room from them before the window grows.
void widenSidePanels(QMainWindow& window)
{
    QList<QDockWidget*> docks;
    QList<int> widths;
    for (QDockWidget* dock : window.findChildren<QDockWidget*>()) {
        const Qt::DockWidgetArea area = window.dockWidgetArea(dock);
        if (!dock->isVisible() || dock->isFloating() ||
            (area != Qt::LeftDockWidgetArea && area != Qt::RightDockWidgetArea))
            continue;
        const auto* holder = qobject_cast<QScrollArea*>(dock->widget());
        const QWidget* content = holder ? holder->widget() : dock->widget();
        if (!content)
            continue;
        // A panel of fixed size gives no hint, only its minimum; the dock's frame and the
        // scroll area's edges come on top.
        const int wanted = std::max(content->sizeHint().width(), content->minimumWidth());
        const int around = holder ? std::max(0, dock->width() - holder->viewport()->width()) : 0;
        docks << dock;
        widths << std::max(dock->width(), wanted + around);
    }
    if (!docks.isEmpty())
        window.resizeDocks(docks, widths, Qt::Horizontal);
}

}  // namespace

QDockWidget* dockPanel(QWidget& content, const PanelPlace& place)
{
    QMainWindow* window = host();
    auto* dock = new PanelDock(content, place, window);
    dock->setAttribute(Qt::WA_DeleteOnClose, false);
    // In a scroll area of its own: a panel of fixed size neither limits the height of
    // the dock area (and so of the window) nor is cut when the dock is smaller.
    auto* holder = new QScrollArea;
    holder->setFrameShape(QFrame::NoFrame);
    holder->setFocusPolicy(Qt::NoFocus);
    holder->setWidgetResizable(true);
    holder->setWidget(&content);
    dock->setWidget(holder);
    content.installEventFilter(dock);
    if (window && !window->restoreDockWidget(dock))
        placeByDefault(*window, *dock, place);
    dock->hide();
    QObject::connect(dock->toggleViewAction(), &QAction::toggled, dock, [name = place.name](bool open) {
        if (mainWindow && mainWindow->handle() && !QCoreApplication::closingDown())
            savePanelOpen(name, open);
    });
    return dock;
}

void showPanel(QWidget& content)
{
    QDockWidget* dock = dockOf(&content);
    if (!dock)
        return;
    dock->show();
    dock->raise();
    keepOnScreen(*dock);
    if (reopening)
        return;
    fitWindowToPanels();
    // Opened by its key, the panel takes the keys, as a window of its own would.
    if (dock->isFloating())
        dock->activateWindow();
    QWidget* target = &content;
    if (content.focusPolicy() == Qt::NoFocus)
        for (QWidget* child : content.findChildren<QWidget*>())
            if (child->focusPolicy() & Qt::TabFocus && child->isVisibleTo(&content)) {
                target = child;
                break;
            }
    target->setFocus(Qt::OtherFocusReason);
}

void closePanel(QWidget& content)
{
    if (QDockWidget* dock = dockOf(&content))
        dock->close();
    fitMainWindow();
}

void giveKeysToMainWindow()
{
    if (QMainWindow* window = host()) {
        window->activateWindow();
        window->setFocus(Qt::OtherFocusReason);
    }
}

void releasePanel(QWidget& content)
{
    QDockWidget* dock = dockOf(&content);
    QWidget* outer = dock ? static_cast<QWidget*>(dock) : &content;
    delete outer;
}

bool panelShown(const QWidget* content)
{
    return isOpen(dockOf(content));
}

void fitWindowToPanels()
{
    if (QMainWindow* window = host())
        widenSidePanels(*window);
    fitMainWindow();
}

void setPanelsReopening(bool on)
{
    reopening = on;
}

QWidget* panelHost()
{
    return host();
}

bool restoreArrangement()
{
    QMainWindow* window = host();
    if (!window)
        return false;
    const WindowArrangement kept = savedArrangement();
    const bool sized = !kept.geometry.isEmpty() && window->restoreGeometry(kept.geometry);
    if (!kept.state.isEmpty())
        window->restoreState(kept.state);
    return sized;
}

void keepArrangement()
{
    QMainWindow* window = host();
    if (!window)
        return;
    saveArrangement({window->saveGeometry(), window->saveState()});
}
