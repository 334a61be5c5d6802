#include "render_fixture.h"

namespace {

constexpr Colour kRed = rgb(0xFF, 0x00, 0x00);
constexpr Colour kGreen = rgb(0x00, 0xFF, 0x00);
constexpr Colour kBlue = rgb(0x00, 0x00, 0xFF);

class MapViews : public RenderTest {
protected:
    void SetUp() override
    {
        RenderTest::SetUp();
        tagSheets();
        // Map set m, column k, row j names chip set (m + 8k + j) mod 256.
        for (int m = 0; m < 32; ++m)
            for (int cell = 0; cell < 64; ++cell)
                editor.mapSet[0][m][cell] = std::uint8_t(m + cell);
        for (ObjectRecord& record : editor.object[0])
            record.page = 0x30;
    }
    void showMap(int viewPos)
    {
        editor.curTab = kViewMap;
        editor.viewPos = viewPos;
        editor.paint();
    }
    ObjectRecord& place(int slot, int page, int x, int y, int data = 0)
    {
        ObjectRecord& record = editor.object[0][slot];
        record = ObjectRecord{std::uint8_t(page), std::uint8_t(x), std::uint8_t(y), std::uint8_t(data)};
        return record;
    }
    void showObjects(int viewPos, int current)
    {
        editor.curTab = kViewObject;
        editor.viewPos = viewPos;
        editor.curObject = current;
        editor.paint();
    }
    bool halfIsBlack(int h) const
    {
        for (int y = 0; y < 256; y += 7)
            for (int x = 256 * h; x < 256 * h + 256; x += 7)
                if (view(x, y) != kBlack)
                    return false;
        return true;
    }
};

}  // namespace

TEST_F(MapViews, MapShowsBothPagesFromWholeChipSetsWithTheirTexts)
{
    editor.pageSet[0][3] = 5;
    editor.pageSet[0][4] = 0x1F;
    showMap(3);
    // Left half, column 2, row 6: map set 5 entry 22.
    EXPECT_EQ(view(64 + 3, 192 + 30), tag(5 + 22));
    // Right half, column 7, row 0: map set 31 entry 56.
    EXPECT_EQ(view(256 + 224, 0), tag(31 + 56));
    EXPECT_EQ(host.textAt(64, 276), "Page:03");
    EXPECT_EQ(host.textAt(64, 328), "Set:05");
    EXPECT_EQ(host.textAt(320, 276), "Page:04");
    EXPECT_EQ(host.textAt(320, 328), "Set:1F");
    EXPECT_EQ(host.texts.size(), 4u);
    // The lower area is black apart from the texts, which the application draws.
    EXPECT_EQ(view(10, 400), kBlack);
}

TEST_F(MapViews, MapLeavesAHalfBlackForAnUnknownMapSetOrAPagePastTheEnd)
{
    editor.pageSet[0][46] = 0x25;  // names no map set; its number still shows
    editor.pageSet[0][47] = 2;
    showMap(46);
    EXPECT_TRUE(halfIsBlack(0));
    EXPECT_FALSE(halfIsBlack(1));
    EXPECT_EQ(host.textAt(64, 328), "Set:25");

    host.clearTexts();
    showMap(47);
    EXPECT_FALSE(halfIsBlack(0));
    EXPECT_TRUE(halfIsBlack(1));
    EXPECT_EQ(host.textAt(320, 276), "Page:30");
    EXPECT_EQ(host.textAt(320, 328), "Set:--");
}

