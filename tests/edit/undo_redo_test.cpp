#include "edit/undo_redo.h"

#include <vector>

#include "edit/step_buttons.h"
#include "editing_fixture.h"
#include "model/editable_tables.h"
#include "rom/rom_layout.h"
#include "support/rom_image_builder.h"
#include "support/temp_folder.h"

namespace {

class UndoRedo : public EditingTest {
protected:
    UndoRedo() { editor->history.start(*editor); }

    // Runs one user action as the application does: the action, then the recording.
    template <typename Action>
    void act(Action action)
    {
        action();
        recordUserAction(*editor);
    }
    void ctrlKey(int key, bool shift = false)
    {
        host.press(VK_CONTROL);
        if (shift)
            host.press(VK_SHIFT);
        act([&] { editor->onKeyDown(key, 0); });
        host.release(VK_CONTROL);
        host.release(VK_SHIFT);
    }
};

}  // namespace

TEST_F(UndoRedo, EachEditPathIsOneStepThatCtrlZUndoesAndCtrlYOrCtrlShiftZRedoes)
{
    const std::vector<std::uint8_t> start = editableTables(*editor);
    act([&] { onStepButton(*editor, 0); });  // MAP: left page +1
    view(kViewChipSet);
    act([&] {
        editor->curChip = 7;
        editor->onKeyDown('E', 0);
    });  // put chip 7 in quadrant 0
    const std::vector<std::uint8_t> edited = editableTables(*editor);
    EXPECT_EQ(editor->history.undoSteps(), 2u);

    ctrlKey('Z');
    EXPECT_EQ(editor->chipSet[2][0][0], 0);
    EXPECT_EQ(editor->pageSet[2][0], 1);
    ctrlKey('Z');
    EXPECT_EQ(editableTables(*editor), start);
    ctrlKey('Z');  // nothing before the start of the session
    EXPECT_EQ(editableTables(*editor), start);

    ctrlKey('Y');
    EXPECT_EQ(editor->pageSet[2][0], 1);
    ctrlKey('Z', true);
    EXPECT_EQ(editableTables(*editor), edited);
    EXPECT_FALSE(editor->history.modified() && editor->history.redoSteps() != 0);
}

TEST_F(UndoRedo, AMouseStrokeFromPressToReleaseIsOneStep)
{
    view(kViewMapSet);
    editor->curChipSet = 0x9A;
    host.press(VK_LBUTTON);
    for (int x : {10, 40, 70, 100})
        act([&] { editor->onMouse(x, 10); });
    host.release(VK_LBUTTON);
    act([&] { editor->onMouse(100, 10); });
    EXPECT_EQ(editor->mapSet[2][0][3 * 8], 0x9A);
    EXPECT_EQ(editor->history.undoSteps(), 1u);

    undoEdit(*editor);
    for (int column = 0; column < 4; ++column)
        EXPECT_EQ(editor->mapSet[2][0][column * 8], 0);
}

TEST_F(UndoRedo, UndoShowsTheStageItChangedAndRedrawsItsChips)
{
    view(kViewChip);
    editor->object[5][9].page = kEmptyObjectPage;
    editor->history.start(*editor);
    editor->palSet[5][0].colour[0][1] = 0x30;  // colour 1 differs from colour 0
    editor->tileGfx[5][0x41][0] = 0xFF;        // the tile's top row in colour 1
    act([&] {
        host.stageSelection = 5;
        host.applySelections();
    });
    editor->curChip = 0x12;
    editor->curTile = 0x41;
    act([&] { editor->onKeyDown('E', 0); });
    ASSERT_NE(editor->chipSurface.pixel(32, 16), editor->chipSurface.pixel(32, 17));
    undoEdit(*editor);
    EXPECT_EQ(editor->chip[5][0x12].tile[0], 0);
    EXPECT_EQ(editor->chipSurface.pixel(32, 16), editor->chipSurface.pixel(32, 17));

    redoEdit(*editor);
    act([&] {
        host.stageSelection = 3;
        host.applySelections();
    });                     // the user moves on
    editor->curObject = 9;  // a free slot on stage 5
    undoEdit(*editor);
    EXPECT_EQ(editor->curStage, 5);
    EXPECT_EQ(host.stageSelection, 5);
    EXPECT_EQ(editor->curObject, 0);
}

