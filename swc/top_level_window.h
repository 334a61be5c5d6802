#pragma once

// The widget of a top-level window made by SWC::create: a main window with a menu bar,
// panels that dock around it, and in its middle the client area, in a scroll area so
// that a client area larger than the window can be scrolled into sight. It turns its
// Qt events into the messages of its window procedure: keys, mouse buttons in the
// client area, activation and the close box. After the procedure has run, the event
// carries on as Qt handles it.

#include <QMainWindow>
#include <cstdint>

class QScrollArea;

namespace swc {

class TopLevelWindow : public QMainWindow {
public:
    explicit TopLevelWindow(std::uint32_t windowStyle);

    // A window without a sizing border keeps the size the program gives it.
    bool isResizable() const { return resizable; }

    // The widget the program's controls are children of; its coordinates are the
    // client coordinates of every control and mouse message.
    QWidget* clientArea() const { return client; }
    QScrollArea* clientScroll() const { return scroll; }

    // Gives the client area its size; the window grows or shrinks by as much. A
    // window made smaller than that scrolls its client area.
    void setClientSize(QSize size);
    QSize clientSize() const;
    // After a panel was docked or taken away: the window grows or shrinks so that the
    // client area shows whole again, as far as the screen's available area allows.
    void fitAroundClientArea();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // What the menu bar and the docked panels take of the window.
    QSize aroundClientArea() const;

    bool resizable;
    QScrollArea* scroll;
    QWidget* client;
};

// The top-level window whose client area widget is, or nullptr.
TopLevelWindow* ownerOfClientArea(QWidget* widget);

}  // namespace swc
