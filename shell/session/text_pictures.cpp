#include "shell/session/text_pictures.h"

#include <algorithm>
#include <cstring>

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace {

// More distinct texts than the views ever show at once; past it the cache starts over.
constexpr std::size_t kMaxTextPictures = 1024;

// Copies image onto surface with its top-left corner at (x, y), clipped to the surface.
void stamp(Surface& surface, int x, int y, const QImage& image)
{
    const Rect area = surface.drawableArea();
    const int left = std::max(x, area.x);
    const int right = std::min(x + image.width(), area.x + area.width);
    if (left >= right)
        return;
    const int top = std::max(y, area.y);
    const int bottom = std::min(y + image.height(), area.y + area.height);
    for (int row = top; row < bottom; ++row) {
        const auto* source = reinterpret_cast<const Colour*>(image.constScanLine(row - y)) + (left - x);
        Colour* target = surface.data() + std::size_t(row) * std::size_t(surface.width()) + left;
        std::memcpy(target, source, std::size_t(right - left) * sizeof(Colour));
    }
}

// The views' captions are part of their pictures, which must not change with the
// desktop's language or font settings: a Japanese locale makes the default font a CJK
// face, with other letter shapes and widths. So they always use the face the
// package depends on, at the size the default font had where the pictures were made.
QFont viewTextFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

}  // namespace

void TextPictures::draw(Surface& surface, int x, int y, std::string_view text)
{
    if (text.empty() || !surface.isCreated())
        return;
    stamp(surface, x, y, pictureOf(text));
}

const QImage& TextPictures::pictureOf(std::string_view text)
{
    std::string key(text);
    if (auto found = pictures_.find(key); found != pictures_.end())
        return found->second;
    if (pictures_.size() >= kMaxTextPictures)
        pictures_.clear();

    const QString string = QString::fromUtf8(text.data(), qsizetype(text.size()));
    const QFont font = viewTextFont();
    const QFontMetrics metrics(font);
    QImage image(std::max(metrics.horizontalAdvance(string), 1), std::max(metrics.height(), 1), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignTop, string);
    painter.end();
    return pictures_.emplace(std::move(key), std::move(image)).first->second;
}
