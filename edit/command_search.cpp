#include "edit/command_search.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <limits>

#include "edit/key_reference.h"
#include "jcode/conversions.h"
#include "text/translation.h"

namespace {

constexpr int kNoMatch = -1;
constexpr int kFirstLetterBonus = 8;
constexpr int kWordStartBonus = 8;
constexpr int kFollowingBonus = 5;
constexpr int kLetterScore = 1;
constexpr int kLongestSkipCounted = 4;
constexpr int kSkipPenalty = 1;
constexpr int kWholeLabelBonus = 4;
constexpr std::size_t kRecentRunsKept = 32;

// Labels may be Japanese: letters are matched as whole characters, never as the bytes
// of one. Every label and anything typed lies in the Basic Multilingual Plane.
std::u16string characters(std::string_view text)
{
    return jcode::utf8ToUcs2(text);
}

char16_t lower(char16_t c)
{
    return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

// Letters and digits of any script continue a word; spaces and punctuation end one.
bool isWordCharacter(char16_t c)
{
    constexpr char16_t kIdeographicSpace = 0x3000;
    constexpr char16_t kIdeographicCommaToDitto = 0x3003;  // 、 。 〃
    constexpr char16_t kKatakanaMiddleDot = 0x30FB;        // ・
    constexpr char16_t kFullWidthPunctuation[2] = {0xFF01, 0xFF0F};
    if (c < 0x80)
        return std::isalnum(static_cast<unsigned char>(c)) != 0;
    return !(c >= kIdeographicSpace && c <= kIdeographicCommaToDitto) && c != kKatakanaMiddleDot &&
        !(c >= kFullWidthPunctuation[0] && c <= kFullWidthPunctuation[1]);
}

bool startsWord(std::u16string_view label, std::size_t at)
{
    return at == 0 || !isWordCharacter(label[at - 1]);
}

}  // namespace

std::vector<SearchEntry> commandEntries(const std::function<bool(const Command&)>& enabled)
{
    std::vector<SearchEntry> entries;
    for (const Command& command : commands())
        entries.push_back({command.id, translated("commands", command.label), commandShortcut(command),
                           enabled(command), SearchTarget::Command, 0, command.label});
    return entries;
}

std::vector<SearchEntry> stageEntries(std::span<const std::string> stageNames)
{
    std::vector<SearchEntry> entries;
    const std::string label = translated("command_search", "Stage %1");
    const std::string key = translated("command_search", "stage");
    for (std::size_t stage = 0; stage < stageNames.size(); ++stage)
        entries.push_back({"stage." + std::to_string(stage), fillIn(label, {stageNames[stage]}), key, true,
                           SearchTarget::Stage, int(stage), "Stage " + stageNames[stage]});
    return entries;
}

std::vector<SearchEntry> objectNameEntries(const EDITOR& editor)
{
    std::vector<SearchEntry> entries;
    if (!editor.objectNames.loaded || editor.curStage < 0 || editor.curStage >= kStageCount)
        return entries;
    for (int slot = 0; slot < kObjectSlots; ++slot) {
        const ObjectRecord& record = editor.object[editor.curStage][slot];
        if (!record.isUsed())
            continue;
        const std::string* name = editor.objectNames.find(editor.curStage, record.data);
        if (!name || std::ranges::any_of(entries, [name](const SearchEntry& e) { return e.label == *name; }))
            continue;
        char number[4];
        std::snprintf(number, sizeof number, "%02X", slot);
        entries.push_back({"object." + std::to_string(slot), *name,
                           fillIn(translated("command_search", "object %1"), {number}), true, SearchTarget::Object,
                           slot});
    }
    return entries;
}

int matchScore(std::string_view typedText, std::string_view labelText)
{
    const std::u16string typed = characters(typedText);
    const std::u16string label = characters(labelText);
    if (typed.empty())
        return 0;
    if (typed.size() > label.size())
        return kNoMatch;
    // best[j]: the best score of the letters of typed so far, the last of them
    // matched at label[j].
    constexpr int kNone = std::numeric_limits<int>::min();
    std::vector<int> best(label.size(), kNone);
    std::vector<int> next(label.size(), kNone);
    for (std::size_t i = 0; i < typed.size(); ++i) {
        std::ranges::fill(next, kNone);
        int bestBefore = kNone;  // the best of best[k] for k < j - 1: letters skipped
        for (std::size_t j = i; j < label.size(); ++j) {
            if (i > 0 && j >= 2 && best[j - 2] != kNone)
                bestBefore = std::max(bestBefore, best[j - 2]);
            if (lower(label[j]) != lower(typed[i]))
                continue;
            int bonus = kLetterScore;
            if (j == 0)
                bonus += kFirstLetterBonus;
            else if (startsWord(label, j))
                bonus += kWordStartBonus;
            int score = kNone;
            if (i == 0) {
                score = bonus - std::min<int>(int(j), kLongestSkipCounted);
            } else {
                if (best[j - 1] != kNone)
                    score = best[j - 1] + bonus + kFollowingBonus;
                if (bestBefore != kNone)
                    score = std::max(score, bestBefore + bonus - kSkipPenalty);
            }
            next[j] = score;
        }
        std::swap(best, next);
    }
    const int score = *std::ranges::max_element(best);
    if (score == kNone)
        return kNoMatch;
    // "CHIP" before "CHIP SET" when the user typed "chip".
    return std::max(score, 0) + (typed.size() == label.size() ? kWholeLabelBonus : 0);
}

std::vector<std::size_t> rankEntries(std::span<const SearchEntry> entries, std::string_view typed,
                                     std::span<const std::string> recentRuns)
{
    struct Ranked {
        std::size_t place;
        int score;
        std::size_t recency;
    };
    std::vector<Ranked> ranked;
    for (std::size_t place = 0; place < entries.size(); ++place) {
        const SearchEntry& entry = entries[place];
        int score = matchScore(typed, entry.label);
        if (!entry.alsoMatches.empty())
            score = std::max(score, matchScore(typed, entry.alsoMatches));
        if (score < 0)
            continue;
        const auto run = std::ranges::find(recentRuns, entries[place].id);
        ranked.push_back({place, score, std::size_t(run - recentRuns.begin())});
    }
    std::ranges::stable_sort(ranked, [](const Ranked& a, const Ranked& b) {
        return a.score != b.score ? a.score > b.score : a.recency < b.recency;
    });
    std::vector<std::size_t> places;
    for (const Ranked& entry : ranked)
        places.push_back(entry.place);
    return places;
}

void noteRun(std::vector<std::string>& recentRuns, std::string_view id)
{
    std::erase(recentRuns, std::string(id));
    recentRuns.insert(recentRuns.begin(), std::string(id));
    if (recentRuns.size() > kRecentRunsKept)
        recentRuns.resize(kRecentRunsKept);
}
