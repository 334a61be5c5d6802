#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "demo/demo_image.h"
#include "model/editor.h"
#include "render/stage_picture.h"
#include "support/fake_host.h"
#include "support/temp_folder.h"

namespace {

constexpr int kStage = 3;
constexpr int kPaletteSet = 2;

// Two editors on the demo image: one makes the pictures, the other starts as the
// program does and shows the views the pictures must match.
class StagePicture : public ::testing::Test {
protected:
    TempFolder folder;
    std::unique_ptr<EDITOR> exporter = std::make_unique<EDITOR>();
    std::unique_ptr<EDITOR> viewer = std::make_unique<EDITOR>();
    FakeHost exporterHost{*exporter};
    FakeHost viewerHost{*viewer};

    void SetUp() override
    {
        const std::string path = folder.file("demo.nes");
        writeDemoImage(path);
        for (EDITOR* editor : {exporter.get(), viewer.get()}) {
            editor->loadRom(path);
            editor->createSurfaces();
            // A page that names no map set.
            editor->pageSet[kStage][5] = 0x25;
            // The liquid's animation steps on the first tick, and stage 0 cycles it too.
            const std::uint8_t liquid = editor->palSet[kStage][kPaletteSet].selector[3];
            ASSERT_TRUE(liquid & 0x80);
            editor->palAnim[liquid & 0x3F].delay = 1;
            editor->palSet[0][0].selector[3] = liquid;
        }
    }

    // The viewer as the program shows stage kStage in palette set kPaletteSet on its
    // first frame after opening the image.
    void startViewer()
    {
        viewerHost.stageSelection = kStage;
        viewerHost.paletteSelection = kPaletteSet;
        viewerHost.tabSelection = kViewMap;
        viewerHost.applySelections();
        viewer->refresh(1);
    }

    // Compares each page of picture with the viewer's view of it, drawn without another
    // frame passing, at the view positions the scroll bar reaches (0 to 46).
    void expectPagesMatchView(const Surface& picture, int tab)
    {
        viewer->curTab = tab;
        for (int p = 0; p < kPageCount; ++p) {
            viewer->viewPos = std::min(p, kPageCount - 2);
            viewer->paint();
            const int left = 256 * (p - viewer->viewPos);
            int differing = 0;
            for (int y = 0; y < 256; ++y)
                for (int x = 0; x < 256; ++x)
                    differing += picture.pixel(256 * p + x, y) != viewer->viewSurface.pixel(left + x, y);
            EXPECT_EQ(differing, 0) << "page " << p;
        }
    }

    static void placeObjects(EDITOR& editor)
    {
        for (ObjectRecord& record : editor.object[kStage])
            record.page = kEmptyObjectPage;
        editor.object[kStage][0] = {0, 0x40, 3, 0xA7};    // marked as if at y 8
        editor.object[kStage][1] = {7, 0x80, 252, 0x15};  // marked as if at y 248
        editor.object[kStage][2] = {47, 0xE0, 0x80, 0x3C};
    }
};

}  // namespace

TEST_F(StagePicture, PagesAreTheMapViewsFirstFrameWhateverStageWasDrawnBefore)
{
    showFirstFrame(*exporter, 0, 0);
    showFirstFrame(*exporter, kStage, kPaletteSet);
    const Surface picture = stagePicture(*exporter, false);
    ASSERT_EQ(picture.width(), 12288);
    ASSERT_EQ(picture.height(), 256);

    startViewer();
    expectPagesMatchView(picture, kViewMap);
    EXPECT_EQ(picture.pixel(256 * 5 + 100, 100), kBlack);
}

TEST_F(StagePicture, ObjectsAreMarkedAsInTheObjectViewButNoneAsSelected)
{
    placeObjects(*exporter);
    placeObjects(*viewer);
    showFirstFrame(*exporter, kStage, kPaletteSet);
    exporter->curObject = 0;
    exporterHost.clearTexts();
    const Surface picture = stagePicture(*exporter, true);

    startViewer();
    viewer->curObject = 63;  // an empty slot: the view draws no selection frames
    expectPagesMatchView(picture, kViewObject);

    // The data bytes, and none of the panel's texts.
    ASSERT_EQ(exporterHost.texts.size(), 3u);
    EXPECT_EQ(exporterHost.textAt(0x40 - 8, 0), "A7");
    EXPECT_EQ(exporterHost.textAt(7 * 256 + 0x80 - 8, 240), "15");
    EXPECT_EQ(exporterHost.textAt(47 * 256 + 0xE0 - 8, 0x78), "3C");
}
