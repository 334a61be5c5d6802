#include "text/translation.h"

#include <gtest/gtest.h>

TEST(FillIn, PutsEachValueWhereItsNumberStands)
{
    EXPECT_EQ(fillIn("Tile %1: %2", {"1A", "no room"}), "Tile 1A: no room");
    // A translation may name the values in another order, or one twice.
    EXPECT_EQ(fillIn("%2 (%1) %2", {"a", "b"}), "b (a) b");
    // A number with no value and a lone % stay as written.
    EXPECT_EQ(fillIn("100% of %3%", {"x"}), "100% of %3%");
}

TEST(Translated, IsTheTextItselfUntilATranslatorIsInstalled)
{
    EXPECT_EQ(translated("test", "Save"), "Save");
    setTranslator([](const char*, const char* text) { return std::string("<") + text + ">"; });
    EXPECT_EQ(translated("test", "Save"), "<Save>");
    setTranslator(nullptr);
    EXPECT_EQ(translated("test", "Save"), "Save");
}
