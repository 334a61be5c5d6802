#include "shell/view_zoom.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "shell/app_state.h"
#include "shell/main_window.h"
#include "shell/message_loop.h"
#include "swc/window_scale.h"

namespace {

int zoomShown = kSmallestZoom;

struct Size {
    int width;
    int height;
};

// The editing area's size at 1x (its client size, as the layout made it), and the
// main window's client and frame sizes then; everything at another zoom is made from
// these, so that 1x stays exactly as the layout left it.
struct PlainLayout {
    Size editArea{};
    Size client{};
    Size frame{};
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
    plain.frame = {(outer.right - outer.left) - client.right, (outer.bottom - outer.top) - client.bottom};
    plain.known = true;
}

// The main window's client size at zoom: the editing area grows by whole view pixels,
// and the part of it below the client area (its lowest rows, hidden at 1x) grows with
// it, so every zoom shows the same part of the view.
Size clientAt(int zoom)
{
    const int hiddenRows = kEditAreaTop + plain.editArea.height - plain.client.height;
    return {plain.client.width + plain.editArea.width * (zoom - 1),
            plain.client.height + (plain.editArea.height - hiddenRows) * (zoom - 1)};
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
        const Size client = clientAt(zoom);
        if (client.width + plain.frame.width <= screen.width() && client.height + plain.frame.height <= screen.height())
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
    zoom = std::clamp(zoom, kSmallestZoom, largestZoomThatFits());
    if (zoom == zoomShown)
        return zoomShown;
    zoomShown = zoom;

    const Size client = clientAt(zoom);
    const RECT outer = mainWindow->windowRect();
    mainWindow->move(outer.left, outer.top, client.width + plain.frame.width, client.height + plain.frame.height);
    tabControl->move(0, kTopRowHeight, client.width, client.height - kTopRowHeight);
    // The scale first: the picture keeps the view's size while the area grows.
    swc::setWindowScale(editArea->handle(), zoom);
    editArea->move(0, kEditAreaTop, plain.editArea.width * zoom, plain.editArea.height * zoom);

    // Keep the window on the screen when it grew past its edge.
    if (QWidget* window = mainWindow->handle()) {
        const QRect screen = availableScreenArea();
        QRect frame = window->frameGeometry();
        if (!screen.isEmpty() && !screen.contains(frame)) {
            frame.moveRight(std::min(frame.right(), screen.right()));
            frame.moveBottom(std::min(frame.bottom(), screen.bottom()));
            frame.moveLeft(std::max(frame.left(), screen.left()));
            frame.moveTop(std::max(frame.top(), screen.top()));
            window->move(frame.topLeft());
        }
    }
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
