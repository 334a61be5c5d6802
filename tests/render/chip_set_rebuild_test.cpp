#include <random>

#include "render_fixture.h"

// drawChipSets redraws only the chip sets whose inputs changed since its last run. These
// tests check that the sheet always ends up exactly as a full rebuild would draw it.
class ChipSetRebuild : public RenderTest {
protected:
    std::mt19937 random{1234};

    void SetUp() override
    {
        RenderTest::SetUp();
        for (int s = 0; s < 2; ++s) {
            for (int t = 0; t < 256; ++t)
                for (auto& byte : editor.tileGfx[s][t])
                    byte = std::uint8_t(random());
            for (auto& record : editor.chip[s]) {
                for (auto& tile : record.tile)
                    tile = std::uint8_t(random());
                record.palette = std::uint8_t(random() & 3);
            }
            for (auto& set : editor.chipSet[s])
                for (auto& number : set)
                    number = std::uint8_t(random());
            for (int p = 0; p < 4; ++p)
                for (int v = 0; v < 4; ++v)
                    editor.curPal[s].colour[p][v] = std::uint8_t(random() & 0x3F);
        }
        // Sub-palette 3 of stage 0 is animated, so its chips change on every refresh.
        editor.curPal[0].selector[3] = 0x80;
        editor.palAnim[0].frames = {{0x01, 0x02, 0x03}, {0x11, 0x12, 0x13}};
        editor.drawChips();
    }

    // The chip-set sheet drawn from scratch, chip set by chip set.
    Surface fullRebuild() const
    {
        Surface sheet(512, 512);
        for (int b = 0; b < 256; ++b)
            for (int q = 0; q < 4; ++q) {
                const int k = editor.chipSet[editor.curStage][b][q];
                sheet.copy(editor.chipSurface, 16 * (k % 16), 16 * (k / 16), 16, 16, 32 * (b % 16) + 16 * (q & 1),
                           32 * (b / 16) + 16 * (q >> 1));
            }
        return sheet;
    }

    void expectSheetMatchesFullRebuild(const char* after)
    {
        const Surface expected = fullRebuild();
        const Surface& actual = editor.chipSetSurface;
        int differing = 0;
        for (int y = 0; y < 512; ++y)
            for (int x = 0; x < 512; ++x)
                differing += actual.pixel(x, y) != expected.pixel(x, y);
        EXPECT_EQ(differing, 0) << "after " << after;
    }
};

TEST_F(ChipSetRebuild, EveryKindOfChangeReachesTheSheet)
{
    editor.refresh(1);
    expectSheetMatchesFullRebuild("the first refresh");

    editor.refresh(1);  // the animation moves on one frame
    expectSheetMatchesFullRebuild("an animation step");

    editor.chipSet[0][0x42][3] = std::uint8_t(editor.chipSet[0][0x42][3] + 1);
    editor.refresh(0);
    expectSheetMatchesFullRebuild("a chip-set edit");

    editor.chip[0][0x17].tile[1] = 0x99;
    editor.chip[0][0x17].palette = 1;
    editor.drawChipTile(16 * 7 + 8, 16 * 1, 0x99, 1);
    editor.refresh(0);
    expectSheetMatchesFullRebuild("a chip edit");

    editor.curPal[0].colour[0][2] = 0x16;
    editor.drawChips();
    editor.refresh(0);
    expectSheetMatchesFullRebuild("a palette change");

    editor.curStage = 1;
    editor.drawChips();
    editor.refresh(0);
    expectSheetMatchesFullRebuild("a stage change");

    editor.createSurfaces();
    editor.drawChips();
    editor.refresh(0);
    expectSheetMatchesFullRebuild("new surfaces");
}

TEST_F(ChipSetRebuild, AnUnchangedSheetIsLeftAsItIs)
{
    editor.drawChipSets();
    // Nothing changed since the build, so this mark must survive the next one.
    editor.chipSetSurface.setPixel(0, 0, tag(7));
    editor.drawChipSets();
    EXPECT_EQ(editor.chipSetSurface.pixel(0, 0), tag(7));
}
