#include "edit/usage_report.h"

#include <cstdio>
#include <map>
#include <utility>

#include "edit/tile_editing.h"
#include "edit/usage_subject.h"
#include "model/editor.h"
#include "text/translation.h"
#include "usage/number_list.h"

namespace {

std::string capitalised(std::string text)
{
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = char(text[0] - 'a' + 'A');
    return text;
}

// Every use of item, each as a place to go to. The title is a translated pattern of the
// item's name (%1) and the count of its uses (%2).
UsageSection usesSection(const EDITOR& editor, const std::string& title, ItemKind kind, int item)
{
    const std::vector<ItemUse> uses = usesOf(editor, editor.curStage, kind, item);
    UsageSection section{fillIn(title, {itemName(kind, item), std::to_string(uses.size())}), {}};
    for (const ItemUse& use : uses)
        section.entries.push_back({useName(kind, use), {}, UsePlace{kind, use}});
    if (uses.empty())
        section.entries.push_back({translated("usage_report", "nowhere"), {}, std::nullopt});
    return section;
}

std::string timesUsedText(int times)
{
    if (times == 1)
        return translated("usage_report", "used 1 time in the stage's map sets");
    return fillIn(translated("usage_report", "used %1 times in the stage's map sets"), {std::to_string(times)});
}

UsageSection stageSection(const EDITOR& editor, const StageUsage& usage)
{
    static constexpr const char* kKindNames[kItemKindCount] = {
        TEXT_NOOP("usage_report", "map sets"), TEXT_NOOP("usage_report", "chip sets"),
        TEXT_NOOP("usage_report", "chips"), TEXT_NOOP("usage_report", "tiles")};
    UsageSection section{fillIn(translated("usage_report", "Stage %1: what the 48 pages use"),
                                {std::string(1, "0123456789ABCDEF"[editor.curStage & 0xF])}),
                         {}};
    for (int k = 0; k < kItemKindCount; ++k) {
        const auto kind = ItemKind(k);
        const KindUsage& counts = usage.of(kind);
        section.entries.push_back({translated("usage_report", kKindNames[k]),
                                   fillIn(translated("usage_report", "%1 of %2 used; not used: %3"),
                                          {std::to_string(counts.reachedCount), std::to_string(itemCount(kind)),
                                           compactNumberList(counts.unreached)}),
                                   std::nullopt});
    }
    return section;
}

std::string hex2(int value)
{
    char text[3];
    std::snprintf(text, sizeof text, "%02X", unsigned(value & 0xFF));
    return text;
}

// The stage's objects by data value, with the user's names of the values when known.
UsageSection objectsSection(const EDITOR& editor)
{
    std::map<int, std::vector<int>> slotsOfData;
    int count = 0;
    for (int slot = 0; slot < kObjectSlots && editor.object[editor.curStage][slot].isUsed(); ++slot, ++count)
        slotsOfData[editor.object[editor.curStage][slot].data].push_back(slot);
    UsageSection section{fillIn(translated("usage_report", "Objects by data (%1)"), {std::to_string(count)}), {}};
    for (const auto& [data, slots] : slotsOfData) {
        std::string where = fillIn(translated("usage_report", "data %1"), {hex2(data)});
        if (const std::string* name = editor.objectNames.find(editor.curStage, data))
            where += " " + *name;
        std::string list;
        for (std::size_t i = 0; i < slots.size(); ++i)
            list += (i ? ", " : "") + hex2(slots[i]);
        const std::string what = slots.size() == 1
            ? fillIn(translated("usage_report", "1 object: slot %1"), {list})
            : fillIn(translated("usage_report", "%1 objects: slots %2"), {std::to_string(slots.size()), list});
        section.entries.push_back({where, what, std::nullopt});
    }
    return section;
}

// How many of the stage's chips are drawn with each sub-palette, for whoever changes
// its colours.
UsageSection subPaletteSection(const EDITOR& editor)
{
    int chips[4] = {};
    for (const ChipRecord& chip : editor.chip[editor.curStage])
        ++chips[chip.palette & 3];
    UsageSection section{translated("usage_report", "Chips of the stage drawn with each sub-palette"), {}};
    for (int p = 0; p < 4; ++p)
        section.entries.push_back({fillIn(translated("usage_report", "sub-palette %1"), {std::to_string(p)}),
                                   chips[p] == 1
                                       ? translated("usage_report", "1 chip")
                                       : fillIn(translated("usage_report", "%1 chips"), {std::to_string(chips[p])}),
                                   std::nullopt});
    return section;
}

// The chips of the stage that show the current tile, and the tiles of every stage loaded
// from the same bytes, which a drawing on it changes too.
std::vector<UsageSection> tileSections(const EDITOR& editor)
{
    static constexpr const char* kQuadrants[4] = {
        TEXT_NOOP("usage_report", "top-left"), TEXT_NOOP("usage_report", "top-right"),
        TEXT_NOOP("usage_report", "bottom-left"), TEXT_NOOP("usage_report", "bottom-right")};
    const int stage = editor.curStage;
    const int tile = editor.curTile & 0xFF;
    const std::string name = itemName(ItemKind::Tile, tile);
    UsageSection chips;
    for (int c = 0; c < kChipCount; ++c)
        for (int q = 0; q < 4; ++q)
            if (editor.chip[stage][c].tile[q] == tile)
                chips.entries.push_back({fillIn(translated("usage_report", "%1, quadrant %2 (%3)"),
                                                {itemName(ItemKind::Chip, c), std::to_string(q),
                                                 translated("usage_report", kQuadrants[q])}),
                                         {},
                                         std::nullopt});
    chips.title =
        fillIn(translated("usage_report", "Chips that show %1 (%2)"), {name, std::to_string(chips.entries.size())});
    if (chips.entries.empty())
        chips.entries.push_back({translated("usage_report", "nowhere"), {}, std::nullopt});

    UsageSection shared{fillIn(translated("usage_report", "Tiles drawn from the same bytes as %1"), {name}), {}};
    if (!editor.tileSources.hasSource(stage, tile)) {
        shared.entries.push_back(
            {translated("usage_report", "none: the tile is not loaded from the image"), {}, std::nullopt});
    } else {
        const std::vector<TilePlace> places = tilesSharingSource(editor, stage, tile);
        for (std::size_t i = 0; i < places.size();) {
            const int s = places[i].stage;
            std::string tiles;
            int count = 0;
            for (; i < places.size() && places[i].stage == s; ++i, ++count)
                tiles += (count ? ", " : "") + hex2(places[i].tile);
            shared.entries.push_back(
                {fillIn(translated("usage_report", "stage %1"), {std::string(1, "0123456789ABCDEF"[s])}),
                 fillIn(count == 1 ? translated("usage_report", "tile %1") : translated("usage_report", "tiles %1"),
                        {tiles}),
                 std::nullopt});
        }
        if (places.empty())
            shared.entries.push_back({translated("usage_report", "none"), {}, std::nullopt});
    }
    return {chips, shared};
}

}  // namespace

