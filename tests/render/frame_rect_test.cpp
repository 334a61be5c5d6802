#include <gtest/gtest.h>

#include "render/frame_rect.h"

namespace {

constexpr Colour kMark = rgb(0x12, 0x34, 0x56);

int countMarked(const Surface& surface)
{
    int count = 0;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            count += surface.pixel(x, y) == kMark;
    return count;
}

}  // namespace

TEST(FrameRect, OutlinesWidthPlusOneByHeightPlusOneWithoutTheBottomRightCorner)
{
    Surface surface(20, 20);
    frameRect(surface, 2, 3, 5, 4, kMark);
    // Top and bottom rows x 2..6, left and right columns y 3..6.
    for (int x = 2; x <= 6; ++x) {
        EXPECT_EQ(surface.pixel(x, 3), kMark) << x;
        EXPECT_EQ(surface.pixel(x, 7), kMark) << x;
    }
    for (int y = 3; y <= 6; ++y) {
        EXPECT_EQ(surface.pixel(2, y), kMark) << y;
        EXPECT_EQ(surface.pixel(7, y), kMark) << y;
    }
    EXPECT_NE(surface.pixel(7, 7), kMark);  // the missing corner
    EXPECT_NE(surface.pixel(4, 5), kMark);  // the inside stays as it was
    EXPECT_EQ(countMarked(surface), 2 * (5 + 4) - 1);
}

TEST(FrameRect, ClipsAtTheSurfaceEdges)
{
    // A frame starting at -1 loses its left and top lines.
    Surface surface(32, 32);
    frameRect(surface, -1, -1, 17, 17, kMark);
    EXPECT_NE(surface.pixel(0, 5), kMark);
    EXPECT_NE(surface.pixel(5, 0), kMark);
    EXPECT_EQ(surface.pixel(16, 0), kMark);
    EXPECT_EQ(surface.pixel(0, 16), kMark);
    EXPECT_NE(surface.pixel(16, 16), kMark);
    EXPECT_EQ(countMarked(surface), 16 + 16);

    // One reaching past the right and bottom edges keeps what lies on the surface.
    Surface small(8, 8);
    frameRect(small, 4, 4, 10, 10, kMark);
    EXPECT_EQ(small.pixel(7, 4), kMark);
    EXPECT_EQ(small.pixel(4, 7), kMark);
    EXPECT_EQ(countMarked(small), 4 + 3);
}

TEST(FillRect, SetsExactlyTheHalfOpenBoxAndClips)
{
    Surface surface(10, 10);
    fillRect(surface, 1, 2, 3, 4, kMark);
    EXPECT_EQ(surface.pixel(1, 2), kMark);
    EXPECT_EQ(surface.pixel(3, 5), kMark);
    EXPECT_NE(surface.pixel(4, 5), kMark);
    EXPECT_NE(surface.pixel(3, 6), kMark);
    EXPECT_EQ(countMarked(surface), 12);

    Surface clipped(10, 10);
    fillRect(clipped, -2, 8, 4, 5, kMark);
    EXPECT_EQ(countMarked(clipped), 2 * 2);
}
