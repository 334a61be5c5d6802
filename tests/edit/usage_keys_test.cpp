// U and Shift+U visit the uses of the current item in order and wrap around the stage;
// Ctrl+H replaces exactly the uses it names, as one undo step; F2 asks for the window.

#include <algorithm>
#include <vector>

#include "edit/key_tables.h"
#include "edit/undo_redo.h"
#include "edit/usage_report.h"
#include "editing_fixture.h"
#include "model/editable_tables.h"
#include "usage/stage_usage.h"

namespace {

class UsageKeys : public EditingTest {
protected:
    UsageKeys()
    {
        // Chip set 33 in four cells of three map sets; the rest of the stage is zero.
        for (const Cell& c : kCells)
            cell(c) = 0x33;
        editor->history.start(*editor);
    }

    struct Cell {
        int mapSet, column, row;
    };
    // In the order of the stage: map set, then row, then column.
    static constexpr Cell kCells[] = {{2, 7, 0}, {2, 1, 5}, {20, 3, 5}, {31, 6, 0}};

    std::uint8_t& cell(const Cell& c) { return editor->mapSet[2][c.mapSet][c.column * 8 + c.row]; }

    void key(int virtualKey, int modifier = 0)
    {
        if (modifier)
            host.press(modifier);
        editor->onKeyDown(virtualKey, 0);
        recordUserAction(*editor);
        host.releaseAll();
    }

    // The "MAP SET" cursor as the map set and cell it stands on.
    std::vector<int> cursor() const
    {
        return {editor->viewPos + editor->cursorCol / 8, editor->cursorCol % 8, editor->cursorRow};
    }
    std::vector<int> at(const Cell& c) const { return {c.mapSet, c.column, c.row}; }
};

}  // namespace

TEST_F(UsageKeys, UVisitsTheCellsOfTheCursorChipSetInOrderAndWraps)
{
    view(kViewMapSet);
    editor->viewPos = host.scrollPos = 2;
    editor->cursorCol = 7;
    for (const Cell& next : {kCells[1], kCells[2], kCells[3], kCells[0]}) {
        key('U');
        EXPECT_EQ(cursor(), at(next));
    }
    // The last map set cannot be the left one: 31 is shown on the right of 30.
    key('U', VK_SHIFT);
    EXPECT_EQ(cursor(), at(kCells[3]));
    EXPECT_EQ(editor->viewPos, 30);
    key('U', VK_SHIFT);
    EXPECT_EQ(cursor(), at(kCells[2]));
    // A map set already shown is not scrolled to.
    key('U', VK_SHIFT);
    key('U', VK_SHIFT);
    EXPECT_EQ(cursor(), at(kCells[0]));
    EXPECT_EQ(editor->viewPos, 2);
    EXPECT_EQ(editor->cursorCol, 7);
}

TEST_F(UsageKeys, UShowsAUseInTheViewThatHoldsIt)
{
    // "CHIP SET": the next cell after the cursor, in "MAP SET".
    view(kViewChipSet);
    editor->curChipSet = 0x33;
    key('U');
    EXPECT_EQ(editor->curTab, kViewMapSet);
    EXPECT_EQ(cursor(), at(kCells[0]));

    // "CHIP": the next chip set after the selected one that holds the chip, in "CHIP SET".
    editor->chipSet[2][0x90][0] = 0x44;
    editor->chipSet[2][0x20][3] = 0x44;
    view(kViewChip);
    editor->curChip = 0x44;
    editor->curChipSet = 0x20;
    key('U');
    EXPECT_EQ(editor->curTab, kViewChipSet);
    EXPECT_EQ(editor->curChipSet, 0x90);
    EXPECT_EQ(editor->curChip, 0x44);

    // "MAP": page 47 is shown on the right of 46.
    view(kViewMap);
    editor->pageSet[2][5] = editor->pageSet[2][47] = 0x07;
    editor->viewPos = host.scrollPos = 5;
    key('U');
    EXPECT_EQ(editor->viewPos, 46);
}

TEST_F(UsageKeys, CtrlHReplacesExactlyTheListedUsesAsOneUndoStep)
{
    const std::vector<std::uint8_t> before = editableTables(*editor);
    view(kViewChipSet);
    editor->curChipSet = 0x33;
    host.replacementAnswer = 0x5A;
    key('H', VK_CONTROL);
    ASSERT_EQ(host.replacementQuestions.size(), 1u);
    EXPECT_EQ(host.replacementQuestions[0].prompt, "Replace 4 uses of chip set 33 with:");
    EXPECT_EQ(host.replacementQuestions[0].suggested, 0x33);

    const std::vector<std::uint8_t> after = editableTables(*editor);
    int changed = 0;
    for (std::size_t i = 0; i < after.size(); ++i)
        changed += after[i] != before[i];
    EXPECT_EQ(changed, 4);
    for (const Cell& c : kCells)
        EXPECT_EQ(cell(c), 0x5A);
    EXPECT_EQ(editor->history.undoSteps(), 1u);

    key('Z', VK_CONTROL);
    EXPECT_EQ(editableTables(*editor), before);
}

TEST_F(UsageKeys, CtrlHOffersTheBrushInMapSetAndKeepsMapSetsInRange)
{
    view(kViewMapSet);
    editor->viewPos = host.scrollPos = 20;
    editor->cursorCol = 3, editor->cursorRow = 5;
    editor->curChipSet = 0x12;
    key('H', VK_CONTROL);  // cancelled
    EXPECT_EQ(host.replacementQuestions.back().suggested, 0x12);
    EXPECT_EQ(cell(kCells[2]), 0x33);

    view(kViewMap);
    editor->viewPos = 0;
    host.replacementAnswer = 0x1F;
    key('H', VK_CONTROL);
    EXPECT_EQ(host.replacementQuestions.back().prompt, "Replace 48 uses of map set 00 with:");
    EXPECT_EQ(host.replacementQuestions.back().highest, 0x1F);
    EXPECT_EQ(editor->pageSet[2][47], 0x1F);
}

TEST_F(UsageKeys, ObjectHasNoItemAndF2AsksForTheWindowInEveryView)
{
    view(kViewObject);
    const std::vector<std::uint8_t> before = editableTables(*editor);
    key('U');
    key('H', VK_CONTROL);
    EXPECT_TRUE(host.replacementQuestions.empty());
    EXPECT_EQ(editableTables(*editor), before);
    for (int v = 0; v < kViewCount; ++v) {
        const KeyBinding* f2 = findKeyBinding(v, VK_F2, false, false);
        ASSERT_NE(f2, nullptr);
        EXPECT_STREQ(f2->command, "view.whereUsed");
    }
}

TEST_F(UsageKeys, TheChipReportCountsTheChipsOfEachSubPalette)
{
    view(kViewChip);
    for (int c = 0; c < 5; ++c)
        editor->chip[2][c].palette = 3;
    editor->chip[2][9].palette = 1;
    const std::vector<UsageSection> report = usageReport(*editor, countStageUsage(*editor, 2));
    const auto found = std::find_if(report.begin(), report.end(),
                                    [](const UsageSection& s) { return s.title.find("sub-palette") != s.title.npos; });
    ASSERT_NE(found, report.end());
    ASSERT_EQ(found->entries.size(), 4u);
    EXPECT_EQ(found->entries[0].what, "250 chips");
    EXPECT_EQ(found->entries[1].what, "1 chip");
    EXPECT_EQ(found->entries[3].what, "5 chips");
}