std::vector<UsageSection> usageReport(const EDITOR& editor, const StageUsage& usage)
{
    std::vector<UsageSection> sections;
    const int stage = editor.curStage;
    if (stage < 0 || stage >= kStageCount)
        return sections;
    const std::optional<UsageSubject> subject = currentUsageSubject(editor);
    switch (editor.curTab) {
    case kViewMap:
        if (subject)
            sections.push_back(usesSection(editor, translated("usage_report", "Pages that show %1 (%2)"), subject->kind,
                                           subject->item));
        else
            sections.push_back({translated("usage_report", "The left page shows no map set"), {}});
        break;
    case kViewMapSet:
        if (const std::optional<ItemUse> cell = cursorCellPlace(editor); cell && subject) {
            sections.push_back(usesSection(editor, translated("usage_report", "Pages that show %1 (%2)"),
                                           ItemKind::MapSet, cell->holder));
            const int times = usage.of(ItemKind::ChipSet).namedTimes[std::size_t(subject->item)];
            sections.push_back(
                {translated("usage_report", "Under the cursor"),
                 {{capitalised(itemName(ItemKind::ChipSet, subject->item)), timesUsedText(times), std::nullopt}}});
        } else {
            sections.push_back({translated("usage_report", "The cursor is on no map set"), {}});
        }
        break;
    case kViewChipSet:
        if (subject)
            sections.push_back(usesSection(editor, translated("usage_report", "Map-set cells that hold %1 (%2)"),
                                           subject->kind, subject->item));
        break;
    case kViewChip:
        if (subject)
            sections.push_back(usesSection(editor, translated("usage_report", "Chip-set quadrants that hold %1 (%2)"),
                                           subject->kind, subject->item));
        for (UsageSection& section : tileSections(editor))
            sections.push_back(std::move(section));
        sections.push_back(subPaletteSection(editor));
        break;
    case kViewObject: sections.push_back(objectsSection(editor)); break;
    default: break;
    }
    sections.push_back(stageSection(editor, usage));
    return sections;
}
