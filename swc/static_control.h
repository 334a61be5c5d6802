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

    // The part of the control that the paint under way covers, and drawing the picture
    // there, enlarged as the control's scale says; only valid during its paint.
    void beginPaint(const QRegion& region);
    void paintPicture();
    // Repaints the part of the control that shows the changed part of the picture.
    void updatePicture(const QRegion& changed);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage image;
    QRegion paintRegion;
};

}  // namespace swc
