#include <gtest/gtest.h>

#include "model/surface.h"

namespace {

// A source whose every pixel names its own position.
Surface numberedSurface(int width, int height)
{
    Surface surface(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            surface.setPixel(x, y, rgb(0x20, std::uint8_t(y), std::uint8_t(x)));
    return surface;
}

Colour at(int x, int y)
{
    return rgb(0x20, std::uint8_t(y), std::uint8_t(x));
}

}  // namespace

TEST(SurfaceStretch, EnlargingRepeatsWholePixelsAndHalvingKeepsTheEvenOnes)
{
    const Surface source = numberedSurface(8, 8);
    Surface target(40, 40);
    target.stretch(source, {2, 3, 4, 4}, {4, 4, 16, 16});
    EXPECT_EQ(target.pixel(4, 4), at(2, 3));
    EXPECT_EQ(target.pixel(7, 7), at(2, 3));
    EXPECT_EQ(target.pixel(8, 7), at(3, 3));
    EXPECT_EQ(target.pixel(19, 19), at(5, 6));
    EXPECT_EQ(target.pixel(20, 20), kBlack);

    Surface half(8, 8);
    half.stretch(source, {0, 0, 8, 8}, {0, 0, 4, 4});
    EXPECT_EQ(half.pixel(0, 0), at(0, 0));
    EXPECT_EQ(half.pixel(1, 0), at(2, 0));
    EXPECT_EQ(half.pixel(3, 3), at(6, 6));
    EXPECT_EQ(half.pixel(4, 4), kBlack);
}

TEST(SurfaceStretch, ClipsTargetAndSourceAtTheirEdges)
{
    const Surface source = numberedSurface(8, 8);
    Surface target(10, 10);
    // Starts left of and above the target, and reaches past the source's right edge.
    target.stretch(source, {6, 0, 4, 4}, {-2, -2, 8, 8});
    EXPECT_EQ(target.pixel(0, 0), at(7, 1));
    EXPECT_EQ(target.pixel(1, 1), at(7, 1));
    EXPECT_EQ(target.pixel(2, 0), kBlack);  // source column 8 lies off the source
    EXPECT_EQ(target.pixel(0, 5), at(7, 3));
    EXPECT_EQ(target.pixel(0, 6), kBlack);

    Surface small(4, 4);
    small.stretch(source, {0, 0, 8, 8}, {2, 2, 8, 8});
    EXPECT_EQ(small.pixel(3, 3), at(1, 1));
    EXPECT_EQ(small.pixel(1, 1), kBlack);
}

TEST(SurfaceCopy, ClipsANegativeTargetAndASourceThatOverhangsTogether)
{
    const Surface source = numberedSurface(8, 8);
    Surface target(6, 6);
    // From (5, 4), 6 x 6 wide: reaches past the source's edges; placed at (-2, -1).
    target.copy(source, 5, 4, 6, 6, -2, -1);
    EXPECT_EQ(target.pixel(0, 0), at(7, 5));
    EXPECT_EQ(target.pixel(0, 2), at(7, 7));
    EXPECT_EQ(target.pixel(1, 0), kBlack);  // source column 8 lies off the source
    EXPECT_EQ(target.pixel(0, 3), kBlack);
}
