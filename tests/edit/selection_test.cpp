// Selections, copying, pasting and filling, as the user drives them: keys and the
// mouse through the editor, each followed by the recording the application does.

#include <string>
#include <vector>

#include "edit/selection_editing.h"
#include "edit/step_buttons.h"
#include "edit/undo_redo.h"
#include "editing_fixture.h"
#include "model/editable_tables.h"

namespace {

class Selecting : public EditingTest {
protected:
    Selecting()
    {
        // Every cell, chip set and chip different, so a misplaced copy shows.
        for (int s : {2, 3}) {
            for (int m = 0; m < kMapSetCount; ++m)
                for (int i = 0; i < kMapSetCells; ++i)
                    editor->mapSet[s][m][i] = std::uint8_t(m * 7 + i + s);
            for (int b = 0; b < kChipSetCount; ++b)
                for (int q = 0; q < 4; ++q)
                    editor->chipSet[s][b][q] = std::uint8_t(b + q * 64 + s);
            for (int k = 0; k < kChipCount; ++k)
                editor->chip[s][k] = {
                    {std::uint8_t(k), std::uint8_t(k + s), 0, 0}, std::uint8_t(k % 4), std::uint8_t((k * 4) & 0xFC)};
            for (int p = 0; p < kPageCount; ++p)
                editor->pageSet[s][p] = std::uint8_t((p + s) % kMapSetCount);
        }
        editor->history.start(*editor);
    }

    void key(int code, bool ctrl = false, bool shift = false)
    {
        if (ctrl)
            host.press(VK_CONTROL);
        if (shift)
            host.press(VK_SHIFT);
        editor->onKeyDown(code, 0);
        recordUserAction(*editor);
        host.releaseAll();
    }
    void ctrl(int code) { key(code, true); }

    // A move of the pointer with the given keys and buttons held.
    void mouse(int x, int y, std::initializer_list<int> held = {})
    {
        for (int k : held)
            host.press(k);
        editor->onMouse(x, y);
        recordUserAction(*editor);
        host.releaseAll();
    }

    void stage(int s)
    {
        host.stageSelection = s;
        host.applySelections();
        recordUserAction(*editor);
    }

    const Selection* selection() const { return activeSelection(*editor); }
    std::uint8_t cell(int m, int column, int row, int s = 2) const { return editor->mapSet[s][m][column * 8 + row]; }
};

}  // namespace

TEST_F(Selecting, MapSetCellsCopyAndPasteClippedAtTheMapSetsEdgeAsOneUndoStep)
{
    view(kViewMapSet);
    editor->cursorCol = 1, editor->cursorRow = 1;
    key('V');
    key(VK_RIGHT), key(VK_RIGHT), key(VK_DOWN);
    ASSERT_TRUE(selection());
    EXPECT_EQ(selection()->columns(), 3);
    EXPECT_EQ(selection()->rows(), 2);
    key('V');  // stops extending: the cursor moves on alone
    ctrl('C');
    EXPECT_EQ(host.clipboardText.substr(host.clipboardText.find('\n') + 1, 12), "MAP SET 3x2\n");
    EXPECT_EQ(host.clipboardPicture.width(), 3 * 32);

    const std::vector<std::uint8_t> before = editableTables(*editor);
    const std::uint8_t rightMapSetCell = cell(1, 0, 7);
    editor->cursorCol = 6, editor->cursorRow = 7;  // two columns and one row left in map set 0
    ctrl('V');
    EXPECT_EQ(cell(0, 6, 7), cell(0, 1, 1));
    EXPECT_EQ(cell(0, 7, 7), cell(0, 2, 1));
    EXPECT_EQ(cell(1, 0, 7), rightMapSetCell);  // nothing spills into the next map set
    ASSERT_TRUE(selection());
    EXPECT_EQ(selection()->count(), 2);  // what was pasted

    ctrl('Z');
    EXPECT_EQ(editableTables(*editor), before);
}

TEST_F(Selecting, ChipSetsAndChipsCarryTheirNumbersToAnotherStage)
{
    view(kViewChipSet);
    editor->curChipSet = 0x11;
    key('V'), key(VK_RIGHT);
    ctrl('C');
    stage(3);
    EXPECT_FALSE(editor->selection.exists());  // a change of stage ends it
    editor->curChipSet = 0x8F;                 // the last column of the lower half: one chip set fits
    ctrl('V');
    EXPECT_EQ(0, std::memcmp(editor->chipSet[3][0x8F], editor->chipSet[2][0x11], 4));
    EXPECT_NE(0, std::memcmp(editor->chipSet[3][0x90], editor->chipSet[2][0x12], 4));

    view(kViewChip);
    stage(2);
    editor->curChip = 0x21;
    ctrl('C');
    stage(3);
    editor->curChip = 0x05;
    ctrl('V');
    EXPECT_EQ(0, std::memcmp(&editor->chip[3][0x05], &editor->chip[2][0x21], sizeof(ChipRecord)));
}

