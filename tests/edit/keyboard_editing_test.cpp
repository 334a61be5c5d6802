#include "edit/key_tables.h"
#include "editing_fixture.h"
#include "model/editable_tables.h"
#include "render/colour_table.h"

namespace {

class KeyboardTest : public EditingTest {
protected:
    void key(int virtualKey) { editor->onKeyDown(virtualKey, 0); }
    void shiftKey(int virtualKey)
    {
        host.press(VK_SHIFT);
        key(virtualKey);
        host.release(VK_SHIFT);
    }
    void ctrlKey(int virtualKey)
    {
        host.press(VK_CONTROL);
        key(virtualKey);
        host.release(VK_CONTROL);
    }
};

using CtrlKeys = KeyboardTest;
using MapKeys = KeyboardTest;
using ObjectKeys = KeyboardTest;
using MapSetKeys = KeyboardTest;
using ChipSetKeys = KeyboardTest;
using ChipKeys = KeyboardTest;

}  // namespace

// The application runs these; the keys name its commands in every view and the
// editor itself changes nothing.
TEST_F(CtrlKeys, ApplicationKeysNameTheirCommandsInEveryView)
{
    const std::pair<int, const char*> ctrlKeys[] = {{'S', "file.save"},
                                                    {'R', "file.reload"},
                                                    {'Q', "file.exit"},
                                                    {'E', "file.exportPatch"},
                                                    {'I', "file.importStageFile"}};
    const std::pair<int, const char*> plainKeys[] = {
        {VK_F1, "view.keysAndMouse"}, {VK_F2, "view.whereUsed"}, {VK_F5, "tools.playTest"}};
    for (int tab = 0; tab < kViewCount; ++tab) {
        view(tab);
        for (bool ctrl : {true, false})
            for (auto [key, id] : ctrl ? std::span<const std::pair<int, const char*>>(ctrlKeys) : plainKeys) {
                const KeyBinding* binding = findKeyBinding(tab, key, ctrl, false);
                ASSERT_NE(binding, nullptr) << id;
                ASSERT_NE(commandOf(*binding), nullptr) << id;
                EXPECT_STREQ(commandOf(*binding)->id, id);
                EXPECT_TRUE(commandOf(*binding)->runByApplication());
            }
        const KeyBinding* stageFile = findKeyBinding(tab, 'E', true, true);
        ASSERT_NE(stageFile, nullptr);
        EXPECT_STREQ(stageFile->command, "file.exportStageFile");
        const std::vector<std::uint8_t> before = editableTables(*editor);
        ctrlKey('S');
        key(VK_F2);
        EXPECT_EQ(editableTables(*editor), before);
        EXPECT_EQ(host.applySelectionsCalls, 0);
    }
}

TEST_F(CtrlKeys, StepStageWithoutWrappingAndKeepTheObjectSelection)
{
    editor->curStage = host.stageSelection = 3;
    editor->curObject = 9;
    ctrlKey(VK_NEXT);
    EXPECT_EQ(host.stageSelection, 4);
    EXPECT_EQ(editor->curStage, 4);
    EXPECT_EQ(host.applySelectionsCalls, 1);
    EXPECT_EQ(editor->curObject, 9);
    ctrlKey('P');
    EXPECT_EQ(editor->curStage, 3);

    editor->curStage = host.stageSelection = 0;
    ctrlKey(VK_PRIOR);
    editor->curStage = host.stageSelection = 15;
    ctrlKey('N');
    EXPECT_EQ(host.stageSelection, 15);
    EXPECT_EQ(host.applySelectionsCalls, 2);
}

TEST_F(CtrlKeys, StepPaletteSetWithoutWrapping)
{
    ctrlKey(VK_UP);
    EXPECT_EQ(host.applySelectionsCalls, 0);
    for (int i = 0; i < 4; ++i)
        ctrlKey(i % 2 ? 'J' : VK_DOWN);
    EXPECT_EQ(editor->curPalSet, 3);
    EXPECT_EQ(host.applySelectionsCalls, 3);
    ctrlKey('K');
    EXPECT_EQ(host.paletteSelection, 2);
    EXPECT_EQ(editor->curPalSet, 2);
}

