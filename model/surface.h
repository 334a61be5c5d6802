#pragma once

#include <cstdint>
#include <vector>

// A colour as 0xFFRRGGBB: the layout of a 32-bit RGB image in memory, so the
// application can show a surface without converting it.
using Colour = std::uint32_t;

constexpr Colour rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return 0xFF000000u | (Colour(red) << 16) | (Colour(green) << 8) | Colour(blue);
}

inline constexpr Colour kWhite = rgb(0xFF, 0xFF, 0xFF);
inline constexpr Colour kBlack = rgb(0x00, 0x00, 0x00);

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool contains(int px, int py) const { return px >= x && px < x + width && py >= y && py < y + height; }
    bool contains(const Rect& r) const
    {
        return r.x >= x && r.y >= y && r.x + r.width <= x + width && r.y + r.height <= y + height;
    }
    bool intersects(const Rect& r) const
    {
        return r.x < x + width && x < r.x + r.width && r.y < y + height && y < r.y + r.height;
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// An off-screen image of plain 32-bit pixels. Every operation clips to the surface and
// to the clip rectangle while one is set: pixels that would fall outside them are left
// alone, and a surface that has not been created yet ignores all drawing.
class Surface {
public:
    Surface() = default;
    Surface(int width, int height) { create(width, height); }

    // Makes a width x height image, all black or all of fill.
    void create(int width, int height, Colour fill = kBlack);

    int width() const { return width_; }
    int height() const { return height_; }
    bool isCreated() const { return !pixels_.empty(); }

    // A new value after every call that may change the pixels, writable access to them
    // included, so whoever keeps a copy can tell that nothing was drawn since. Values
    // are never reused, not even by another surface.
    std::uint64_t version() const { return version_; }

    const Colour* data() const { return pixels_.data(); }
    Colour* data()
    {
        touch();
        return pixels_.data();
    }
    // Bytes from one row to the next.
    int bytesPerLine() const { return width_ * int(sizeof(Colour)); }

    // While a clip is set, drawing changes only the pixels inside it, so that drawing a
    // whole picture again redraws just that part of it, exactly as it would be drawn in
    // full. Whoever writes through data() keeps to drawableArea() as well.
    void setClip(const Rect& clip)
    {
        clip_ = clip;
        clipped_ = true;
    }
    void clearClip() { clipped_ = false; }
    // The pixels that drawing may change now: the surface, within the clip if any.
    Rect drawableArea() const;

    // The colour at (x, y); black for a point outside the surface.
    Colour pixel(int x, int y) const;
    void setPixel(int x, int y, Colour colour);

    // Fills the part of rect that lies on the surface.
    void fill(const Rect& rect, Colour colour);
    void fillAll(Colour colour) { fill({0, 0, width_, height_}, colour); }

    // Copies a width x height block of source at (sourceX, sourceY) 1:1 to (x, y).
    // Only pixels inside both surfaces are copied. source may be this surface when
    // the two blocks do not overlap.
    void copy(const Surface& source, int sourceX, int sourceY, int width, int height, int x, int y);

    // Copies sourceRect of source into targetRect, scaled to its size by repeating or
    // dropping whole rows and columns; colours are never blended.
    void stretch(const Surface& source, const Rect& sourceRect, const Rect& targetRect);

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Colour> pixels_;
    std::uint64_t version_ = 0;
    Rect clip_;
    bool clipped_ = false;

    void touch();
};
