#include "swc/static_control.h"

#include <QMouseEvent>
#include <QPainter>

namespace swc {

StaticControl::StaticControl(QWidget* parent) : QWidget(parent)
{
    // Movements without a button held must arrive too: every one is a hit test.
    setMouseTracking(true);
    // The picture covers the whole control; Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StaticControl::paintPicture()
{
    QPainter painter(this);
    painter.drawImage(0, 0, image);
}

void StaticControl::paintEvent(QPaintEvent*)
{
    paintPicture();
}

void StaticControl::resizeEvent(QResizeEvent* event)
{
    const QSize size = event->size();
    if (size.isEmpty()) {
        image = QImage();
        return;
    }
    // Keeps what was drawn where it still fits; the new part is white.
    QImage resized(size, QImage::Format_RGB32);
    resized.fill(Qt::white);
    if (!image.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(0, 0, image);
    }
    image = std::move(resized);
}

void StaticControl::mousePressEvent(QMouseEvent* event)
{
    event->ignore();
}

void StaticControl::mouseReleaseEvent(QMouseEvent* event)
{
    event->ignore();
}

void StaticControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->ignore();
}

void StaticControl::mouseMoveEvent(QMouseEvent* event)
{
    event->ignore();
}

}  // namespace swc
