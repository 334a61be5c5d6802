#include "render/surface.h"

#include <algorithm>
#include <cstring>

void Surface::create(int width, int height)
{
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(std::size_t(width_) * std::size_t(height_), kBlack);
}

Colour Surface::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return kBlack;
    return pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
}

void Surface::setPixel(int x, int y, Colour colour)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)] = colour;
}

void Surface::fill(const Rect& rect, Colour colour)
{
    const int left = std::max(rect.x, 0);
    const int top = std::max(rect.y, 0);
    const int right = std::min(rect.x + rect.width, width_);
    const int bottom = std::min(rect.y + rect.height, height_);
    if (left >= right || top >= bottom)
        return;
    for (int y = top; y < bottom; ++y) {
        Colour* row = pixels_.data() + std::size_t(y) * std::size_t(width_);
        std::fill(row + left, row + right, colour);
    }
}

void Surface::copy(const Surface& source, int sourceX, int sourceY, int width, int height, int x, int y)
{
    // Clip against the source, then against the target, moving both origins together.
    if (sourceX < 0) { width += sourceX; x -= sourceX; sourceX = 0; }
    if (sourceY < 0) { height += sourceY; y -= sourceY; sourceY = 0; }
    if (x < 0) { width += x; sourceX -= x; x = 0; }
    if (y < 0) { height += y; sourceY -= y; y = 0; }
    width = std::min({width, source.width_ - sourceX, width_ - x});
    height = std::min({height, source.height_ - sourceY, height_ - y});
    if (width <= 0 || height <= 0)
        return;
    const std::size_t rowBytes = std::size_t(width) * sizeof(Colour);
    for (int row = 0; row < height; ++row) {
        const Colour* from = source.pixels_.data() + std::size_t(sourceY + row) * std::size_t(source.width_) + std::size_t(sourceX);
        Colour* to = pixels_.data() + std::size_t(y + row) * std::size_t(width_) + std::size_t(x);
        std::memmove(to, from, rowBytes);
    }
}

void Surface::stretch(const Surface& source, const Rect& sourceRect, const Rect& targetRect)
{
    if (sourceRect.width <= 0 || sourceRect.height <= 0 || targetRect.width <= 0 || targetRect.height <= 0)
        return;
    // Nearest-neighbour mapping: target pixel i takes source pixel i * sourceSize / targetSize,
    // which repeats pixels when enlarging and keeps the even ones when halving.
    for (int ty = 0; ty < targetRect.height; ++ty) {
        const int y = targetRect.y + ty;
        if (y < 0 || y >= height_)
            continue;
        const int sy = sourceRect.y + int((long long)ty * sourceRect.height / targetRect.height);
        if (sy < 0 || sy >= source.height_)
            continue;
        const Colour* from = source.pixels_.data() + std::size_t(sy) * std::size_t(source.width_);
        Colour* to = pixels_.data() + std::size_t(y) * std::size_t(width_);
        for (int tx = 0; tx < targetRect.width; ++tx) {
            const int x = targetRect.x + tx;
            if (x < 0 || x >= width_)
                continue;
            const int sx = sourceRect.x + int((long long)tx * sourceRect.width / targetRect.width);
            if (sx < 0 || sx >= source.width_)
                continue;
            to[x] = from[sx];
        }
    }
}