TEST_F(Selecting, PagesPasteFromTheLeftPageShownAndStopAtTheLastPage)
{
    editor->viewPos = host.scrollPos = 10;
    key('V');
    for (int i = 0; i < 3; ++i)
        key(VK_NEXT);  // scrolling extends the run
    ASSERT_TRUE(selection());
    EXPECT_EQ(selection()->count(), 4);
    ctrl('C');
    host.scrollPos = editor->viewPos = 46;
    ctrl('V');
    EXPECT_EQ(editor->pageSet[2][46], editor->pageSet[2][10]);
    EXPECT_EQ(editor->pageSet[2][47], editor->pageSet[2][11]);
}

TEST_F(Selecting, ObjectsPasteAfterTheCurrentOneKeepingTheirPageDistances)
{
    view(kViewObject);
    fillObjects(5);  // slot i on page i
    editor->curObject = 1;
    key('V'), key(VK_NEXT);  // slots 1 and 2, pages 1 and 2
    ctrl('C');
    editor->viewPos = 20, editor->curObject = 3;
    ctrl('V');
    EXPECT_EQ(objectCount(), 7);
    EXPECT_EQ(objects()[4].page, 20);
    EXPECT_EQ(objects()[5].page, 21);
    EXPECT_EQ(objects()[4].x, 16);
    EXPECT_EQ(objects()[6].data, 4);  // the old slot 4 moved on
    EXPECT_EQ(editor->curObject, 4);

    fillObjects(63);
    const auto full = objectList();
    ctrl('V');
    EXPECT_TRUE(objectListIs(full));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "It cannot add any more!");
}

TEST_F(Selecting, CutCopiesAndErasesTheObjectsInOneStepButNeverTheLastOne)
{
    view(kViewObject);
    fillObjects(5);
    const auto list = objectList();
    editor->curObject = 1;
    key('V'), key(VK_NEXT), key(VK_NEXT);
    ctrl('X');
    EXPECT_EQ(objectCount(), 2);
    EXPECT_EQ(objects()[1].data, 4);
    EXPECT_FALSE(editor->selection.exists());
    ctrl('Z');
    EXPECT_TRUE(objectListIs(list));
    ctrl('V');  // what was cut is on the clipboard
    EXPECT_EQ(objectCount(), 8);

    ctrl('A');
    ctrl('X');
    EXPECT_EQ(objectCount(), 8);
    EXPECT_EQ(host.messages.back().text, "It cannot erase any more!");
}

TEST_F(Selecting, PutKeysAndChipStepsFillEverySelectedItem)
{
    view(kViewMapSet);
    editor->curChipSet = 0x42;
    ctrl('A');  // the whole map set under the cursor
    key(VK_SPACE);
    for (int i = 0; i < kMapSetCells; ++i)
        EXPECT_EQ(editor->mapSet[2][0][i], 0x42);
    EXPECT_NE(cell(1, 0, 0), 0x42);
    EXPECT_EQ(editor->history.undoSteps(), 1u);

    view(kViewChip);
    recordUserAction(*editor);
    editor->curChip = 0x10;
    key('V'), key(VK_RIGHT), key(VK_DOWN);  // chips 10, 11, 20, 21
    const int palette11 = editor->chip[2][0x11].palette;
    key(VK_PRIOR);  // each sub-palette + 1 from its own value
    EXPECT_EQ(editor->chip[2][0x11].palette, (palette11 + 1) % 4);
    EXPECT_EQ(editor->chip[2][0x12].palette, 0x12 % 4);
    editor->curTile = 0x77;
    key('F');
    for (int k : {0x10, 0x11, 0x20, 0x21})
        EXPECT_EQ(editor->chip[2][k].tile[3], 0x77);
    EXPECT_EQ(editor->curChip, 0x21);
    onStepButton(*editor, 3);  // style + 0x40
    recordUserAction(*editor);
    EXPECT_EQ(editor->chip[2][0x20].style, std::uint8_t((0x20 * 4 + 0x40) & 0xFC));
    EXPECT_EQ(editor->history.undoSteps(), 4u);
}

