#include <vector>

#include "render_fixture.h"

namespace {

class SelectionFrame : public RenderTest {
protected:
    std::vector<Colour> painted()
    {
        editor.paint();
        return {editor.viewSurface.data(), editor.viewSurface.data() + 512 * 528};
    }
};

}  // namespace

// The selection adds a black-and-white frame on the edge of its cells and changes no
// other pixel; the view without one is drawn as ever.
TEST_F(SelectionFrame, FramesTheSelectedCellsOfTheMapSetShownAndNothingElse)
{
    tagSheets();
    editor.curTab = kViewMapSet;
    editor.viewPos = 4;
    const std::vector<Colour> plain = painted();

    editor.selection.view = kViewMapSet;
    editor.selection.stage = editor.curStage;
    editor.selection.anchor = {5, 2, 1};  // the right map set, columns 1 to 2, rows 1 to 3
    editor.selection.end = {5, 1, 3};
    const std::vector<Colour> framed = painted();

    const Rect cells{256 + 32, 32, 64, 96};
    bool black = false, white = false;
    for (int y = 0; y < 528; ++y)
        for (int x = 0; x < 512; ++x) {
            const bool edge = cells.contains(x, y) && !Rect{cells.x + 2, cells.y + 2, 60, 92}.contains(x, y);
            const Colour now = framed[std::size_t(y * 512 + x)];
            if (!edge) {
                ASSERT_EQ(now, plain[std::size_t(y * 512 + x)]) << x << ", " << y;
            }
            black = black || (edge && now == kBlack);
            white = white || (edge && now == kWhite);
        }
    EXPECT_TRUE(black && white);

    editor.selection.stage = editor.curStage + 1;  // another stage's selection is not shown
    EXPECT_EQ(painted(), plain);
}
