#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <sstream>

#include "demo/demo_image.h"
#include "model/editor.h"
#include "stagefile/stage_file.h"
#include "support/temp_folder.h"

namespace {

class StageFileTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder = new TempFolder;
        writeDemoImage(folder->file("demo.nes"));
        editor = new EDITOR;
        editor->loadRom(folder->file("demo.nes"));
    }
    static void TearDownTestSuite()
    {
        delete editor;
        delete folder;
    }

    // What reading `text` with `from` replaced by `to` throws, or "".
    static std::string refusal(std::string text, const std::string& from = {}, const std::string& to = {})
    {
        if (!from.empty()) {
            const auto at = text.find(from);
            EXPECT_NE(at, std::string::npos) << from;
            text.replace(at, from.size(), to);
        }
        try {
            readStageFile(text);
        } catch (const StageFileError& error) {
            return error.what();
        }
        return "";
    }

    static bool same(const StageData& a, const StageData& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

    static inline TempFolder* folder = nullptr;
    static inline EDITOR* editor = nullptr;
};

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

}  // namespace

TEST_F(StageFileTest, RoundTripOfEveryStage)
{
    for (int s = 0; s < kStageCount; ++s) {
        const StageData data = stageDataOf(*editor, s);
        EXPECT_TRUE(same(readStageFile(writeStageFile(data, s)), data)) << s;
    }
}

TEST_F(StageFileTest, AChangeInOneRowChangesOneLine)
{
    StageData data = stageDataOf(*editor, 3);
    const auto before = lines(writeStageFile(data, 3));
    data.chip[77].palette ^= 1;
    data.mapSet[5][2 * 8 + 6] ^= 1;  // column 2, row 6
    const auto after = lines(writeStageFile(data, 3));
    ASSERT_EQ(before.size(), after.size());
    int changed = 0;
    for (std::size_t i = 0; i < before.size(); ++i)
        changed += before[i] != after[i];
    EXPECT_EQ(changed, 2);
}

TEST_F(StageFileTest, ImportIsOneUndoStep)
{
    auto target = std::make_unique<EDITOR>();
    target->loadRom(folder->file("demo.nes"));
    target->history.start(*target);
    const StageData before = stageDataOf(*target, 2);
    importStageData(*target, 2, stageDataOf(*editor, 9));
    EXPECT_TRUE(same(stageDataOf(*target, 2), stageDataOf(*editor, 9)));
    target->history.undo(*target);
    EXPECT_TRUE(same(stageDataOf(*target, 2), before));
}

TEST_F(StageFileTest, BadFilesAreRefusedNamingTheFirstFault)
{
    const std::string good = writeStageFile(stageDataOf(*editor, 0), 0);
    EXPECT_NE(refusal("{\"format\": "), "");
    EXPECT_NE(refusal(good, "\"format\": \"quarrix-editor", "\"format\": \"other").find("not a stage file"),
              std::string::npos);
    EXPECT_NE(refusal(good, "\"version\": 2", "\"version\": 3").find("version 3"), std::string::npos);
    const std::string& chipSets = "\"chip_sets\": [\n    [";
    EXPECT_NE(refusal(good, chipSets, chipSets + "256, ").find("chip_sets[0] has 5 entries"), std::string::npos);
    StageData data = stageDataOf(*editor, 0);
    data.object[12].x = 200;
    const std::string withX = writeStageFile(data, 0);
    EXPECT_NE(refusal(withX, "\"x\": 200", "\"x\": 256").find("objects[12].x is 256"), std::string::npos);
    EXPECT_NE(refusal(withX, "\"x\": 200", "\"x\": -1").find("objects[12].x is -1"), std::string::npos);
    EXPECT_NE(refusal(withX, "\"x\": 200", "\"x\": 2.5").find("objects[12].x is not a whole number"),
              std::string::npos);
    data.chip[40].style = 0x44;
    const std::string withStyle = writeStageFile(data, 0);
    EXPECT_NE(refusal(withStyle, "\"style\": 68", "\"style\": 69").find("chips[40].style"), std::string::npos);
    // The first page's line taken out.
    std::string shortPages = good;
    const std::size_t firstPage = good.find("\"pages\": [\n") + std::strlen("\"pages\": [\n");
    shortPages.erase(firstPage, good.find('\n', firstPage) + 1 - firstPage);
    EXPECT_NE(refusal(shortPages).find("pages has 47 entries"), std::string::npos) << refusal(shortPages);
}

TEST_F(StageFileTest, PaletteSetsTravelInVersion2AndAVersion1FileKeepsThem)
{
    StageData data = stageDataOf(*editor, 4);
    data.palSet[3].colour[2][1] = 247;  // any byte, though the console has 64 colours
    data.palSet[3].selector[0] = 0x85;
    const std::string text = writeStageFile(data, 4);
    EXPECT_TRUE(same(readStageFile(text), data));

    std::string bad = text;
    bad.replace(bad.rfind("247"), 3, "256");
    EXPECT_NE(refusal(bad).find("palette_sets[3].colours[2][1] (palette set 3, sub-palette 2, colour 1) is 256"),
              std::string::npos)
        << refusal(bad);

    // The same tables as version 1 wrote them: no palette sets.
    std::string version1 = text;
    version1.replace(version1.find("\"version\": 2"), 12, "\"version\": 1");
    version1.erase(version1.find(",\n  \"palette_sets\""), std::string::npos).append("\n}\n");
    const StageData other = stageDataOf(*editor, 9);
    const StageData read = readStageFile(version1, other);
    EXPECT_EQ(std::memcmp(read.palSet, other.palSet, sizeof read.palSet), 0);
    EXPECT_EQ(std::memcmp(read.chip, data.chip, sizeof read.chip), 0);
}
