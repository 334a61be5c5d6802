#include <cstdint>
#include <utility>

#include <gtest/gtest.h>

#include "jcode/jis_table.h"

using jcode::codePointForEuc;
using jcode::eucForCodePoint;
using jcode::kJisTable;
using jcode::kJisTableSize;

TEST(JisTable, HoldsTheTellingRowsInBothDirections)
{
    const std::pair<std::uint32_t, std::uint32_t> rows[] = {
        {0x005C, 0xA1C0}, {0x007E, 0x8FA2B7}, {0x00A5, 0x5C},   {0x203E, 0x7E},   {0x2015, 0xA1BD},
        {0x301C, 0xA1C1}, {0x2212, 0xA1DD},   {0x3000, 0xA1A1}, {0x4E00, 0xB0EC}, {0xFF3C, 0xA1C0},
        {0xFF61, 0x8EA1}, {0xFF9F, 0x8EDF},   {0xFFE5, 0xA1EF}, {0x3013, 0xA2AE}, {0x4E02, 0x8FB0A1},
    };
    for (const auto& [codePoint, euc] : rows) {
        EXPECT_EQ(eucForCodePoint(codePoint), euc) << std::hex << codePoint;
        if (codePoint != 0x005C) {
            EXPECT_EQ(codePointForEuc(euc), codePoint) << std::hex << euc;
        }
    }
}

TEST(JisTable, FullWidthReverseSolidusIsWhat0xA1C0ConvertsBackTo)
{
    EXPECT_EQ(codePointForEuc(0xA1C0), 0xFF3Cu);
}

TEST(JisTable, IsSortedByCodePointFromBackslashToYenSign)
{
    ASSERT_EQ(kJisTableSize, 13012u);
    EXPECT_EQ(kJisTable[0].codePoint, 0x005Cu);
    EXPECT_EQ(kJisTable[kJisTableSize - 1].codePoint, 0xFFE5u);
    for (std::size_t i = 1; i < kJisTableSize; ++i)
        ASSERT_LT(kJisTable[i - 1].codePoint, kJisTable[i].codePoint) << "row " << i;
}

TEST(JisTable, EveryRowIsFoundByBothLookups)
{
    for (const auto& row : kJisTable) {
        ASSERT_EQ(eucForCodePoint(row.codePoint), row.euc) << std::hex << row.codePoint;
        if (row.codePoint != 0x005C) {
            ASSERT_EQ(codePointForEuc(row.euc), row.codePoint) << std::hex << row.euc;
        }
    }
    EXPECT_FALSE(eucForCodePoint(0x0041));
    EXPECT_FALSE(eucForCodePoint(0x20AC));
    EXPECT_FALSE(codePointForEuc(0xA9A1));  // an empty row of the grid
    EXPECT_FALSE(codePointForEuc(0x8E41));
    EXPECT_FALSE(codePointForEuc(0xFFFFFF));
}
