#include <gtest/gtest.h>

#include <fstream>

#include "names/object_names_file.h"
#include "support/temp_folder.h"

namespace {

std::string refusal(const std::string& text)
{
    try {
        readObjectNames(text);
    } catch (const ObjectNamesError& error) {
        return error.what();
    }
    return "";
}

TEST(ObjectNamesFile, StageNamesStandBeforeTheNamesOfEveryStage)
{
    const ObjectNames names = readObjectNames(R"({"version": 1, "title": "Robots",
        "names": {"23": "walking enemy", "0a": "door"},
        "stage": {"3": {"23": "fish"}, "B": {"ff": "boss"}, "15": {}}})");
    EXPECT_TRUE(names.loaded);
    EXPECT_EQ(names.title, "Robots");
    EXPECT_EQ(*names.find(0, 0x23), "walking enemy");
    EXPECT_EQ(*names.find(3, 0x23), "fish");
    EXPECT_EQ(*names.find(3, 0x0A), "door");
    EXPECT_EQ(*names.find(11, 0xFF), "boss");
    EXPECT_EQ(names.find(12, 0xFF), nullptr);
    EXPECT_EQ(names.find(3, 0x24), nullptr);
    EXPECT_NE(readObjectNames(R"({"version": 1})").revision, names.revision);
}

TEST(ObjectNamesFile, RefusesNamingTheFirstFault)
{
    EXPECT_NE(refusal("{\"version\": 1, ").find("is not JSON"), std::string::npos);
    EXPECT_NE(refusal(R"({"version": 2})").find("its version is 2"), std::string::npos);
    EXPECT_NE(refusal(R"({"names": {}})").find("no \"version\""), std::string::npos);
    EXPECT_NE(refusal(R"({"version": 1, "names": {"123": "x"}})").find("the key \"123\" is not a data value"),
              std::string::npos);
    EXPECT_NE(refusal(R"({"version": 1, "names": {"2g": "x"}})").find("\"2g\""), std::string::npos);
    EXPECT_NE(refusal(R"({"version": 1, "stage": {"16": {}}})").find("the stage key \"16\" is not a stage"),
              std::string::npos);
    EXPECT_NE(refusal(R"({"version": 1, "stage": {"A": {}, "10": {}}})").find("stage 10 is given twice"),
              std::string::npos);
    EXPECT_NE(refusal(R"({"version": 1, "names": {"23": 5}})").find("the name of \"23\" is not a text"),
              std::string::npos);
    EXPECT_NE(refusal(R"({"version": 1, "names": {"23": "a\nb"}})").find("control character"), std::string::npos);
    EXPECT_NE(refusal(R"({"version": 1, "names": {"2a": "x", "2A": "y"}})").find("twice"), std::string::npos);
    EXPECT_NE(refusal(R"({"version": 1, "extra": 1})").find("\"extra\""), std::string::npos);

    TempFolder folder;
    std::ofstream(folder.file("bad.json")) << "[1, 2]";
    try {
        loadObjectNamesFile(folder.file("bad.json"));
        ADD_FAILURE() << "a list was taken for a names file";
    } catch (const ObjectNamesError& error) {
        EXPECT_NE(std::string(error.what()).find("bad.json' is refused: it is not a JSON object"), std::string::npos)
            << error.what();
    }
    EXPECT_THROW(loadObjectNamesFile(folder.file("missing.json")), ObjectNamesError);
    EXPECT_THROW(loadObjectNamesFile(folder.path().string()), ObjectNamesError);
}

}  // namespace
