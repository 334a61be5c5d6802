#include "render_fixture.h"

namespace {

class SheetViews : public RenderTest {
protected:
    void SetUp() override
    {
        RenderTest::SetUp();
        tagSheets();
        for (int m = 0; m < 32; ++m)
            for (int cell = 0; cell < 64; ++cell)
                editor.mapSet[0][m][cell] = std::uint8_t(m + cell);
    }
    void show(int view)
    {
        editor.curTab = view;
        editor.paint();
    }
};

}  // namespace

TEST_F(SheetViews, MapSetShowsTwoMapSetsTheHalfSizeSheetAndTheCursor)
{
    editor.viewPos = 4;
    editor.curChipSet = 0x00;
    editor.cursorCol = 9;
    editor.cursorRow = 2;
    // One odd pixel in chip set 0x00 to follow through the enlargement.
    editor.chipSetSurface.setPixel(1, 0, kWhite);
    show(kViewMapSet);

    EXPECT_EQ(view(32 + 1, 32 + 1), tag(4 + 9));
    EXPECT_EQ(view(256 + 224 + 1, 224 + 1), tag(5 + 63));
    EXPECT_EQ(host.textAt(64, 276), "Page:04");
    // Half-size sheet: chip set b in the 16 x 16 cell at (256 + 16 (b mod 16), 272 + 16 (b / 16)).
    EXPECT_EQ(view(256 + 16 * 5 + 8, 272 + 16 * 9 + 8), tag(0x95));
    EXPECT_EQ(view(511, 527), tag(0xFF));
    // Magnifier: chip set 0 twice as large, the odd pixel becoming a 2 x 2 block.
    EXPECT_EQ(view(96, 320), tag(0));
    EXPECT_EQ(view(98, 320), kWhite);
    EXPECT_EQ(view(99, 321), kWhite);
    EXPECT_EQ(view(100, 320), tag(0));
    EXPECT_EQ(view(95, 319), kWhite);
    EXPECT_EQ(view(160, 383), kWhite);
    // The frame around chip set 0 in the sheet starts left of the sheet.
    EXPECT_EQ(view(255, 271), kWhite);
    EXPECT_EQ(view(255, 287), kWhite);
    EXPECT_EQ(view(272, 280), kWhite);
    // Cursor frame of column 9, row 2 (the right map set's column 1).
    EXPECT_EQ(view(288, 64), kWhite);
    EXPECT_EQ(view(320, 95), kWhite);
    EXPECT_NE(view(320, 96), kWhite);
}

TEST_F(SheetViews, MapSetBlanksHalvesPastMapSet31AndNamesTheViewPosition)
{
    editor.viewPos = 31;
    show(kViewMapSet);
    EXPECT_EQ(view(5, 5), tag(31));
    EXPECT_EQ(view(300, 5), kBlack);

    host.clearTexts();
    editor.viewPos = 0x2E;
    show(kViewMapSet);
    EXPECT_EQ(view(5, 5), kBlack);
    EXPECT_EQ(view(300, 5), kBlack);
    EXPECT_EQ(host.textAt(64, 276), "Page:2E");
}

TEST_F(SheetViews, ChipSetShowsTheHalfPickedByBit7WithTheSameFramePlace)
{
    editor.curChip = 0x21;
    editor.curChipSet = 0x93;
    show(kViewChipSet);
    EXPECT_EQ(view(32 * 3 + 5, 32 + 5), tag(0x93));
    EXPECT_EQ(view(5, 5), tag(0x80));
    EXPECT_EQ(view(95, 40), kWhite);
    EXPECT_EQ(view(100, 31), kWhite);
    EXPECT_EQ(view(128, 63), kWhite);
    EXPECT_EQ(view(100, 330), tag(0x93));  // the magnifier
    EXPECT_EQ(view(150, 370), tag(0x93));

    editor.curChipSet = 0x13;
    show(kViewChipSet);
    EXPECT_EQ(view(32 * 3 + 5, 32 + 5), tag(0x13));
    EXPECT_EQ(view(5, 5), tag(0x00));
    EXPECT_EQ(view(95, 40), kWhite);
    EXPECT_EQ(view(128, 63), kWhite);
}

TEST_F(SheetViews, ChipSetFramesTheUpperAreaTheChipSheetAndTheCurrentChip)
{
    editor.curChipSet = 0x00;
    editor.curChip = 0x21;
    show(kViewChipSet);
    // The frame of chip set 0 loses its left and top lines.
    EXPECT_EQ(view(0, 10), kWhite);  // that is the upper area's own frame
    EXPECT_EQ(view(10, 1), tag(0));
    EXPECT_EQ(view(1, 10), tag(0));
    EXPECT_EQ(view(32, 10), kWhite);
    // Upper-area frame: 511 x 255, its corner (511, 255) unset.
    EXPECT_EQ(view(511, 254), kWhite);
    EXPECT_EQ(view(510, 255), kWhite);
    EXPECT_EQ(view(511, 255), tag(0x7F));
    // The chip sheet 1:1 at (256, 256) inside its own frame.
    EXPECT_EQ(view(256 + 16 * 2 + 8, 256 + 16 * 7 + 8), tag(0x100 + 0x72));
    EXPECT_EQ(view(511, 300), kWhite);
    // Frame around chip 0x21 (column 1, row 2).
    EXPECT_EQ(view(271, 287 + 5), kWhite);
    EXPECT_EQ(view(288, 287 + 5), kWhite);
    EXPECT_EQ(view(280, 304), kWhite);
}

