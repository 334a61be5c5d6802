#include "swc/window_scale.h"

#include <QFont>
#include <QHash>
#include <QVariant>
#include <QWidget>
#include <algorithm>

namespace swc {
namespace {

constexpr const char* kPlace = "swcPlace";
constexpr const char* kFontSize = "swcFontSize";
constexpr int kLargestScale = 8;

// The scale of each window whose scale was set. Every paint of the editing area asks
// for it, so it is found by the window's address rather than as a named property,
// which the toolkit looks up by comparing names. Never freed: a window can go after
// the program's static objects.
QHash<const QWidget*, int>& scales()
{
    static auto* byWindow = new QHash<const QWidget*, int>;
    return *byWindow;
}

int floorDiv(int value, int by)
{
    return value >= 0 ? value / by : -((-value + by - 1) / by);
}

// A child's font grows with it; its size at scale 1 is kept the first time.
void scaleFont(QWidget* child, int scale)
{
    QVariant base = child->property(kFontSize);
    QFont font = child->font();
    if (!base.isValid()) {
        if (font.pixelSize() <= 0)
            return;  // a font in points keeps its size
        base = font.pixelSize();
        child->setProperty(kFontSize, base);
    }
    font.setPixelSize(base.toInt() * scale);
    child->setFont(font);
}

}  // namespace

int windowScale(const QWidget* window)
{
    if (!window)
        return 1;
    return scales().value(window, 1);
}

void setWindowScale(QWidget* window, int scale)
{
    if (!window)
        return;
    scale = std::clamp(scale, 1, kLargestScale);
    if (!scales().contains(window))
        QObject::connect(window, &QObject::destroyed, [window] { scales().remove(window); });
    scales().insert(window, scale);
    for (QWidget* child : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QVariant place = child->property(kPlace);
        if (place.isValid())
            child->setGeometry(toScreen(window, place.toRect()));
        scaleFont(child, scale);
    }
    window->update();
}

void placeChild(QWidget* child, const QRect& unscaled)
{
    child->setProperty(kPlace, unscaled);
    child->setGeometry(toScreen(child->parentWidget(), unscaled));
    const int scale = windowScale(child->parentWidget());
    if (scale != 1 || child->property(kFontSize).isValid())
        scaleFont(child, scale);
}

QRect toScreen(const QWidget* window, const QRect& unscaled)
{
    const int n = windowScale(window);
    return QRect(unscaled.x() * n, unscaled.y() * n, unscaled.width() * n, unscaled.height() * n);
}

QRegion toScreen(const QWidget* window, const QRegion& unscaled)
{
    if (windowScale(window) == 1)
        return unscaled;
    QRegion scaled;
    for (const QRect& rect : unscaled)
        scaled += toScreen(window, rect);
    return scaled;
}

QPoint fromScreen(const QWidget* window, const QPoint& scaled)
{
    const int n = windowScale(window);
    return QPoint(floorDiv(scaled.x(), n), floorDiv(scaled.y(), n));
}

QRect fromScreen(const QWidget* window, const QRect& scaled)
{
    return QRect(fromScreen(window, scaled.topLeft()), fromScreen(window, scaled.bottomRight()));
}

}  // namespace swc
