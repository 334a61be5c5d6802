#include "editing_fixture.h"
#include "render/colour_table.h"

using MouseObjectView = EditingTest;
using MouseMapSetView = EditingTest;
using MouseChipSetView = EditingTest;
using MouseChipView = EditingTest;

TEST_F(MouseObjectView, LeftPlacesUnderThePointerRightSnapsToTheGrid)
{
    view(kViewObject);
    fillObjects(4);
    editor->curObject = 2;
    editor->viewPos = 10;

    host.press(VK_LBUTTON);
    editor->onMouse(10, 20);
    editor->onMouse(300, 40);  // the last position of a stroke wins
    EXPECT_EQ(objects()[2].page, 11);
    EXPECT_EQ(objects()[2].x, 44);
    EXPECT_EQ(objects()[2].y, 40);

    host.releaseAll();
    host.press(VK_RBUTTON);
    editor->onMouse(300, 45);
    EXPECT_EQ(objects()[2].x, 40);
    EXPECT_EQ(objects()[2].y, 40);

    host.press(VK_LBUTTON);  // both held: the left acts
    editor->onMouse(5, 7);
    EXPECT_EQ(objects()[2].page, 10);
    EXPECT_EQ(objects()[2].x, 5);
    EXPECT_EQ(objects()[2].y, 7);
}

TEST_F(MouseObjectView, PositionsOffThePagesOrWithoutAButtonDoNothing)
{
    view(kViewObject);
    fillObjects(4);
    const auto before = objectList();
    editor->onMouse(100, 100);  // no button
    host.press(VK_LBUTTON);
    for (auto [x, y] : {std::pair{-1, 10}, {10, -1}, {512, 10}, {100, 256}, {100, 400}})
        editor->onMouse(x, y);
    EXPECT_TRUE(objectListIs(before));
}

TEST_F(MouseObjectView, PlacingWithoutASelectedObjectAddsItAtTheEndOfTheList)
{
    view(kViewObject);
    host.press(VK_LBUTTON);
    fillObjects(0);
    editor->onMouse(30, 40);
    EXPECT_EQ(objectCount(), 1);
    EXPECT_EQ(objects()[0].x, 30);

    fillObjects(3);
    editor->curObject = 20;  // left by a stage change from the keyboard
    editor->onMouse(50, 60);
    EXPECT_EQ(objectCount(), 4);
    EXPECT_EQ(editor->curObject, 3);
    EXPECT_EQ(objects()[3].x, 50);
}

TEST_F(MouseMapSetView, CursorFollowsThePointerLeftPaintsRightPicks)
{
    view(kViewMapSet);
    editor->viewPos = 4;
    editor->curChipSet = 0x9A;
    editor->onMouse(300, 70);  // no button: only the cursor moves
    EXPECT_EQ(editor->cursorCol, 9);
    EXPECT_EQ(editor->cursorRow, 2);
    EXPECT_EQ(editor->mapSet[2][5][1 * 8 + 2], 0);

    host.press(VK_LBUTTON);
    editor->onMouse(300, 70);
    EXPECT_EQ(editor->mapSet[2][5][1 * 8 + 2], 0x9A);

    host.releaseAll();
    host.press(VK_RBUTTON);
    editor->mapSet[2][4][7 * 8 + 7] = 0x33;
    editor->onMouse(255, 255);
    EXPECT_EQ(editor->curChipSet, 0x33);
}

TEST_F(MouseMapSetView, AMapSetPastTheLastOneIsNotEditable)
{
    view(kViewMapSet);
    editor->viewPos = 31;
    editor->curChipSet = 0x44;
    host.press(VK_LBUTTON);
    editor->onMouse(300, 10);
    EXPECT_EQ(editor->cursorCol, 9);
    editor->onMouse(10, 10);
    EXPECT_EQ(editor->mapSet[2][31][0], 0x44);
    host.press(VK_RBUTTON);
    host.release(VK_LBUTTON);
    editor->onMouse(300, 10);
    EXPECT_EQ(editor->curChipSet, 0x44);
}

TEST_F(MouseMapSetView, SheetSelectsWithTheLeftButtonOnlyWithinItsSixteenRows)
{
    view(kViewMapSet);
    host.press(VK_RBUTTON);
    editor->onMouse(256 + 16 * 5 + 3, 272 + 16 * 2 + 15);
    EXPECT_EQ(editor->curChipSet, 0);
    host.press(VK_LBUTTON);
    editor->onMouse(256 + 16 * 5 + 3, 272 + 16 * 2 + 15);
    EXPECT_EQ(editor->curChipSet, 37);
    for (auto [x, y] : {std::pair{511, 528}, {512, 300}, {255, 300}, {-3, 10}, {300, -1}})
        editor->onMouse(x, y);
    EXPECT_EQ(editor->curChipSet, 37);
    EXPECT_EQ(editor->cursorCol, 0);
    EXPECT_EQ(editor->cursorRow, 0);
}

