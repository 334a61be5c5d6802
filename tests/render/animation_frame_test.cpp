// A frame on which only the palette animation moved on is drawn again in the parts it
// can change; it must look exactly like the same frame drawn in full.

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "demo/demo_image.h"
#include "model/editor.h"
#include "model/view_geometry.h"
#include "support/fake_host.h"
#include "support/temp_folder.h"

namespace {

// Draws each text as a block of its own colour, within the clip as the desktop's text
// does, and counts the frames shown in parts.
class PaintingHost : public FakeHost {
public:
    using FakeHost::FakeHost;
    int partialShows = 0;

    void drawText(Surface& surface, int x, int y, std::string_view text) override
    {
        const auto shade = std::uint8_t(std::hash<std::string_view>{}(text));
        surface.fill({x, y, 8 * int(text.size()), 13}, rgb(shade, 0x40, std::uint8_t(255 - shade)));
    }
    void showViewChanges(const Surface& view, std::span<const Rect> copied, std::span<const Rect> leftOut,
                         std::span<const Rect>, std::uint64_t) override
    {
        ++partialShows;
        showView(view, copied, leftOut);
    }
};

struct Editing {
    EDITOR editor;
    PaintingHost host{editor};
};

std::unique_ptr<Editing> openDemo(const std::string& path)
{
    auto editing = std::make_unique<Editing>();
    EDITOR& editor = editing->editor;
    editor.loadRom(path);
    editor.selectPaletteSet(0);
    editor.createSurfaces();
    editor.drawChips();
    return editing;
}

// The first chip of stage 0 drawn in an animated sub-palette, and a chip set that
// shows it.
int animatedChip(const EDITOR& editor)
{
    for (int k = 0; k < kChipCount; ++k)
        if (editor.curPal[0].selector[editor.chip[0][k].palette & 3] & 0x80)
            return k;
    return -1;
}
int chipSetShowing(const EDITOR& editor, int k)
{
    for (int b = 0; b < kChipSetCount; ++b)
        for (const std::uint8_t chip : editor.chipSet[0][b])
            if (chip == k)
                return b;
    return -1;
}

}  // namespace

TEST(AnimationFrame, PartsDrawnAgainLookExactlyLikeTheWholeViewDrawnAgain)
{
    const TempFolder folder;
    const std::string path = folder.file("demo.nes");
    writeDemoImage(path);
    const auto parts = openDemo(path);
    const auto whole = openDemo(path);
    const int chip = animatedChip(parts->editor);
    ASSERT_GE(chip, 0) << "the demo's stage 0 animates nothing";
    const int chipSet = chipSetShowing(parts->editor, chip);
    ASSERT_GE(chipSet, 0);

    for (int view = kViewMap; view <= kViewChip; ++view) {
        for (Editing* editing : {parts.get(), whole.get()}) {
            EDITOR& editor = editing->editor;
            editor.curTab = view;
            editor.curChip = chip;
            editor.curChipSet = chipSet;
            editor.curObject = 1;
            editor.selection = {};
            editor.selection.view = view;
            editor.selection.end = {0, 1, 1};
            editor.refresh(1);
        }
        const int shownInParts = parts->host.partialShows;
        for (int tick = 0; tick < 100; ++tick) {
            parts->editor.refresh(1);
            whole->editor.viewSurface.data();  // anything drawn on the view: a full frame
            whole->editor.refresh(1);
            const Surface& a = parts->editor.viewSurface;
            const Surface& b = whole->editor.viewSurface;
            ASSERT_EQ(std::memcmp(a.data(), b.data(), std::size_t(a.width() * a.height()) * sizeof(Colour)), 0)
                << "view " << view << ", tick " << tick;
        }
        EXPECT_GT(parts->host.partialShows, shownInParts) << "view " << view << " never drew in parts";
        // The views of two pages leave the chips of other pages behind; a reader of the
        // whole sheets finds them as frames drawn in full leave them.
        for (int tick = 0; tick < 12; ++tick) {
            parts->editor.refresh(1);
            whole->editor.viewSurface.data();
            whole->editor.refresh(1);
            parts->editor.refresh(0);
            for (Surface EDITOR::*sheet : {&EDITOR::chipSurface, &EDITOR::chipSetSurface}) {
                const Surface& a = parts->editor.*sheet;
                const Surface& b = whole->editor.*sheet;
                ASSERT_EQ(std::memcmp(a.data(), b.data(), std::size_t(a.width() * a.height()) * sizeof(Colour)), 0)
                    << "view " << view << ", tick " << tick;
            }
        }
        EXPECT_EQ(whole->host.partialShows, 0);
    }
}
