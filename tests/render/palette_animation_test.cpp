#include "render_fixture.h"

namespace {

class PaletteAnimationTest : public RenderTest {
protected:
    // Animation a with frames whose colours are (10 f + 1, 10 f + 2, 10 f + 3).
    PaletteAnimation& makeAnimation(int a, int frameCount, std::uint8_t delay)
    {
        PaletteAnimation& animation = editor.palAnim[a];
        animation.frames.clear();
        for (int f = 0; f < frameCount; ++f)
            animation.frames.push_back(
                ColourTriple{std::uint8_t(10 * f + 1), std::uint8_t(10 * f + 2), std::uint8_t(10 * f + 3)});
        animation.delay = delay;
        return animation;
    }
    std::uint8_t colour(int p, int c) { return palette().colour[p][c]; }
};

}  // namespace

TEST_F(PaletteAnimationTest, CountsTicksCarriesTheRemainderAndAdvancesOneFramePerCall)
{
    PaletteAnimation& animation = makeAnimation(7, 4, 3);
    setSubPalette(2, 0x30, 0, 0, 0, 0x87);

    editor.stepPaletteAnimations(2);
    EXPECT_EQ(animation.counter, 2);
    EXPECT_EQ(animation.frame, 0);
    EXPECT_EQ(colour(2, 1), 1);  // frame 0 applied even without advancing

    editor.stepPaletteAnimations(10);  // 12 ticks gathered: one frame only, 9 carried
    EXPECT_EQ(animation.frame, 1);
    EXPECT_EQ(animation.counter, 9);
    EXPECT_EQ(colour(2, 1), 11);
    EXPECT_EQ(colour(2, 2), 12);
    EXPECT_EQ(colour(2, 3), 13);
    EXPECT_EQ(colour(2, 0), 0x30);  // colour 0 is never animated

    editor.stepPaletteAnimations(0);  // the carried counter still reaches the delay
    EXPECT_EQ(animation.frame, 2);
    EXPECT_EQ(animation.counter, 6);
}

TEST_F(PaletteAnimationTest, SelectorsNameAllSixtyFourAnimations)
{
    makeAnimation(0x05, 2, 0);
    PaletteAnimation& high = makeAnimation(0x25, 2, 0);
    high.frames[1] = ColourTriple{0x31, 0x32, 0x33};
    setSubPalette(1, 0x0F, 0, 0, 0, 0x80 | 0x25);

    editor.stepPaletteAnimations(1);
    EXPECT_EQ(high.frame, 1);
    EXPECT_EQ(editor.palAnim[0x05].frame, 0);
    EXPECT_EQ(colour(1, 1), 0x31);
}

TEST_F(PaletteAnimationTest, FrameWrapsAtTheFrameCountAndASingleFrameStays)
{
    PaletteAnimation& cycling = makeAnimation(1, 3, 0);
    PaletteAnimation& single = makeAnimation(2, 1, 0);
    setSubPalette(0, 0, 0, 0, 0, 0x81);
    setSubPalette(1, 0, 0, 0, 0, 0x82);
    for (int call = 0; call < 3; ++call)
        editor.stepPaletteAnimations(1);
    EXPECT_EQ(cycling.frame, 0);
    EXPECT_EQ(colour(0, 1), 1);
    EXPECT_EQ(single.frame, 0);
    EXPECT_EQ(colour(1, 3), 3);
}

TEST_F(PaletteAnimationTest, DelayZeroAdvancesOnEveryCallIncludingZeroTicks)
{
    PaletteAnimation& animation = makeAnimation(0, 5, 0);
    setSubPalette(3, 0, 0, 0, 0, 0x80);
    editor.stepPaletteAnimations(0);
    editor.stepPaletteAnimations(0);
    EXPECT_EQ(animation.frame, 2);
    EXPECT_EQ(animation.counter, 0);
    EXPECT_EQ(colour(3, 1), 21);
}

