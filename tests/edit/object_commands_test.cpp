#include "editing_fixture.h"

using ObjectCommands = EditingTest;

TEST_F(ObjectCommands, SelectionWrapsAndSearchesInTheDirectionOfTheStep)
{
    fillObjects(5);
    objects()[4].page = 9;

    editor->stepObject(-1);  // from slot 0 backwards past 63
    EXPECT_EQ(editor->curObject, 4);
    EXPECT_EQ(host.scrollPositionsSet.back(), 9);  // scrolled to the object's page

    editor->curObject = 3;
    editor->stepObject(+8);  // lands on free 11, searches forward through 63
    EXPECT_EQ(editor->curObject, 0);

    editor->curObject = 2;
    editor->stepObject(-8);  // lands on free 58, searches backwards
    EXPECT_EQ(editor->curObject, 4);
}

TEST_F(ObjectCommands, SelectingAnObjectOnTheLastPageShowsItOnTheRight)
{
    fillObjects(3);
    objects()[1].page = 47;
    editor->stepObject(+1);
    EXPECT_EQ(editor->viewPos, 46);
}

TEST_F(ObjectCommands, EmptyListSelectsSlotZeroWithoutScrollingAndGrowsByInsert)
{
    fillObjects(0);
    editor->curObject = 7;
    editor->stepObject(+1);
    EXPECT_EQ(editor->curObject, 0);
    EXPECT_TRUE(host.scrollPositionsSet.empty());

    editor->viewPos = 12;
    editor->insertObject();
    EXPECT_TRUE(objects()[0].isUsed());
    EXPECT_EQ(objects()[0].page, 12);
    EXPECT_FALSE(objects()[1].isUsed());
    EXPECT_EQ(editor->curObject, 0);
}

TEST_F(ObjectCommands, MoveXCarriesIntoThePageAndScrollsOnlyWhenItLeavesTheView)
{
    struct Case {
        int page, x, viewPos, step;
        int wantPage, wantX, wantViewPos;
    };
    const Case cases[] = {
        {10, 255, 10, +1, 11, 0, 10},  // new page is the right one shown
        {10, 255, 9, +1, 11, 0, 11},   // beyond the right page: scroll to it
        {10, 0, 10, -1, 9, 255, 9},    // before the left page: scroll to it
        {47, 255, 46, +1, 47, 0, 46},  // last page: no carry, x still wraps
        {0, 0, 0, -1, 0, 255, 0},      // first page likewise
        {5, 17, 5, +256, 6, 17, 5},    // a whole page keeps x
        {5, 10, 5, -16, 4, 250, 4},
    };
    for (const Case& c : cases) {
        fillObjects(2);
        objects()[1] = {std::uint8_t(c.page), std::uint8_t(c.x), 0, 0};
        editor->curObject = 1;
        editor->viewPos = host.scrollPos = c.viewPos;
        editor->moveObjectX(c.step);
        EXPECT_EQ(objects()[1].page, c.wantPage) << "page " << c.page << " x " << c.x << " step " << c.step;
        EXPECT_EQ(objects()[1].x, c.wantX) << "page " << c.page << " x " << c.x << " step " << c.step;
        EXPECT_EQ(editor->viewPos, c.wantViewPos) << "page " << c.page << " x " << c.x << " step " << c.step;
    }
}

TEST_F(ObjectCommands, YAndDataWrapWithoutCarry)
{
    fillObjects(1);
    objects()[0] = {3, 100, 3, 0xFC};
    editor->moveObjectY(-8);
    editor->stepObjectData(+8);
    EXPECT_EQ(objects()[0].y, 251);
    EXPECT_EQ(objects()[0].data, 0x04);
    EXPECT_EQ(objects()[0].page, 3);
}

TEST_F(ObjectCommands, AFreeSelectionIsNeverTurnedIntoAnObjectByMoving)
{
    fillObjects(3);
    editor->curObject = 10;  // as a stage change from the keyboard can leave it
    const auto before = objectList();
    editor->moveObjectX(-1);  // x 0 on page 0x30 would otherwise carry to page 47
    editor->moveObjectY(+1);
    editor->stepObjectData(+1);
    editor->eraseObject();
    EXPECT_TRUE(objectListIs(before));
}

TEST_F(ObjectCommands, InsertShiftsTheLaterObjectsAndSelectsTheNewOne)
{
    fillObjects(5);
    editor->curObject = 2;
    editor->viewPos = 7;
    editor->insertObject();
    EXPECT_EQ(editor->curObject, 2);
    EXPECT_EQ(objects()[2].page, 7);
    EXPECT_EQ(objects()[2].x, 0x80);
    EXPECT_EQ(objects()[2].y, 0x80);
    EXPECT_EQ(objects()[2].data, 0);
    for (int slot = 3; slot <= 5; ++slot)
        EXPECT_EQ(objects()[slot].data, slot - 1) << "slot " << slot;
    EXPECT_FALSE(objects()[6].isUsed());
}

TEST_F(ObjectCommands, InsertBeyondTheListGoesIntoTheLowestFreeSlot)
{
    fillObjects(3);
    editor->curObject = 20;
    editor->insertObject();
    EXPECT_EQ(editor->curObject, 3);
    EXPECT_TRUE(objects()[3].isUsed());
    EXPECT_EQ(objectCount(), 4);
}

TEST_F(ObjectCommands, RefusalsShowTheirMessageAndChangeNothing)
{
    fillObjects(kObjectSlots);
    editor->curObject = 5;
    auto before = objectList();
    editor->insertObject();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "It cannot add any more!");
    EXPECT_EQ(host.messages[0].caption, "error");
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(objectListIs(before));
    EXPECT_EQ(editor->curObject, 5);

    for (int count : {1, 0}) {
        fillObjects(count);
        editor->curObject = 0;
        before = objectList();
        host.messages.clear();
        editor->eraseObject();
        ASSERT_EQ(host.messages.size(), 1u) << count << " objects";
        EXPECT_EQ(host.messages[0].text, "It cannot erase any more!");
        EXPECT_EQ(host.messages[0].caption, "error");
        EXPECT_EQ(host.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_TRUE(objectListIs(before));
    }
    EXPECT_TRUE(host.scrollPositionsSet.empty());
}

TEST_F(ObjectCommands, EraseMovesTheLaterObjectsUpAndFreesSlot63)
{
    fillObjects(kObjectSlots);
    objects()[63] = {40, 1, 2, 3};
    editor->curObject = 10;
    editor->eraseObject();
    EXPECT_EQ(objects()[10].data, 11);
    EXPECT_EQ(objects()[62].page, 40);
    EXPECT_EQ(objects()[63].page, 0xFF);  // free; its other bytes stay
    EXPECT_EQ(objects()[63].data, 3);
    EXPECT_EQ(editor->curObject, 10);
}

TEST_F(ObjectCommands, ErasingTheLastObjectSelectsTheFirstAndScrollsToIt)
{
    fillObjects(5);
    editor->curObject = 4;
    editor->viewPos = host.scrollPos = 4;
    editor->eraseObject();
    EXPECT_EQ(objectCount(), 4);
    EXPECT_EQ(editor->curObject, 0);
    EXPECT_EQ(editor->viewPos, 0);
    EXPECT_EQ(objects()[63].page, 0xFF);
}
