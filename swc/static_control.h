#pragma once

// The widget of a "STATIC" control: a surface that shows a picture the program draws
// into. The picture is always as large as the control and starts white. The control
// itself takes no mouse input: like the platform's static control it is transparent
// to hit tests, so its mouse events go on to the window beneath.

#include <QImage>
#include <QWidget>

namespace swc {

class StaticControl : public QWidget {
public:
    explicit StaticControl(QWidget* parent);

    QImage& picture() { return image; }

    // Draws the picture onto the control; only valid during the control's paint.
    void paintPicture();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage image;
};

}  // namespace swc
