#include <memory>

#include <gtest/gtest.h>

#include "demo/demo_image.h"
#include "model/editor.h"
#include "rom/load_rom.h"
#include "script/checked_tables.h"
#include "script/script_place.h"
#include "support/fake_host.h"

namespace {

class ScriptPlaceTest : public ::testing::Test {
protected:
    ScriptPlaceTest() : editor(std::make_unique<EDITOR>()), host(*editor)
    {
        editor->createSurfaces();
        loadRomImage(*editor, makeDemoImage());
        host.applySelections();
    }

    std::unique_ptr<EDITOR> editor;
    FakeHost host;
};

TEST_F(ScriptPlaceTest, APlaceIsShownInItsStageAsAJumpShowsAUse)
{
    using Kind = ScriptPlace::Kind;
    showPlace(*editor, {Kind::Cell, 5, 20, 3, 6});
    EXPECT_EQ(editor->curStage, 5);
    EXPECT_EQ(editor->curTab, kViewMapSet);
    EXPECT_EQ(editor->viewPos, 20);
    EXPECT_EQ(editor->cursorCol, 3);
    EXPECT_EQ(editor->cursorRow, 6);

    showPlace(*editor, {Kind::Page, 5, 30});
    EXPECT_EQ(editor->curTab, kViewMap);
    EXPECT_EQ(editor->viewPos, 30);

    showPlace(*editor, {Kind::Object, 2, 1});
    EXPECT_EQ(editor->curStage, 2);
    EXPECT_EQ(editor->curTab, kViewObject);
    EXPECT_EQ(editor->curObject, 1);

    showPlace(*editor, {Kind::Tile, 2, 77});
    EXPECT_EQ(editor->curTab, kViewChip);
    EXPECT_EQ(editor->curTile, 77);

    EXPECT_THROW(checkPlace({Kind::Cell, 5, 20, 8, 0}), TableAccessError);
    EXPECT_THROW(checkPlace({Kind::Page, 16, 0}), TableAccessError);
}

}  // namespace
