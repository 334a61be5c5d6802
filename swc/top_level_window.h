#pragma once

// The widget of a top-level window made by SWC::create. It turns its Qt events into
// the messages of its window procedure: keys, mouse buttons, activation and the close
// box. After the procedure has run, the event carries on as Qt handles it.

#include <QWidget>
#include <cstdint>

namespace swc {

class TopLevelWindow : public QWidget {
public:
    explicit TopLevelWindow(std::uint32_t windowStyle);

    // A window without a sizing border keeps the size the program gives it.
    bool isResizable() const { return resizable; }

    // Puts bar across the top of the window, outside the client area as the
    // platform's menus are: the client area, and the places the program gives the
    // window's children, start under it, and the window grows by its height.
    void setMenuBar(QWidget* bar);
    // Where the client area starts: the menu bar's height, or 0 without one.
    int clientTop() const { return menuHeight; }

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool resizable;
    QWidget* menuBar = nullptr;
    int menuHeight = 0;
};

}  // namespace swc