TEST_F(PaletteAnimationTest, OnlyTheLowEightBitsOfTicksAndCounterCount)
{
    PaletteAnimation& animation = makeAnimation(5, 2, 200);
    setSubPalette(0, 0, 0, 0, 0, 0x85);
    editor.stepPaletteAnimations(256);
    EXPECT_EQ(animation.counter, 0);
    editor.stepPaletteAnimations(256 + 190);
    EXPECT_EQ(animation.counter, 190);
    EXPECT_EQ(animation.frame, 0);
    editor.stepPaletteAnimations(70);  // 260 wraps to 4, below the delay
    EXPECT_EQ(animation.counter, 4);
    EXPECT_EQ(animation.frame, 0);
}

TEST_F(PaletteAnimationTest, TwoSubPalettesNamingOneAnimationStepItTwice)
{
    PaletteAnimation& animation = makeAnimation(9, 10, 2);
    setSubPalette(0, 0, 0, 0, 0, 0x89);
    setSubPalette(3, 0, 0, 0, 0, 0xC9);  // bits 6 and 7 set; the number is 9 as well
    editor.stepPaletteAnimations(2);
    EXPECT_EQ(animation.frame, 2);
    EXPECT_EQ(animation.counter, 0);
    // The first sub-palette got the frame reached half-way.
    EXPECT_EQ(colour(0, 1), 11);
    EXPECT_EQ(colour(3, 1), 21);
}

TEST_F(PaletteAnimationTest, LeavesStaticSubPalettesAndOtherStagesAlone)
{
    makeAnimation(4, 3, 0);
    editor.curStage = 3;
    setSubPalette(0, 0x0F, 0x01, 0x02, 0x03, 0x00);  // static
    setSubPalette(1, 0x0F, 0x11, 0x12, 0x13, 0x04);  // non-zero, bit 7 clear: keeps its colours
    setSubPalette(2, 0x0F, 0x21, 0x22, 0x23, 0x84);
    editor.curPal[4] = palette();  // the next stage names the same animation

    editor.stepPaletteAnimations(1);

    EXPECT_EQ(colour(0, 1), 0x01);
    EXPECT_EQ(colour(1, 1), 0x11);
    EXPECT_EQ(colour(2, 1), 11);
    EXPECT_EQ(editor.curPal[4].colour[2][1], 0x21);
    EXPECT_EQ(editor.palAnim[4].frame, 1);
}

TEST_F(PaletteAnimationTest, AnAnimationWithoutFramesChangesNoColour)
{
    // Before any image is loaded every animation is empty; stepping must not read a frame.
    setSubPalette(0, 0x0F, 0x01, 0x02, 0x03, 0x80);
    editor.stepPaletteAnimations(1);
    EXPECT_EQ(colour(0, 1), 0x01);
    EXPECT_EQ(editor.palAnim[0].frame, 0);
}

TEST_F(PaletteAnimationTest, AFrameIndexBeyondTheFramesIsBroughtBack)
{
    // A reload can shorten an animation below its current frame.
    PaletteAnimation& animation = makeAnimation(6, 2, 50);
    animation.frame = 5;
    setSubPalette(1, 0, 0, 0, 0, 0x86);
    editor.stepPaletteAnimations(1);
    EXPECT_EQ(animation.frame, 0);
    EXPECT_EQ(colour(1, 2), 2);
}

TEST_F(PaletteAnimationTest, RefreshRedrawsAnimatedChipsAndChipSetsAndShowsTheView)
{
    makeAnimation(3, 2, 1);
    setSubPalette(1, 0x0F, 0x0F, 0x0F, 0x0F, 0x83);
    setSolidTile(0, 1);
    for (ChipRecord& record : editor.chip[0])
        record = ChipRecord{{0, 0, 0, 0}, 1, 0};
    editor.curTab = kViewChip;

    editor.refresh(0);  // counter 0 is below the delay: frame 0 shows
    EXPECT_EQ(editor.chipSurface.pixel(0, 0), colourTable[1]);
    EXPECT_EQ(editor.chipSetSurface.pixel(511, 511), colourTable[1]);
    editor.refresh(1);
    EXPECT_EQ(editor.chipSurface.pixel(255, 255), colourTable[11]);
    EXPECT_EQ(editor.chipSetSurface.pixel(0, 0), colourTable[11]);
    EXPECT_EQ(host.invalidations, 2);
    EXPECT_EQ(host.viewsShown, 2);
}