TEST_F(CtrlKeys, TabAndTSwitchViewTabAloneDoesNothing)
{
    key(VK_TAB);
    EXPECT_EQ(editor->curTab, kViewMap);
    ctrlKey(VK_TAB);
    EXPECT_EQ(editor->curTab, kViewObject);
    host.press(VK_SHIFT);
    ctrlKey('T');
    EXPECT_EQ(editor->curTab, kViewMap);
    ctrlKey(VK_TAB);  // Shift still held: no view before the first
    host.releaseAll();
    EXPECT_EQ(editor->curTab, kViewMap);
    for (int i = 0; i < 5; ++i)
        key('T');
    EXPECT_EQ(editor->curTab, kViewChip);
    EXPECT_EQ(host.applySelectionsCalls, 6);
}

TEST_F(CtrlKeys, KeysOutsideTheCtrlTableDoNothingInAnyView)
{
    fillObjects(3);
    for (int tab = 0; tab < kViewCount; ++tab) {
        view(tab);
        editor->cursorCol = 4;
        editor->curChipSet = editor->curChip = editor->curTile = 0x20;
        editor->chip[2][0x20].palette = 1;
        const auto objectsBefore = objectList();
        for (int k : std::initializer_list<int>{VK_LEFT, VK_RIGHT, 'H', 'L', 'F', 'W', 'A', 'D', VK_SPACE, VK_RETURN})
            ctrlKey(k);
        EXPECT_EQ(editor->cursorCol, 4);
        EXPECT_EQ(editor->curChipSet, 0x20);
        EXPECT_EQ(editor->curChip, 0x20);
        EXPECT_EQ(editor->curTile, 0x20);
        EXPECT_EQ(editor->chipSet[2][0x20][2], 0);
        EXPECT_EQ(editor->chip[2][0x20].tile[0], 0);
        EXPECT_EQ(editor->mapSet[2][0][32], 0);
        EXPECT_EQ(editor->pageSet[2][0], 0);
        EXPECT_TRUE(objectListIs(objectsBefore));
    }
    EXPECT_EQ(host.applySelectionsCalls, 0);
}

TEST_F(MapKeys, ArrowsStepTheLeftPageAndPagesScroll)
{
    editor->pageSet[2][0] = 31;
    key(VK_UP);
    EXPECT_EQ(editor->pageSet[2][0], 0);
    key('L');
    key(VK_DOWN);
    EXPECT_EQ(editor->pageSet[2][0], 3);
    EXPECT_EQ(editor->pageSet[2][1], 0);
    key(VK_NEXT);
    key('N');
    EXPECT_EQ(editor->viewPos, 2);
    shiftKey('T');  // no view before "MAP"
    EXPECT_EQ(editor->curTab, kViewMap);
}

TEST_F(ObjectKeys, ArrowsMoveByOneOrSixteenAndShiftPagesMoveAPage)
{
    view(kViewObject);
    fillObjects(3);
    editor->curObject = 1;
    objects()[1] = {47, 100, 100, 0};
    editor->viewPos = host.scrollPos = 46;
    shiftKey(VK_NEXT);  // no page after 47
    EXPECT_EQ(objects()[1].page, 47);
    EXPECT_EQ(objects()[1].x, 100);
    shiftKey(VK_PRIOR);
    EXPECT_EQ(objects()[1].page, 46);
    EXPECT_EQ(objects()[1].x, 100);

    key(VK_UP);
    shiftKey('J');
    shiftKey('H');
    key(VK_RIGHT);
    EXPECT_EQ(objects()[1].y, 115);
    EXPECT_EQ(objects()[1].x, 85);
    key('N');
    EXPECT_EQ(editor->curObject, 2);
}

TEST_F(MapSetKeys, CursorStopsAtItsEdgesAndCrossesIntoTheRightMapSet)
{
    view(kViewMapSet);
    key(VK_LEFT);
    key(VK_UP);
    EXPECT_EQ(editor->cursorCol, 0);
    EXPECT_EQ(editor->cursorRow, 0);
    for (int i = 0; i < 20; ++i)
        key(VK_RIGHT), key('J');
    EXPECT_EQ(editor->cursorCol, 15);
    EXPECT_EQ(editor->cursorRow, 7);
    EXPECT_EQ(editor->viewPos, 0);
    editor->cursorCol = 7;
    key('L');
    EXPECT_EQ(editor->cursorCol, 8);
    shiftKey(VK_UP);  // Shift steps the chip set instead
    EXPECT_EQ(editor->curChipSet, 0xF0);
    EXPECT_EQ(editor->cursorRow, 7);
}

