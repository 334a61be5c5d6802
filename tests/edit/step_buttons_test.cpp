#include <algorithm>
#include <string>
#include <vector>

#include "edit/step_buttons.h"
#include "editing_fixture.h"
#include "model/view_geometry.h"

namespace {

// Records which command a button runs instead of running it.
class RecordingEditor : public EDITOR {
public:
    std::vector<std::string> calls;

    void stepPageSet(int pos, int step) override { record("page", pos, step); }
    void stepObject(int step) override { record("select", step); }
    void moveObjectX(int step) override { record("x", step); }
    void moveObjectY(int step) override { record("y", step); }
    void stepObjectData(int step) override { record("data", step); }
    void eraseObject() override { calls.push_back("erase"); }
    void insertObject() override { calls.push_back("insert"); }
    void stepChipPalette(int step) override { record("palette", step); }
    void stepChipStyle(int step) override { record("style", step); }

private:
    void record(const char* name, int a) { calls.push_back(name), append(a); }
    void record(const char* name, int a, int b) { record(name, a), append(b); }
    void append(int argument)
    {
        calls.back().push_back(' ');
        calls.back().append(std::to_string(argument));
    }
};

std::vector<std::string> pressEveryButton(int view, int curChipSet = 0)
{
    auto editor = std::make_unique<RecordingEditor>();
    editor->curTab = view;
    editor->curChipSet = curChipSet;
    for (int index = -1; index <= kStepButtonCount; ++index)  // also indexes no view has
        onStepButton(*editor, index);
    return editor->calls;
}

}  // namespace

TEST(StepButtons, MapStepsTheLeftOrRightPageByOneOrFour)
{
    EXPECT_EQ(pressEveryButton(kViewMap),
              (std::vector<std::string>{"page 0 1", "page 0 -1", "page 1 1", "page 1 -1", "page 0 4", "page 0 -4",
                                        "page 1 4", "page 1 -4"}));
}

TEST(StepButtons, ObjectRowsSelectMoveStepDataEraseAndInsert)
{
    EXPECT_EQ(pressEveryButton(kViewObject),
              (std::vector<std::string>{"select -1", "select 1", "select -8", "select 8", "x -1", "x 1", "y -1", "y 1",
                                        "data -1", "data 1", "data -8", "data 8", "erase", "insert", "x -8", "x 8",
                                        "y -8", "y 8"}));
}

TEST(StepButtons, ChipStepsPaletteAndStyle)
{
    EXPECT_EQ(pressEveryButton(kViewChip),
              (std::vector<std::string>{"palette 1", "style 1", "style -1", "style 4", "style -4"}));
}

TEST(StepButtons, MapSetHasNoneAndChipSetOnlyTheHalfSwitch)
{
    EXPECT_TRUE(pressEveryButton(kViewMapSet).empty());
    EXPECT_TRUE(pressEveryButton(kViewChipSet).empty());

    auto editor = std::make_unique<EDITOR>();
    editor->curTab = kViewChipSet;
    editor->curChipSet = 0x05;
    onStepButton(*editor, 0);
    EXPECT_EQ(editor->curChipSet, 0x85);
    onStepButton(*editor, 0);
    EXPECT_EQ(editor->curChipSet, 0x05);
    for (int index = 1; index < kStepButtonCount; ++index)
        onStepButton(*editor, index);
    EXPECT_EQ(editor->curChipSet, 0x05);
}

// The commands and the places are two tables; every button a view shows has exactly
// one command and no command waits on a button the view hides.
TEST(StepButtons, EveryShownButtonHasOneCommand)
{
    for (int view = 0; view < kViewCount; ++view) {
        std::vector<int> shown, commanded;
        for (const StepButtonPlace& place : stepButtonPlaces(view))
            shown.push_back(place.index);
        for (const StepButtonBinding& button : stepButtonTable(view))
            commanded.push_back(button.index);
        std::sort(shown.begin(), shown.end());
        std::sort(commanded.begin(), commanded.end());
        EXPECT_EQ(shown, commanded) << "view " << view;
    }
}
