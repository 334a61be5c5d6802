// Tiles on the clipboard: rows of pixel digits under the selection header, read back
// as the same pixels, and anything else refused with the line and what is wrong.

#include <algorithm>

#include <gtest/gtest.h>

#include "clipboard/selection_text.h"

TEST(TileClipboardText, RoundTripsAndRefusesAnythingElse)
{
    CopiedItems items;
    items.view = kTileItems;
    items.columns = 2;
    items.rows = 1;
    items.bytes.resize(2 * kTileValues);
    for (std::size_t i = 0; i < items.bytes.size(); ++i)
        items.bytes[i] = std::uint8_t((i * 7 + i / 13) % 4);
    const std::string text = selectionText(items);
    // The first row of pixels: the left tile's, then the right one's.
    EXPECT_EQ(text.substr(0, 54), "Quarrix Editor selection 1\nTILES 2x1\n0321032100321032\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2 + 8);
    const ReadSelection read = readSelectionText(text);
    ASSERT_EQ(read.problem, SelectionTextProblem::None);
    EXPECT_EQ(read.items.view, kTileItems);
    EXPECT_EQ(read.items.bytes, items.bytes);

    const std::string header = "Quarrix Editor selection 1\nTILES 1x1\n";
    const std::string row = "01230123\n";
    std::string rows;
    for (int i = 0; i < 8; ++i)
        rows += row;
    for (const auto& [bad, detail] : std::initializer_list<std::pair<std::string, std::string>>{
             {header + rows.substr(0, 7 * 9), "line 9: the text ends after 7 of 8 pixel rows"},
             {header + "01240123\n" + rows, "line 3: '4' is no pixel value 0 to 3"},
             {header + "0123012\n" + rows, "line 3: the row has 7 pixels instead of 8"},
             {header + rows + row, "line 11: text after the last row"},
             {"Quarrix Editor selection 1\nTILES 3x1\n" + rows, "line 2: the size 3x1 does not fit TILES"}}) {
        const ReadSelection refused = readSelectionText(bad);
        EXPECT_EQ(refused.problem, SelectionTextProblem::Damaged) << bad;
        EXPECT_EQ(refused.detail, detail);
    }
}
