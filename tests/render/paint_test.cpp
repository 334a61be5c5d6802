#include <set>
#include <span>

#include "edit/step_buttons.h"
#include "model/view_geometry.h"
#include "render_fixture.h"

namespace {

class Paint : public RenderTest {};

bool inAny(std::span<const Rect> rects, int x, int y)
{
    for (const Rect& rect : rects)
        if (rect.contains(x, y))
            return true;
    return false;
}

}  // namespace

// The buttons lie over the editing area: what a view keeps out of its copy is exactly
// the buttons it shows, no button covers another, and each lies on the copied part.
TEST_F(Paint, EachViewLeavesOutOfItsCopyExactlyTheButtonsItShows)
{
    for (int view : {kViewMap, kViewObject, kViewMapSet, kViewChipSet, kViewChip}) {
        editor.curTab = view;
        const int shown = host.viewsShown;
        editor.paint();
        ASSERT_EQ(host.viewsShown, shown + 1) << view;

        const std::span<const StepButtonPlace> buttons = stepButtonPlaces(view);
        std::set<int> indices;
        for (const StepButtonPlace& button : buttons) {
            EXPECT_TRUE(button.index >= 0 && button.index < kStepButtonCount) << view;
            EXPECT_TRUE(indices.insert(button.index).second) << "button " << button.index << " twice in " << view;
        }
        for (int y = 0; y < kViewHeight; ++y)
            for (int x = 0; x < kViewWidth; ++x) {
                int covering = 0;
                for (const StepButtonPlace& button : buttons)
                    covering += button.rect.contains(x, y) ? 1 : 0;
                ASSERT_LE(covering, 1) << "buttons overlap at " << x << "," << y << " in " << view;
                ASSERT_EQ(inAny(host.lastLeftOut, x, y), covering == 1) << x << "," << y << " in " << view;
                if (covering == 1) {
                    ASSERT_TRUE(inAny(host.lastCopied, x, y)) << x << "," << y << " in " << view;
                }
            }
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

// A frame that finds what the last one drew from draws nothing, but still shows the
// view; a change to the tables, the editing state or a surface is drawn by the next.
TEST_F(Paint, ARefreshDrawsOnlyWhenWhatTheViewIsMadeOfChanged)
{
    editor.curTab = kViewChip;
    editor.refresh(0);
    const std::uint64_t drawn = editor.viewSurface.version();
    const int shown = host.viewsShown;
    editor.refresh(1);
    EXPECT_EQ(editor.viewSurface.version(), drawn);
    EXPECT_EQ(host.viewsShown, shown + 1);

    editor.curChip = 5;
    editor.refresh(0);
    EXPECT_NE(editor.viewSurface.version(), drawn);

    // Pixels written straight into the chip sheet reach the view.
    editor.chipSurface.fill({0, 0, 16, 16}, kWhite);
    editor.refresh(0);
    EXPECT_EQ(editor.viewSurface.pixel(8, 8), kWhite);
    editor.chipSurface.fill({0, 0, 16, 16}, kBlack);
    editor.refresh(0);
    EXPECT_EQ(editor.viewSurface.pixel(8, 8), kBlack);

    editor.viewSurface.fillAll(kWhite);
    editor.refresh(0);
    EXPECT_EQ(editor.viewSurface.pixel(10, 527), kBlack);
}