TEST_F(Selecting, ForeignDamagedOrOtherViewsClipboardChangesNothing)
{
    view(kViewMapSet);
    const std::vector<std::uint8_t> before = editableTables(*editor);
    const std::string header = "Quarrix Editor selection 1\n";
    for (const std::string& text :
         {std::string(""), std::string("hello"), std::string("Quarrix Editor selection 2\nMAP SET 1x1\n00\n"),
          header + "MAP SET 9x1\n00 00 00 00 00 00 00 00 00\n", header + "MAP SET 2x2\n00 01\n",
          header + "MAP SET 2x1\n00 0G\n", header + "MAP SET 1x1\n00 01\n", header + "MAP SET 1x1\n-1\n",
          header + "CHIP SET 1x1\n00:01:02:03\n", header + "CHIP 1x1\n00:00:00:00:07:00\n"}) {
        host.clipboardText = text;
        const std::size_t messages = host.messages.size();
        ctrl('V');
        EXPECT_EQ(host.messages.size(), messages + 1) << text;
        EXPECT_EQ(editableTables(*editor), before) << text;
    }
    host.clipboardText = header + "MAP SET 1x1\r\n1f\r\n\r\n";  // as a forum post may give it back
    ctrl('V');
    EXPECT_EQ(cell(0, 0, 0), 0x1F);
}

TEST_F(Selecting, EndsOnEscapeAChangeOfViewOrAnEditOutsideIt)
{
    key('V');
    key(VK_NEXT);
    ASSERT_TRUE(selection());
    key(VK_UP);  // steps the left page's map set: inside the selection
    EXPECT_TRUE(selection());
    onStepButton(*editor, 2);  // the right page, outside it
    recordUserAction(*editor);
    EXPECT_FALSE(editor->selection.exists());

    key('V');
    key(VK_ESCAPE);
    EXPECT_FALSE(editor->selection.exists());

    ctrl('A');
    key('T');
    view(kViewMap);
    EXPECT_FALSE(editor->selection.exists());
}

TEST_F(Selecting, ShiftDragSelectsARectangleAndAPlainClickEndsItAndActs)
{
    view(kViewChip);
    mouse(20, 40, {VK_SHIFT, VK_LBUTTON});  // chip 0x21
    mouse(60, 70, {VK_SHIFT, VK_LBUTTON});  // to chip 0x43
    mouse(600, 10, {VK_LBUTTON});           // beyond the sheet: its edge, row 0
    mouse(600, 10);                         // released
    ASSERT_TRUE(selection());
    EXPECT_EQ(selection()->left(), 1);
    EXPECT_EQ(selection()->columns(), 15);
    EXPECT_EQ(selection()->rows(), 3);
    EXPECT_EQ(editor->curChip, 0);  // nothing was picked

    mouse(40, 40, {VK_LBUTTON});
    EXPECT_FALSE(editor->selection.exists());
    EXPECT_EQ(editor->curChip, 0x22);
}

TEST_F(Selecting, OnlyAKeyThatMovesTheCurrentItemExtendsIt)
{
    view(kViewMapSet);
    editor->cursorCol = 2, editor->cursorRow = 2;
    key('V');
    editor->cursorCol = 6, editor->cursorRow = 6;  // where hovering takes the cursor
    key('G');                                      // in no table
    ASSERT_TRUE(selection());
    EXPECT_EQ(selection()->count(), 1);
    key(VK_RIGHT);
    EXPECT_EQ(selection()->columns(), 6);  // from column 2 to the cursor's 7
}

TEST_F(Selecting, AClickWithoutShiftWhereTheViewHasNoAreaEndsIt)
{
    ctrl('A');
    ASSERT_TRUE(selection());
    mouse(100, 100, {VK_LBUTTON});
    EXPECT_FALSE(editor->selection.exists());
}

TEST_F(Selecting, AnUndoOutsideItEndsIt)
{
    view(kViewChipSet);
    editor->curChipSet = 0;
    key('E');
    key(VK_RIGHT), key('V');
    ctrl('Z');
    EXPECT_FALSE(editor->selection.exists());

    view(kViewObject);
    fillObjects(3);
    recordUserAction(*editor);
    editor->curObject = 2;
    ctrl('C'), ctrl('V');  // the pasted slot 3 is selected
    ctrl('Z');             // and free again
    EXPECT_FALSE(editor->selection.exists());
}

TEST_F(Selecting, ObjectsSelectedAreUsedSlotsOnlySoACopyNeverCarriesAFreeOne)
{
    view(kViewObject);
    fillObjects(64);
    ctrl('A');
    onStepButton(*editor, 12);  // erase
    recordUserAction(*editor);
    ASSERT_TRUE(selection());
    EXPECT_EQ(selection()->count(), 63);
    ctrl('C');
    EXPECT_NE(host.clipboardText.find("OBJECT 63x1\n"), std::string::npos);
}
