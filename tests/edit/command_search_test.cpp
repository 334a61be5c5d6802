// The command search: which entries it offers and in what order it lists them.

#include <string>
#include <vector>

#include "edit/command_search.h"
#include "editing_fixture.h"
#include "text/translation.h"

namespace {

std::vector<std::string> labelsFound(const std::vector<SearchEntry>& entries, std::string_view typed,
                                     const std::vector<std::string>& recent = {})
{
    std::vector<std::string> labels;
    for (std::size_t place : rankEntries(entries, typed, recent))
        labels.push_back(entries[place].label);
    return labels;
}

SearchEntry entry(std::string label)
{
    return {label, label, "", true};
}

TEST(CommandSearch, LettersInOrderBestMatchFirstLatestRunOnTies)
{
    const std::vector<SearchEntry> entries = {entry("Export patch..."), entry("Paste"),   entry("Select All"),
                                              entry("Play-Test"),       entry("Zoom In"), entry("Zoom")};
    // Letters out of order or missing match nothing; case does not matter.
    EXPECT_EQ(labelsFound(entries, "ni"), std::vector<std::string>{});
    EXPECT_EQ(labelsFound(entries, "ZOOMIN"), std::vector<std::string>{"Zoom In"});
    EXPECT_EQ(labelsFound(entries, "zoom"), (std::vector<std::string>{"Zoom", "Zoom In"}));
    // A label that starts with the letters, or whose words do, goes before one that
    // only holds them somewhere.
    EXPECT_EQ(labelsFound(entries, "pa"), (std::vector<std::string>{"Paste", "Export patch...", "Play-Test"}));
    EXPECT_EQ(labelsFound(entries, "t"),
              (std::vector<std::string>{"Play-Test", "Export patch...", "Paste", "Select All"}));
    // Nothing typed lists everything: the latest run first, then in their order.
    EXPECT_EQ(labelsFound(entries, "", {"Zoom In", "Paste"}),
              (std::vector<std::string>{"Zoom In", "Paste", "Export patch...", "Select All", "Play-Test", "Zoom"}));

    std::vector<std::string> recent;
    noteRun(recent, "a");
    noteRun(recent, "b");
    noteRun(recent, "a");
    EXPECT_EQ(recent, (std::vector<std::string>{"a", "b"}));
}

TEST(CommandSearch, TranslatedLabelsMatchTheirOwnCharactersOrTheEnglish)
{
    setTranslator([](const char*, const char* text) {
        const std::string english = text;
        return english == "Undo"    ? std::string("元に戻す")
            : english == "Stage %1" ? std::string("ステージ %1")
                                    : english;
    });
    std::vector<SearchEntry> entries = commandEntries([](const Command&) { return true; });
    const std::vector<std::string> names = {"3 - third"};
    const std::vector<SearchEntry> stages = stageEntries(names);
    entries.insert(entries.end(), stages.begin(), stages.end());
    setTranslator(nullptr);

    EXPECT_EQ(labelsFound(entries, "元に").front(), "元に戻す");
    EXPECT_EQ(labelsFound(entries, "undo").front(), "元に戻す");
    EXPECT_EQ(labelsFound(entries, "ステージ 3").front(), "ステージ 3 - third");
    EXPECT_EQ(labelsFound(entries, "stage 3").front(), "ステージ 3 - third");
    // Letters are whole characters: U+38A4's three bytes lie in order within "アイ", the
    // character does not.
    EXPECT_LT(matchScore("\u38A4", "アイ"), 0);
    EXPECT_GE(matchScore("イ", "アイ"), 0);
}

class SearchEntriesTest : public EditingTest {};

TEST_F(SearchEntriesTest, CommandsStagesAndTheFirstObjectOfEachName)
{
    const auto commands = commandEntries([](const Command& command) { return command.id != std::string("edit.undo"); });
    const auto find = std::ranges::find(commands, std::string("edit.findCommand"), &SearchEntry::id);
    ASSERT_NE(find, commands.end());
    EXPECT_EQ(find->label, "Find Command...");
    EXPECT_EQ(find->key, "Ctrl+F");
    EXPECT_FALSE(std::ranges::find(commands, std::string("edit.undo"), &SearchEntry::id)->enabled);

    const std::vector<std::string> names = {"0 - first", "1 - second"};
    const auto stages = stageEntries(names);
    ASSERT_EQ(stages.size(), 2u);
    EXPECT_EQ(stages[1].label, "Stage 1 - second");
    EXPECT_EQ(stages[1].target, SearchTarget::Stage);
    EXPECT_EQ(stages[1].number, 1);

    fillObjects(5);  // data 0 to 4
    EXPECT_TRUE(objectNameEntries(*editor).empty());
    editor->objectNames.loaded = true;
    editor->objectNames.everyStage = {{1, "spring"}, {3, "door"}, {4, "spring"}};
    editor->objectNames.byStage[std::size_t(editor->curStage)] = {{3, "gate"}};
    const auto objects = objectNameEntries(*editor);
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[0].label, "spring");
    EXPECT_EQ(objects[0].number, 1);
    EXPECT_EQ(objects[0].target, SearchTarget::Object);
    EXPECT_EQ(objects[1].label, "gate");
    EXPECT_EQ(objects[1].key, "object 03");
}

}  // namespace
