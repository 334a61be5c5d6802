#include <memory>

#include <gtest/gtest.h>

#include "model/editor.h"

TEST(SelectPaletteSet, CopiesTheChosenSetOfEveryStageOverItsCurrentPalette)
{
    auto editor = std::make_unique<EDITOR>();
    for (int s = 0; s < kStageCount; ++s)
        for (int k = 0; k < kPaletteSetCount; ++k) {
            editor->palSet[s][k].colour[1][2] = std::uint8_t(s * 4 + k);
            editor->palSet[s][k].selector[3] = std::uint8_t(0x80 | k);
        }
    editor->curPal[5].colour[1][2] = 0x3F;  // as if an animation had changed it

    editor->selectPaletteSet(2);

    for (int s = 0; s < kStageCount; ++s) {
        EXPECT_EQ(editor->curPal[s].colour[1][2], s * 4 + 2) << "stage " << s;
        EXPECT_EQ(editor->curPal[s].selector[3], 0x82) << "stage " << s;
    }
}

TEST(EditorCreation, StartsWithEveryFieldZero)
{
    auto editor = std::make_unique<EDITOR>();
    EXPECT_EQ(editor->viewPos, 0);
    EXPECT_EQ(editor->curObject, 0);
    EXPECT_EQ(editor->pageSet[15][47], 0);
    EXPECT_EQ(editor->mapSet[15][31][63], 0);
    EXPECT_EQ(editor->chip[15][255].style, 0);
    EXPECT_TRUE(editor->palAnim[63].frames.empty());
    EXPECT_EQ(editor->palAnim[63].frame, 0);
    EXPECT_FALSE(editor->viewSurface.isCreated());
}