TEST_F(SheetViews, ChipShowsTheChipSheetTheMagnifierTextsAndFrames)
{
    editor.curChip = 0x00;
    editor.curTile = 0x13;
    editor.chip[0][0] = ChipRecord{{0, 0, 0, 0}, 2, 0xB4};
    editor.chipSurface.setPixel(3, 0, kWhite);
    show(kViewChip);

    EXPECT_EQ(view(100, 100), tag(0x100 + 0x66));
    EXPECT_EQ(host.textAt(256, 288), "Pallet:2");
    EXPECT_EQ(host.textAt(256, 320), "style:B4");
    // Chip 0 enlarged four times: the odd pixel becomes a 4 x 4 block.
    EXPECT_EQ(view(96 + 11, 320), tag(0x100));
    EXPECT_EQ(view(96 + 12, 320), kWhite);
    EXPECT_EQ(view(96 + 15, 323), kWhite);
    EXPECT_EQ(view(96 + 16, 320), tag(0x100));
    EXPECT_EQ(view(159, 383), tag(0x100));
    // The frame of chip 0 starts at -1: only its right and bottom lines show.
    EXPECT_EQ(view(16, 5), kWhite);
    EXPECT_EQ(view(5, 16), kWhite);
    EXPECT_EQ(view(1, 1), tag(0x100));
    // Frame around tile 0x13 (column 3, row 1) of the tile sheet.
    EXPECT_EQ(view(303, 20), kWhite);
    EXPECT_EQ(view(310, 15), kWhite);
    EXPECT_EQ(view(320, 31), kWhite);
    EXPECT_EQ(view(319, 32), kWhite);
    EXPECT_NE(view(320, 32), kWhite);
}

TEST_F(SheetViews, ChipTileSheetIsDrawnTwiceAsLargeInTheCurrentChipsSubPalette)
{
    // Sub-palette 2 is animated: the sheet uses its colours all the same.
    setSubPalette(1, 0x0F, 0x11, 0x12, 0x13);
    setSubPalette(2, 0x0F, 0x21, 0x22, 0x23, 0x85);
    editor.chip[0][0] = ChipRecord{{0, 0, 0, 0}, 2, 0};
    editor.chip[0][1] = ChipRecord{{0, 0, 0, 0}, 1, 0};
    setSolidTile(0x13, 3);
    editor.tileGfx[0][5][7] = 0x01;  // tile 5: only its bottom-right pixel has value 1

    editor.curChip = 0;
    show(kViewChip);
    EXPECT_EQ(view(256 + 48 + 5, 16 + 5), colourTable[0x23]);
    EXPECT_EQ(view(256 + 80 + 14, 14), colourTable[0x21]);
    EXPECT_EQ(view(256 + 80 + 15, 15), colourTable[0x21]);
    EXPECT_EQ(view(256 + 80 + 13, 14), colourTable[0x0F]);
    EXPECT_EQ(view(256 + 80 + 14, 13), colourTable[0x0F]);

    editor.curChip = 1;
    show(kViewChip);
    EXPECT_EQ(view(256 + 48 + 5, 16 + 5), colourTable[0x13]);
    EXPECT_EQ(view(256 + 80 + 14, 14), colourTable[0x11]);
}

TEST_F(SheetViews, PaletteStripShowsTheFourSubPalettesInFramedSwatches)
{
    setSubPalette(0, 0x01, 0x02, 0x03, 0x04);
    setSubPalette(1, 0x11, 0x12, 0x13, 0x14);
    setSubPalette(2, 0x21, 0x22, 0x23, 0x24);
    setSubPalette(3, 0x31, 0x32, 0x33, 0x4C);
    for (int view : {kViewChipSet, kViewChip}) {
        show(view);
        for (int p = 0; p < 4; ++p) {
            const int left = 16 + 128 * p;
            for (int j = 0; j < 4; ++j)
                EXPECT_EQ(this->view(left + 24 * j + 12, 520), colourTable[palette().colour[p][j]]) << view << p << j;
            EXPECT_EQ(this->view(left, 520), kWhite);
            EXPECT_EQ(this->view(left + 96, 525), kWhite);
            EXPECT_EQ(this->view(left + 95, 526), kWhite);
            EXPECT_EQ(this->view(left + 96, 526), kBlack);
            EXPECT_EQ(this->view(left + 100, 520), kBlack);
        }
    }
}