TEST_F(MapViews, ObjectMarkersAreFramedAroundTheirPositionWithClampedY)
{
    place(0, 10, 0x40, 3, 0xA7);  // y 3 is marked as if at 8
    place(1, 11, 0x80, 252);      // right half; y 252 is marked as if at 248
    place(2, 12, 0x10, 0x10);     // a page not shown
    showObjects(10, 2);

    // Marker 0 centred on (64, 8): the top line at y -8 is off the surface.
    EXPECT_EQ(view(48, 0), kWhite);
    EXPECT_EQ(view(48, 23), kWhite);
    EXPECT_EQ(view(60, 24), kWhite);
    EXPECT_EQ(view(80, 23), kWhite);
    EXPECT_NE(view(80, 24), kWhite);  // the frame's missing corner
    EXPECT_EQ(host.textAt(56, 0), "A7");
    // Marker 1 centred on (384, 248).
    EXPECT_EQ(view(368, 232), kWhite);
    EXPECT_EQ(view(390, 264), kWhite);
    EXPECT_EQ(host.textAt(376, 240), "00");
    // The selected object lies on another page: no marker, but the panel shows it.
    EXPECT_EQ(host.textAt(8, 8), "");
    EXPECT_EQ(host.textAt(88, 280), "ID:02");
    EXPECT_EQ(host.textAt(88, 304), "Page:0C");
    EXPECT_EQ(host.textAt(88, 328), "X:10");
    EXPECT_EQ(host.textAt(88, 352), "Y:10");
    EXPECT_EQ(host.textAt(88, 376), "Data:00");
}

TEST_F(MapViews, TheCurrentObjectHasFourNestedFramesAndLaterSlotsDrawOver)
{
    place(0, 20, 100, 240, 0x33);
    place(5, 20, 100, 100, 0x01);
    place(6, 20, 100, 92);
    showObjects(20, 5);

    // Object 5, centred on (100, 100): left lines of its four frames.
    EXPECT_EQ(view(84, 110), kWhite);
    EXPECT_EQ(view(76, 110), kRed);
    EXPECT_EQ(view(68, 110), kGreen);
    EXPECT_EQ(view(60, 110), kBlue);
    EXPECT_EQ(view(100 + 40, 100 + 39), kBlue);
    EXPECT_NE(view(100 + 40, 100 + 40), kBlue);
    // Object 6's white top line crosses object 5's red top line and is drawn later.
    EXPECT_EQ(view(100, 76), kWhite);
    EXPECT_EQ(view(78, 76), kRed);
    EXPECT_EQ(host.textAt(88, 280), "ID:05");
    EXPECT_EQ(host.textAt(88, 376), "Data:01");

    // Selected low on the page, its outer frames reach into the lower area.
    host.clearTexts();
    showObjects(20, 0);
    EXPECT_EQ(view(100, 240 + 40), kBlue);
    EXPECT_EQ(view(100, 240 + 32), kGreen);
    EXPECT_EQ(view(100, 76), kWhite);  // no longer selected, object 5 lost its red frame
    EXPECT_NE(view(78, 76), kRed);
}

TEST_F(MapViews, AMarkerAtTheRightEdgeIsCutOff)
{
    place(0, 1, 250, 128);
    showObjects(0, 0);
    // Centre x = 256 + 250 = 506: the white frame's right line at 522 is off the surface.
    EXPECT_EQ(view(490, 128), kWhite);
    EXPECT_EQ(view(511, 112), kWhite);
    EXPECT_EQ(view(511, 144), kWhite);
    EXPECT_EQ(host.textAt(498, 120), "00");
}

TEST_F(MapViews, ThePanelNamesTheObjectOnlyWhenNamesAreLoaded)
{
    place(0, 4, 0x40, 0x40, 0x23);
    place(1, 4, 0x80, 0x40, 0x24);
    showObjects(4, 0);
    const std::size_t textsWithoutNames = host.texts.size();
    EXPECT_EQ(host.textAt(88, 400), "");

    editor.objectNames.loaded = true;
    editor.objectNames.byStage[0][0x23] = "walking enemy";
    host.clearTexts();
    showObjects(4, 0);
    EXPECT_EQ(host.textAt(88, 400), "Name: walking enemy");
    EXPECT_EQ(host.texts.size(), textsWithoutNames + 1);
    host.clearTexts();
    showObjects(4, 1);
    EXPECT_EQ(host.textAt(88, 400), "Name: -");
}