TEST_F(MouseChipSetView, LeftSelectsInTheShownHalfRightSwitchesHalves)
{
    view(kViewChipSet);
    editor->curChipSet = 0x85;
    host.press(VK_LBUTTON);
    editor->onMouse(64, 40);
    EXPECT_EQ(editor->curChipSet, 0x92);
    editor->onMouse(300, 256 + 16 * 3);
    EXPECT_EQ(editor->curChip, 0x32);
    editor->onMouse(300, 512);  // below the chip sheet
    EXPECT_EQ(editor->curChip, 0x32);

    host.release(VK_LBUTTON);
    host.press(VK_RBUTTON);
    editor->onMouse(64, 40);
    EXPECT_EQ(editor->curChipSet, 0x12);
    editor->onMouse(300, 300);
    EXPECT_EQ(editor->curChip, 0x32);
}

// The enlarged chip set and chip split their 65 pixels per side into 33 and 32.
struct QuadrantCase {
    int x, y, quadrant;
};
constexpr QuadrantCase kQuadrantCases[] = {
    {96, 320, 0}, {128, 320, 0}, {129, 320, 1}, {160, 352, 1}, {100, 352, 0}, {100, 353, 2}, {160, 384, 3},
};
constexpr std::pair<int, int> kOutsideEnlarged[] = {{95, 330}, {161, 330}, {100, 319}, {100, 385}};

TEST_F(MouseChipSetView, EnlargedQuadrantsTakeAndGiveTheChip)
{
    view(kViewChipSet);
    editor->curChipSet = 0x40;
    for (const QuadrantCase& c : kQuadrantCases) {
        host.releaseAll();
        host.press(VK_LBUTTON);
        editor->chipSet[2][0x40][c.quadrant] = 0;
        editor->curChip = c.x;
        editor->onMouse(c.x, c.y);
        EXPECT_EQ(editor->chipSet[2][0x40][c.quadrant], c.x) << c.x << ", " << c.y;

        host.press(VK_RBUTTON);
        host.release(VK_LBUTTON);
        editor->curChip = 0;
        editor->onMouse(c.x, c.y);
        EXPECT_EQ(editor->curChip, c.x) << c.x << ", " << c.y;
    }
    host.press(VK_LBUTTON);
    std::uint8_t before[4];
    std::memcpy(before, editor->chipSet[2][0x40], 4);
    for (auto [x, y] : kOutsideEnlarged)
        editor->onMouse(x, y);
    EXPECT_EQ(std::memcmp(before, editor->chipSet[2][0x40], 4), 0);
}

TEST_F(MouseChipView, SheetsSelectOnlyWithTheLeftButton)
{
    view(kViewChip);
    host.press(VK_RBUTTON);
    editor->onMouse(40, 20);
    editor->onMouse(300, 20);
    EXPECT_EQ(editor->curChip, 0);
    EXPECT_EQ(editor->curTile, 0);

    host.press(VK_LBUTTON);
    editor->onMouse(40, 20);
    EXPECT_EQ(editor->curChip, 0x12);
    editor->onMouse(256 + 255, 255);
    EXPECT_EQ(editor->curTile, 0xFF);
    editor->onMouse(512, 20);
    editor->onMouse(-1, 20);
    EXPECT_EQ(editor->curChip, 0x12);
    EXPECT_EQ(editor->curTile, 0xFF);
}

TEST_F(MouseChipView, EnlargedQuadrantsTakeAndGiveTheTile)
{
    view(kViewChip);
    editor->curChip = 0x12;
    for (const QuadrantCase& c : kQuadrantCases) {
        host.releaseAll();
        host.press(VK_LBUTTON);
        editor->curTile = c.x;
        editor->onMouse(c.x, c.y);
        EXPECT_EQ(editor->chip[2][0x12].tile[c.quadrant], c.x) << c.x << ", " << c.y;

        host.releaseAll();
        host.press(VK_RBUTTON);
        editor->curTile = 0;
        editor->onMouse(c.x, c.y);
        EXPECT_EQ(editor->curTile, c.x) << c.x << ", " << c.y;
    }
}

TEST_F(MouseChipView, PuttingATileRedrawsOnlyThatTileOfTheChipSheet)
{
    view(kViewChip);
    editor->curPal[2].colour[0][1] = 0x0F;
    std::memset(editor->tileGfx[2][0x41], 0xFF, 8);  // plane 0 only: colour 1 everywhere
    editor->curChip = 0x12;
    editor->curTile = 0x41;
    host.press(VK_LBUTTON);
    editor->onMouse(150, 370);
    EXPECT_EQ(editor->chip[2][0x12].tile[3], 0x41);
    const Drawn drawn = drawnOnChipSurface();
    EXPECT_EQ(drawn.bounds, (Rect{40, 24, 8, 8}));
    EXPECT_EQ(drawn.pixels, 64);
    EXPECT_EQ(editor->chipSurface.pixel(40, 24), colourTable[0x0F]);
}