TEST_F(UndoRedo, AReloadIsOneStepAndUndoingItBringsTheEditsBack)
{
    TempFolder folder;
    const std::string path = folder.file("image.nes");
    RomImageBuilder image;
    image.putStage(2, rom_layout::kPageTable, {0x11});
    image.writeTo(path);
    editor->loadRom(path);
    editor->history.start(*editor);

    act([&] { onStepButton(*editor, 0); });
    act([&] { editor->loadRom(path); });
    editor->history.markSaved();
    EXPECT_EQ(editor->pageSet[2][0], 0x11);
    EXPECT_FALSE(editor->history.modified());

    undoEdit(*editor);
    EXPECT_EQ(editor->pageSet[2][0], 0x12);
    EXPECT_TRUE(editor->history.modified());
    undoEdit(*editor);
    EXPECT_FALSE(editor->history.modified());  // back where the file is
}

TEST_F(UndoRedo, TheHistoryKeepsTheNewestThousandStepsAndANewEditEndsRedo)
{
    for (int i = 0; i < 1005; ++i)
        act([&] { onStepButton(*editor, 0); });
    EXPECT_EQ(editor->history.undoSteps(), 1000u);
    while (editor->history.undoSteps() != 0)
        undoEdit(*editor);
    EXPECT_EQ(editor->pageSet[2][0], 5);  // the five oldest are gone

    act([&] { onStepButton(*editor, 1); });
    EXPECT_EQ(editor->history.redoSteps(), 0u);
}

TEST_F(UndoRedo, StepsAreNamedWithWhatTheyChangedAfterTheCommandAndTheSavedOneIsKnown)
{
    editor->mapSet[2][0][0] = 0x12;
    editor->history.start(*editor);
    act([&] { onStepButton(*editor, 0); });  // MAP: left page +1
    editor->history.markSaved();
    view(kViewMapSet);
    ctrlKey('C');
    editor->cursorCol = 3;
    ctrlKey('V');
    act([&] {
        for (int cell = 0; cell < 8; ++cell)
            editor->mapSet[2][0][8 + cell] = 0x40;  // column 1
        editor->chip[3][0x1C].palette = 3;
    });

    ASSERT_EQ(editor->history.stepCount(), 3u);
    EXPECT_EQ(editor->history.stepName(0), "Stage 2 · page 00: map set 00 -> 01");
    EXPECT_EQ(editor->history.stepName(1), "Paste · stage 2 · map set 00 · cell (3, 0): 00 -> 12");
    EXPECT_EQ(editor->history.stepName(2), "Stage 2 · map set 00 · 8 cells and 1 more");
    EXPECT_EQ(editor->history.savedStep(), 1u);
    EXPECT_EQ(editor->history.unsavedStepNames().size(), 2u);
    undoEdit(*editor);
    undoEdit(*editor);
    act([&] { editor->pageSet[2][5] = 9; });  // the saved state stays among the steps
    EXPECT_EQ(editor->history.savedStep(), 1u);
    undoEdit(*editor);
    undoEdit(*editor);
    act([&] { editor->pageSet[2][6] = 9; });  // and is gone now
    EXPECT_FALSE(editor->history.savedStep());
}

TEST(EditHistoryBound, BytesBoundTheHistoryToo)
{
    EDITOR editor;
    EditHistory history({1000, 3000});
    history.start(editor);
    for (int i = 1; i <= 4; ++i) {
        std::memset(editor.mapSet, i, sizeof editor.mapSet);  // 32 KB a step
        history.record(editor, false);
    }
    EXPECT_EQ(history.undoSteps(), 1u);  // the newest is kept whatever its size
    history.undo(editor);
    EXPECT_EQ(editor.mapSet[0][0][0], 3);
}
