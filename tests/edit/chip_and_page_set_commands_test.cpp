#include "editing_fixture.h"
#include "render/colour_table.h"

using PageSetCommands = EditingTest;

TEST_F(PageSetCommands, StepKeepsTheLowFiveBitsOfTheShownPage)
{
    editor->viewPos = 20;
    auto& left = editor->pageSet[2][20];
    auto& right = editor->pageSet[2][21];

    left = 30;
    editor->stepPageSet(0, +4);
    EXPECT_EQ(left, 2);
    left = 0x25;  // stored out of range, shown black
    editor->stepPageSet(0, +1);
    EXPECT_EQ(left, 6);
    right = 0;
    editor->stepPageSet(1, -1);
    EXPECT_EQ(right, 31);
    EXPECT_EQ(left, 6);
    EXPECT_EQ(editor->pageSet[1][21], 0) << "another stage";
}

class ChipCommands : public EditingTest {
protected:
    ChipCommands()
    {
        // Every tile in one colour that differs from the white the surface starts with.
        for (auto& subPalette : editor->curPal[2].colour)
            subPalette[0] = 0x0F;
    }
};

TEST_F(ChipCommands, PaletteWrapsWithinFourAndRedrawsTheWholeChip)
{
    ASSERT_NE(colourTable[0x0F], kWhite);
    editor->curChip = 0x23;
    editor->chip[2][0x23].palette = 3;
    editor->stepChipPalette(+1);
    EXPECT_EQ(editor->chip[2][0x23].palette, 0);
    editor->stepChipPalette(-1);
    EXPECT_EQ(editor->chip[2][0x23].palette, 3);

    const Drawn drawn = drawnOnChipSurface();
    EXPECT_EQ(drawn.bounds, (Rect{48, 32, 16, 16}));
    EXPECT_EQ(drawn.pixels, 256);
}

TEST_F(ChipCommands, StyleStepsInSixteensAndKeepsItsLowBits)
{
    editor->curChip = 7;
    auto& style = editor->chip[2][7].style;
    style = 0x10;
    editor->stepChipStyle(-4);
    EXPECT_EQ(style, 0xD0);
    style = 0xF4;
    editor->stepChipStyle(+1);
    EXPECT_EQ(style, 0x04);
}
