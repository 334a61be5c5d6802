#include "shell/main_window/view_picture.h"

#include <cstring>

#include <QImage>

QRegion shownRegion(const Surface& view, const QImage& picture, std::span<const Rect> copied,
                    std::span<const Rect> leftOut)
{
    QRegion region;
    for (const Rect& r : copied)
        region += QRect(r.x, r.y, r.width, r.height);
    for (const Rect& r : leftOut)
        region -= QRect(r.x, r.y, r.width, r.height);
    return region & QRect(0, 0, view.width(), view.height()) & picture.rect();
}

QRegion copyChangedPixels(const Surface& view, QImage& picture, const QRegion& region)
{
    QRegion changed;
    for (const QRect& rect : region) {
        const std::size_t rowBytes = std::size_t(rect.width()) * sizeof(Colour);
        int firstChanged = -1;
        int lastChanged = -1;
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            const Colour* source = view.data() + std::size_t(y) * std::size_t(view.width()) + rect.left();
            // constScanLine first: scanLine() would detach a shared image even when
            // nothing changes.
            const auto* target = reinterpret_cast<const Colour*>(picture.constScanLine(y)) + rect.left();
            if (std::memcmp(source, target, rowBytes) == 0)
                continue;
            std::memcpy(reinterpret_cast<Colour*>(picture.scanLine(y)) + rect.left(), source, rowBytes);
            if (firstChanged < 0)
                firstChanged = y;
            lastChanged = y;
        }
        if (firstChanged >= 0)
            changed += QRect(rect.left(), firstChanged, rect.width(), lastChanged - firstChanged + 1);
    }
    return changed;
}
