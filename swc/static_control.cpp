#include "swc/static_control.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cstdlib>

#include "memory/fresh_pages.h"
#include "swc/window_scale.h"

namespace swc {

namespace {

// A picture whose pixels are mapped in one go (see mapFreshPages) rather than faulted
// in by the first fill.
QImage mappedPicture(const QSize& size)
{
    const qsizetype bytesPerLine = qsizetype(size.width()) * 4;
    const std::size_t bytes = std::size_t(bytesPerLine) * std::size_t(size.height());
    void* pixels = std::malloc(bytes);
    if (!pixels)
        return QImage(size, QImage::Format_RGB32);
    mapFreshPages(pixels, bytes);
    return QImage(static_cast<uchar*>(pixels), size.width(), size.height(), bytesPerLine, QImage::Format_RGB32,
                  std::free, pixels);
}

}  // namespace

StaticControl::StaticControl(QWidget* parent) : QWidget(parent)
{
    // Movements without a button held must arrive too: every one is a hit test.
    setMouseTracking(true);
    // The picture covers the whole control; Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StaticControl::paintPicture()
{
    const QRegion region = paintRegion.isEmpty() ? QRegion(rect()) : paintRegion;
    QPainter painter(this);
    const int scale = windowScale(this);
    if (scale == 1) {
        painter.drawImage(0, 0, image);
        return;
    }
    // Each pixel of the picture becomes a block of one colour: no smoothing. Only the
    // pixels under the region to paint are enlarged.
    for (const QRect& part : region) {
        const QRect source = fromScreen(this, part) & image.rect();
        if (!source.isEmpty())
            painter.drawImage(toScreen(this, source), image, source);
    }
}

void StaticControl::paintEvent(QPaintEvent* event)
{
    beginPaint(event->region());
    paintPicture();
}

void StaticControl::beginPaint(const QRegion& region)
{
    paintRegion = region;
}

void StaticControl::updatePicture(const QRegion& changed)
{
    update(toScreen(this, changed));
}

void StaticControl::resizeEvent(QResizeEvent* event)
{
    const QSize size = event->size() / windowScale(this);
    if (size.isEmpty()) {
        image = QImage();
        return;
    }
    // Keeps what was drawn where it still fits; the new part is white.
    QImage resized = mappedPicture(size);
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
