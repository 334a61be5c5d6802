#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "demo/demo_image.h"
#include "model/editable_tables.h"
#include "model/editor.h"
#include "rom/load_rom.h"
#include "script/checked_tables.h"
#include "script/script_step.h"

namespace {

class ScriptStepTest : public ::testing::Test {
protected:
    ScriptStepTest() : editor(std::make_unique<EDITOR>())
    {
        loadRomImage(*editor, makeDemoImage());
        editor->history.start(*editor);
    }

    std::unique_ptr<EDITOR> editor;
};

TEST_F(ScriptStepTest, ARunTakenBackLeavesTheTablesAndTheHistoryAsBefore)
{
    const std::vector<std::uint8_t> before = editableTables(*editor);
    ScriptStep step(*editor);
    setMapSetCell(*editor, 0, 0, 0, 0, (mapSetCell(*editor, 0, 0, 0, 0) + 1) % 256);
    setPaletteColour(*editor, 9, 1, 1, 1, (paletteColour(*editor, 9, 1, 1, 1) + 1) % 64);
    EXPECT_TRUE(step.changedAnything());
    step.takeBack();
    EXPECT_EQ(editableTables(*editor), before);
    EXPECT_FALSE(editor->history.record(*editor, false));
    EXPECT_EQ(editor->history.undoSteps(), 0u);
}

TEST_F(ScriptStepTest, ARunOverManyStagesIsOneNamedStepOfTheHistory)
{
    const std::vector<std::uint8_t> before = editableTables(*editor);
    ScriptStep step(*editor);
    for (int stage = 0; stage < kStageCount; ++stage)
        setPageMapSet(*editor, stage, 0, (pageMapSet(*editor, stage, 0) + 1) % 32);
    ASSERT_TRUE(step.finish("shift pages"));
    EXPECT_EQ(editor->history.undoSteps(), 1u);
    EXPECT_EQ(editor->history.lastStepName(), "shift pages");
    editor->history.undo(*editor);
    EXPECT_EQ(editableTables(*editor), before);

    // A run that changes nothing makes no step.
    ScriptStep nothing(*editor);
    EXPECT_FALSE(nothing.finish("nothing"));
    EXPECT_EQ(editor->history.undoSteps(), 0u);
}

}  // namespace
