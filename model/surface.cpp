#include "model/surface.h"

#include <algorithm>
#include <cstring>

#include "memory/fresh_pages.h"

namespace {
// Surfaces are drawn on the one thread that runs the editor; a plain counter keeps the
// many small drawing calls cheap.
std::uint64_t lastVersion = 0;
}  // namespace

void Surface::touch()
{
    version_ = ++lastVersion;
}

void Surface::create(int width, int height, Colour fill)
{
    touch();
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    assignMapped(pixels_, std::size_t(width_) * std::size_t(height_), fill);
}

Rect Surface::drawableArea() const
{
    if (!clipped_)
        return {0, 0, width_, height_};
    const int left = std::max(clip_.x, 0);
    const int top = std::max(clip_.y, 0);
    const int right = std::min(clip_.x + clip_.width, width_);
    const int bottom = std::min(clip_.y + clip_.height, height_);
    return {left, top, std::max(right - left, 0), std::max(bottom - top, 0)};
}

Colour Surface::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return kBlack;
    return pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
}

void Surface::setPixel(int x, int y, Colour colour)
{
    touch();
    if (!drawableArea().contains(x, y))
        return;
    pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)] = colour;
}

void Surface::fill(const Rect& rect, Colour colour)
{
    touch();
    const Rect area = drawableArea();
    const int left = std::max(rect.x, area.x);
    const int top = std::max(rect.y, area.y);
    const int right = std::min(rect.x + rect.width, area.x + area.width);
    const int bottom = std::min(rect.y + rect.height, area.y + area.height);
    if (left >= right || top >= bottom)
        return;
    for (int y = top; y < bottom; ++y) {
        Colour* row = pixels_.data() + std::size_t(y) * std::size_t(width_);
        std::fill(row + left, row + right, colour);
    }
}

void Surface::copy(const Surface& source, int sourceX, int sourceY, int width, int height, int x, int y)
{
    touch();
    // Clip against the source, then against the target, moving both origins together.
    const Rect area = drawableArea();
    if (sourceX < 0) {
        width += sourceX;
        x -= sourceX;
        sourceX = 0;
    }
    if (sourceY < 0) {
        height += sourceY;
        y -= sourceY;
        sourceY = 0;
    }
    if (x < area.x) {
        width -= area.x - x;
        sourceX += area.x - x;
        x = area.x;
    }
    if (y < area.y) {
        height -= area.y - y;
        sourceY += area.y - y;
        y = area.y;
    }
    width = std::min({width, source.width_ - sourceX, area.x + area.width - x});
    height = std::min({height, source.height_ - sourceY, area.y + area.height - y});
    if (width <= 0 || height <= 0)
        return;
    const std::size_t rowBytes = std::size_t(width) * sizeof(Colour);
    for (int row = 0; row < height; ++row) {
        const Colour* from =
            source.pixels_.data() + std::size_t(sourceY + row) * std::size_t(source.width_) + std::size_t(sourceX);
        Colour* to = pixels_.data() + std::size_t(y + row) * std::size_t(width_) + std::size_t(x);
        std::memmove(to, from, rowBytes);
    }
}

void Surface::stretch(const Surface& source, const Rect& sourceRect, const Rect& targetRect)
{
    touch();
    const Rect area = drawableArea();
    if (sourceRect.width <= 0 || sourceRect.height <= 0 || targetRect.width <= 0 || targetRect.height <= 0)
        return;
    // Nearest-neighbour mapping: target pixel i takes source pixel i * sourceSize / targetSize,
    // which repeats pixels when enlarging and keeps the even ones when halving.
    auto sourceOffset = [](int i, int sourceSize, int targetSize) {
        return int((long long)i * sourceSize / targetSize);
    };
    // The column mapping is the same for every row, so it is worked out once. Both the
    // target and the source column grow with i, so the columns that lie on both
    // surfaces form one run [first, last).
    std::vector<int> sourceColumns;
    sourceColumns.reserve(std::size_t(targetRect.width));
    int first = -1;
    for (int i = 0; i < targetRect.width; ++i) {
        const int x = targetRect.x + i;
        const int sx = sourceRect.x + sourceOffset(i, sourceRect.width, targetRect.width);
        if (x < area.x || x >= area.x + area.width || sx < 0 || sx >= source.width_) {
            if (first >= 0)
                break;
            continue;
        }
        if (first < 0)
            first = i;
        sourceColumns.push_back(sx);
    }
    if (sourceColumns.empty())
        return;
    const int left = targetRect.x + first;
    const std::size_t count = sourceColumns.size();
    const int* columns = sourceColumns.data();

    const Colour* previousRow = nullptr;
    int previousSourceY = -1;
    for (int i = 0; i < targetRect.height; ++i) {
        const int y = targetRect.y + i;
        const int sy = sourceRect.y + sourceOffset(i, sourceRect.height, targetRect.height);
        if (y < area.y || y >= area.y + area.height || sy < 0 || sy >= source.height_)
            continue;
        Colour* to = pixels_.data() + std::size_t(y) * std::size_t(width_) + std::size_t(left);
        if (sy == previousSourceY) {
            // An enlarged row repeats the one just written.
            std::memcpy(to, previousRow, count * sizeof(Colour));
        } else {
            const Colour* from = source.pixels_.data() + std::size_t(sy) * std::size_t(source.width_);
            for (std::size_t c = 0; c < count; ++c)
                to[c] = from[columns[c]];
        }
        previousRow = to;
        previousSourceY = sy;
    }
}
