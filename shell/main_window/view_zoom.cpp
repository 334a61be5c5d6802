#include "shell/main_window/view_zoom.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "shell/main_window/main_window.h"
#include "shell/main_window/message_loop.h"
#include "shell/session/app_state.h"
#include "shell/session/settings.h"
#include "swc/window_scale.h"

namespace {

int zoomShown = kSmallestZoom;

struct Size {
    int width;
    int height;
};

// The editing area's size at 1x (its client size, as the layout made it), and the
// main window's client and outer sizes then; everything at another zoom is made from
// these, so that 1x stays exactly as the layout left it.
struct PlainLayout {
    Size editArea{};
    Size client{};
    Size outer{};  // with the frame and the menu bar
    bool known = false;
};
PlainLayout plain;

void rememberPlainLayout()
{
    if (plain.known || !mainWindow || !editArea)
        return;
    const RECT area = editArea->clientRect();
    const RECT client = mainWindow->clientRect();
    const RECT outer = mainWindow->windowRect();
    plain.editArea = {area.right, area.bottom};
    plain.client = {client.right, client.bottom};
    plain.outer = {outer.right - outer.left, outer.bottom - outer.top};
    plain.known = true;
}

// How much larger than at 1x the client area is at zoom: the editing area grows by
// whole view pixels, and the part of it below the client area (its lowest rows,
// hidden at 1x) grows with it, so every zoom shows the same part of the view.
Size growthAt(int zoom)
{
    const int hiddenRows = kEditAreaTop + plain.editArea.height - plain.client.height;
    return {plain.editArea.width * (zoom - 1), (plain.editArea.height - hiddenRows) * (zoom - 1)};
}

QRect availableScreenArea()
{
    const QScreen* screen = mainWindow && mainWindow->handle() ? mainWindow->handle()->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

}  // namespace

int currentZoom()
{
    return zoomShown;
}

int largestZoomThatFits()
{
    rememberPlainLayout();
    const QRect screen = availableScreenArea();
    if (!plain.known || screen.isEmpty())
        return kSmallestZoom;
    int zoom = kLargestZoom;
    while (zoom > kSmallestZoom) {
        const Size growth = growthAt(zoom);
        if (plain.outer.width + growth.width <= screen.width() && plain.outer.height + growth.height <= screen.height())
            break;
        --zoom;
    }
    return zoom;
}

int setZoom(int zoom)
{
    rememberPlainLayout();
    if (!plain.known)
        return zoomShown;
    zoom = std::clamp(zoom, kSmallestZoom, kLargestZoom);
    if (zoom == zoomShown)
        return zoomShown;
    zoomShown = zoom;

    const Size growth = growthAt(zoom);
    const Size client{plain.client.width + growth.width, plain.client.height + growth.height};
    const RECT outer = mainWindow->windowRect();
    mainWindow->move(outer.left, outer.top, kMainWindowWidth + growth.width, kMainWindowHeight + growth.height);
    tabControl->move(0, kTopRowHeight, client.width, client.height - kTopRowHeight);
    // The scale first: the picture keeps the view's size while the area grows.
    swc::setWindowScale(editArea->handle(), zoom);
    editArea->move(0, kEditAreaTop, plain.editArea.width * zoom, plain.editArea.height * zoom);

    // Keep the window on the screen when it grew past its edge; what does not fit
    // scrolls.
    if (QWidget* window = mainWindow->handle()) {
        const QRect screen = availableScreenArea();
        QRect frame = window->frameGeometry();
        if (zoom > kSmallestZoom && !screen.isEmpty() && !screen.contains(frame)) {
            const QSize border = frame.size() - window->size();
            window->resize(window->size().boundedTo(screen.size() - border));
            frame = window->frameGeometry();
            frame.moveRight(std::min(frame.right(), screen.right()));
            frame.moveBottom(std::min(frame.bottom(), screen.bottom()));
            frame.moveLeft(std::max(frame.left(), screen.left()));
            frame.moveTop(std::max(frame.top(), screen.top()));
            window->move(frame.topLeft());
        }
    }
    saveZoom(zoomShown);
    requestFrame();
    return zoomShown;
}

void zoomIn()
{
    setZoom(zoomShown + 1);
}

void zoomOut()
{
    setZoom(zoomShown - 1);
}

void zoomToActualSize()
{
    setZoom(kSmallestZoom);
}
