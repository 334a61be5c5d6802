#include "edit/colour_editing.h"

#include "edit/undo_redo.h"
#include "editing_fixture.h"
#include "render/colour_table.h"

namespace {

class ColourEditing : public EditingTest {
protected:
    ColourEditing()
    {
        editor->history.start(*editor);
        // Chip 0: tile 1 (all pixels of value 2) in sub-palette 1.
        for (int row = 0; row < 8; ++row)
            editor->tileGfx[2][1][8 + row] = 0xFF;
        editor->chip[2][0] = ChipRecord{{1, 1, 1, 1}, 1, 0};
        editor->curPalSet = host.paletteSelection = 2;
        editor->palSet[2][2].colour[1][2] = 0x16;
        editor->selectPaletteSet(2);
        view(kViewChip);
        editor->refresh(0);
    }

    PaletteRecord& set(int k) { return editor->palSet[2][k]; }
};

}  // namespace

TEST_F(ColourEditing, AStepWrapsIsOneUndoStepAndShowsAtTheNextFrame)
{
    ColourCursor cursor{2, 4 + 2};  // set 2, sub-palette 1, colour 2
    EXPECT_TRUE(stepSlot(*editor, cursor, -1));
    EXPECT_EQ(set(2).colour[1][2], 0x15);
    set(2).colour[1][2] = 0x3F;
    recordUserAction(*editor);
    EXPECT_TRUE(stepSlot(*editor, cursor, +1));
    EXPECT_EQ(set(2).colour[1][2], 0x00);  // wraps from 3F to 00

    EXPECT_TRUE(typeHexDigit(*editor, cursor, 0x2) == false && cursor.typedDigit == 2);
    EXPECT_TRUE(typeHexDigit(*editor, cursor, 0xA));
    EXPECT_EQ(set(2).colour[1][2], 0x2A);
    EXPECT_FALSE(typeHexDigit(*editor, cursor, 0x4));  // 4x would be above 3F
    EXPECT_EQ(cursor.typedDigit, -1);

    // The chip sheet shows the edited set, which the palette combo still chooses.
    editor->refresh(0);
    EXPECT_EQ(editor->curPalSet, 2);
    EXPECT_EQ(editor->chipSurface.pixel(3, 3), colourTable[0x2A]);

    undoEdit(*editor);
    EXPECT_EQ(set(2).colour[1][2], 0x00);
    undoEdit(*editor);
    EXPECT_EQ(set(2).colour[1][2], 0x3F);
    editor->refresh(0);
    EXPECT_EQ(editor->chipSurface.pixel(3, 3), colourTable[0x3F]);
}

TEST_F(ColourEditing, TheSelectorKeepsItsOtherBitsAndAnAnimatedColourShowsWhenItStops)
{
    set(2).selector[1] = 0xC5;  // as loaded: bit 6 set besides the animation
    editor->selectPaletteSet(2);
    editor->palAnim[5].frames = {{0x01, 0x02, 0x03}};
    ColourCursor selector{2, kFirstSelectorSlot + 1};
    EXPECT_TRUE(stepSlot(*editor, selector, -6));
    EXPECT_EQ(set(2).selector[1], 0xFF);  // 05 - 6 wraps to 3F, bits 6 and 7 kept
    EXPECT_TRUE(setSlotColour(*editor, selector, 5));
    EXPECT_EQ(set(2).selector[1], 0xC5);

    ColourCursor colour{2, 4 + 2};
    EXPECT_TRUE(overriddenByAnimation(set(2), colour.slot));
    EXPECT_FALSE(overriddenByAnimation(set(2), 4));  // colour 0 never animates
    EXPECT_TRUE(setSlotColour(*editor, colour, 0x30));
    editor->refresh(0);
    EXPECT_EQ(editor->chipSurface.pixel(3, 3), colourTable[0x02]);  // the animation's colour 2

    EXPECT_TRUE(toggleAnimation(*editor, colour));  // Space on any slot of the sub-palette
    EXPECT_EQ(set(2).selector[1], 0x45);
    editor->refresh(0);
    EXPECT_EQ(set(2).colour[1][2], 0x30);
    EXPECT_EQ(editor->chipSurface.pixel(3, 3), colourTable[0x30]);
}

TEST_F(ColourEditing, ASubPaletteIsPastedIntoAnotherStageAndOtherTextIsRefused)
{
    set(2).colour[3][0] = 0x0F, set(2).colour[3][3] = 0x41, set(2).selector[3] = 0x83;
    copySubPalettes(*editor, ColourCursor{2, kFirstSelectorSlot + 3});
    EXPECT_EQ(host.clipboardText, "Quarrix Editor selection 1\nSUB-PALETTES 1x1\n0F:00:00:41:83\n");

    editor->curStage = host.stageSelection = 7;
    const PaletteRecord before = editor->palSet[7][0];
    EXPECT_TRUE(pasteSubPalettes(*editor, ColourCursor{0, 4 + 1}));  // at sub-palette 1 of set 0
    EXPECT_EQ(editor->palSet[7][0].colour[1][3], 0x41);
    EXPECT_EQ(editor->palSet[7][0].selector[1], 0x83);
    EXPECT_EQ(std::memcmp(editor->palSet[7][0].colour[2], before.colour[2], 8), 0);
    undoEdit(*editor);
    EXPECT_EQ(std::memcmp(&editor->palSet[7][0], &before, sizeof before), 0);

    for (const char* text : {"hello", "Quarrix Editor selection 1\nSUB-PALETTES 1x1\n0F:00:00:41\n",
                             "Quarrix Editor selection 1\nCHIP SET 1x1\n00:01:02:03\n"}) {
        host.clipboardText = text;
        EXPECT_FALSE(pasteSubPalettes(*editor, ColourCursor{}));
    }
    ASSERT_EQ(host.messages.size(), 3u);
    EXPECT_NE(host.messages[1].text.find("damaged"), std::string::npos);
    EXPECT_NE(host.messages[2].text.find("cannot paste: it pastes sub-palettes"), std::string::npos);
}
