#include <vector>

#include "render_fixture.h"

namespace {

struct ViewRects {
    int view;
    std::vector<Rect> copied;
    std::vector<Rect> leftOut;
};

class Paint : public RenderTest {};

} // namespace

TEST_F(Paint, EachViewShowsItsRectanglesLessItsStepButtons)
{
    const std::vector<Rect> aroundScrollBar{{0, 0, 512, 256}, {0, 272, 512, 256}};
    const std::vector<Rect> whole{{0, 0, 512, 528}};
    const std::vector<ViewRects> expected{
        {kViewMap, aroundScrollBar, {{128, 320, 80, 32}, {384, 320, 80, 32}}},
        {kViewObject, aroundScrollBar,
         {{188, 280, 80, 20}, {188, 328, 80, 20}, {188, 352, 80, 20}, {188, 376, 80, 20}, {288, 280, 48, 20}}},
        {kViewMapSet, whole, {}},
        {kViewChipSet, whole, {{0, 257, 72, 20}}},
        {kViewChip, whole, {{320, 288, 48, 20}, {320, 320, 80, 20}}},
    };
    for (const ViewRects& view : expected) {
        editor.curTab = view.view;
        const int shown = host.viewsShown;
        editor.paint();
        EXPECT_EQ(host.viewsShown, shown + 1) << view.view;
        EXPECT_EQ(host.lastCopied, view.copied) << view.view;
        EXPECT_EQ(host.lastLeftOut, view.leftOut) << view.view;
    }
}

TEST_F(Paint, EveryViewStartsFromABlackSurface)
{
    for (int view : {kViewMap, kViewObject, kViewMapSet, kViewChipSet, kViewChip}) {
        editor.viewSurface.fillAll(kWhite);
        editor.curTab = view;
        editor.paint();
        // Points that no view paints: in the scroll-bar band left of any sheet, and
        // on the last line, below the palette strip.
        EXPECT_EQ(editor.viewSurface.pixel(200, 262), kBlack) << view;
        EXPECT_EQ(editor.viewSurface.pixel(10, 527), kBlack) << view;
    }
}

TEST_F(Paint, AViewIndexOutsideTheFiveDrawsAndShowsNothing)
{
    for (int view : {-1, 5, 255}) {
        editor.curTab = view;
        editor.refresh(1);
    }
    EXPECT_EQ(host.viewsShown, 0);
    EXPECT_TRUE(host.texts.empty());
    EXPECT_EQ(editor.viewSurface.pixel(0, 0), kWhite);
    EXPECT_EQ(editor.viewSurface.pixel(511, 527), kWhite);
}

TEST_F(Paint, SurfacesAreCreatedWhiteAtTheirSizes)
{
    EXPECT_EQ(editor.viewSurface.width(), 512);
    EXPECT_EQ(editor.viewSurface.height(), 528);
    EXPECT_EQ(editor.chipSurface.width(), 256);
    EXPECT_EQ(editor.chipSurface.height(), 256);
    EXPECT_EQ(editor.chipSetSurface.width(), 512);
    EXPECT_EQ(editor.chipSetSurface.height(), 512);
    for (const Surface* surface : {&editor.viewSurface, &editor.chipSurface, &editor.chipSetSurface})
        EXPECT_EQ(surface->pixel(surface->width() - 1, surface->height() - 1), kWhite);
}

TEST_F(Paint, TextsHaveTheirFixedLengthAndLeadingZeros)
{
    editor.curTab = kViewObject;
    editor.curObject = 5;
    editor.object[0][5] = ObjectRecord{0x2F, 0x00, 0xFF, 0x0A};
    editor.paint();
    EXPECT_EQ(host.textAt(88, 280), "ID:05");
    EXPECT_EQ(host.textAt(88, 304), "Page:2F");
    EXPECT_EQ(host.textAt(88, 328), "X:00");
    EXPECT_EQ(host.textAt(88, 352), "Y:FF");
    EXPECT_EQ(host.textAt(88, 376), "Data:0A");

    // A value too wide for its digits keeps the text's length.
    host.clearTexts();
    editor.curTab = kViewMapSet;
    editor.viewPos = 0x123;
    editor.paint();
    EXPECT_EQ(host.textAt(64, 276), "Page:12");
}