TEST_F(MapSetKeys, SpacePaintsAndEnterPicksOnlyInAnExistingMapSet)
{
    view(kViewMapSet);
    editor->viewPos = 31;
    editor->curChipSet = 0x66;
    editor->cursorCol = 9;
    editor->cursorRow = 2;
    key(VK_SPACE);
    key('S');
    EXPECT_EQ(editor->curChipSet, 0x66);
    editor->cursorCol = 3;
    key('D');
    EXPECT_EQ(editor->mapSet[2][31][3 * 8 + 2], 0x66);
    editor->mapSet[2][31][3 * 8 + 2] = 0x12;
    key(VK_RETURN);
    EXPECT_EQ(editor->curChipSet, 0x12);
}

TEST_F(MapSetKeys, PageKeysScrollWithinTheMapSetRange)
{
    view(kViewMapSet);
    host.scrollMax = 30;
    editor->viewPos = host.scrollPos = 40;  // left by "MAP"
    key(VK_PRIOR);
    EXPECT_EQ(editor->viewPos, 30);
}

TEST_F(ChipSetKeys, StepsWrapAndCrossTheHalves)
{
    view(kViewChipSet);
    editor->curChipSet = 0x7F;
    key(VK_RIGHT);
    EXPECT_EQ(editor->curChipSet, 0x80);
    editor->curChipSet = 0x05;
    key('K');
    EXPECT_EQ(editor->curChipSet, 0xF5);
    key(VK_NEXT);
    key('P');
    key(VK_PRIOR);
    EXPECT_EQ(editor->curChipSet, 0x75);
    shiftKey(VK_LEFT);
    EXPECT_EQ(editor->curChip, 255);
}

TEST_F(ChipSetKeys, PutAndPickKeysMirrorTheQuadrants)
{
    view(kViewChipSet);
    editor->curChipSet = 0x30;
    const int putKeys[] = {'E', 'R', 'D', 'F'};
    const int pickKeys[] = {'Q', 'W', 'A', 'S'};
    for (int q = 0; q < 4; ++q) {
        editor->curChip = 0x50 + q;
        key(putKeys[q]);
    }
    EXPECT_EQ(editor->chipSet[2][0x30][0], 0x50);
    EXPECT_EQ(editor->chipSet[2][0x30][3], 0x53);
    for (int q = 0; q < 4; ++q) {
        editor->curChip = 0;
        key(pickKeys[q]);
        EXPECT_EQ(editor->curChip, 0x50 + q) << "quadrant " << q;
    }
    editor->curChip = 0x99;
    key(VK_SPACE);
    EXPECT_EQ(editor->chipSet[2][0x30][2], 0x99);
}

TEST_F(ChipKeys, PutRedrawsTheTileAtItsQuadrantAndPickReadsIt)
{
    view(kViewChip);
    editor->curPal[2].colour[0][0] = 0x0F;
    editor->curChip = 0x12;
    editor->curTile = 0x41;
    const std::pair<int, Rect> puts[] = {
        {'E', {32, 16, 8, 8}}, {'R', {40, 16, 8, 8}}, {VK_SPACE, {32, 24, 8, 8}}, {'F', {40, 24, 8, 8}}};
    for (auto [putKey, where] : puts) {
        editor->chipSurface.fillAll(kWhite);
        key(putKey);
        EXPECT_EQ(drawnOnChipSurface().bounds, where) << "key " << putKey;
    }
    EXPECT_EQ(editor->chip[2][0x12].tile[0], 0x41);
    EXPECT_EQ(editor->chip[2][0x12].tile[2], 0x41);

    editor->chip[2][0x12].tile[1] = 0x77;
    key('W');
    EXPECT_EQ(editor->curTile, 0x77);
}

TEST_F(ChipKeys, ArrowsStepChipOrTileAndPageKeysPaletteOrStyle)
{
    view(kViewChip);
    shiftKey('H');
    EXPECT_EQ(editor->curTile, 255);
    key(VK_UP);
    EXPECT_EQ(editor->curChip, 240);
    key(VK_PRIOR);
    key('P');
    EXPECT_EQ(editor->chip[2][240].palette, 2);
    key('N');
    shiftKey(VK_NEXT);
    EXPECT_EQ(editor->chip[2][240].palette, 1);
    EXPECT_EQ(editor->chip[2][240].style, 0xF0);
    key('T');  // no view after "CHIP"
    EXPECT_EQ(editor->curTab, kViewChip);
}
