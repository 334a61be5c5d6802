#include "edit/usage_report.h"

#include <cstdio>
#include <map>
#include <utility>

#include "edit/tile_editing.h"
#include "edit/usage_subject.h"
#include "model/editor.h"
#include "usage/number_list.h"

namespace {

std::string capitalised(std::string text)
{
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = char(text[0] - 'a' + 'A');
    return text;
}

// Every use of item, each as a place to go to.
UsageSection usesSection(const EDITOR& editor, const std::string& what, ItemKind kind, int item)
{
    const std::vector<ItemUse> uses = usesOf(editor, editor.curStage, kind, item);
    UsageSection section{what + " " + itemName(kind, item) + " (" + std::to_string(uses.size()) + ")", {}};
    for (const ItemUse& use : uses)
        section.entries.push_back({useName(kind, use), {}, UsePlace{kind, use}});
    if (uses.empty())
        section.entries.push_back({"nowhere", {}, std::nullopt});
    return section;
}

std::string timesText(int times)
{
    return std::to_string(times) + (times == 1 ? " time" : " times");
}

UsageSection stageSection(const EDITOR& editor, const StageUsage& usage)
{
    static constexpr const char* kKindNames[kItemKindCount] = {"map sets", "chip sets", "chips", "tiles"};
    UsageSection section{
        "Stage " + std::string(1, "0123456789ABCDEF"[editor.curStage & 0xF]) + ": what the 48 pages use", {}};
    for (int k = 0; k < kItemKindCount; ++k) {
        const auto kind = ItemKind(k);
        const KindUsage& counts = usage.of(kind);
        section.entries.push_back({kKindNames[k],
                                   std::to_string(counts.reachedCount) + " of " + std::to_string(itemCount(kind)) +
                                       " used; not used: " + compactNumberList(counts.unreached),
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
    UsageSection section{"Objects by data (" + std::to_string(count) + ")", {}};
    for (const auto& [data, slots] : slotsOfData) {
        std::string where = "data " + hex2(data);
        if (const std::string* name = editor.objectNames.find(editor.curStage, data))
            where += " " + *name;
        std::string what = std::to_string(slots.size()) + (slots.size() == 1 ? " object: slot " : " objects: slots ");
        for (std::size_t i = 0; i < slots.size(); ++i)
            what += (i ? ", " : "") + hex2(slots[i]);
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
    UsageSection section{"Chips of the stage drawn with each sub-palette", {}};
    for (int p = 0; p < 4; ++p)
        section.entries.push_back({"sub-palette " + std::to_string(p),
                                   std::to_string(chips[p]) + (chips[p] == 1 ? " chip" : " chips"), std::nullopt});
    return section;
}

// The chips of the stage that show the current tile, and the tiles of every stage loaded
// from the same bytes, which a drawing on it changes too.
std::vector<UsageSection> tileSections(const EDITOR& editor)
{
    static constexpr const char* kQuadrants[4] = {"top-left", "top-right", "bottom-left", "bottom-right"};
    const int stage = editor.curStage;
    const int tile = editor.curTile & 0xFF;
    const std::string name = itemName(ItemKind::Tile, tile);
    UsageSection chips{"Chips that show " + name, {}};
    for (int c = 0; c < kChipCount; ++c)
        for (int q = 0; q < 4; ++q)
            if (editor.chip[stage][c].tile[q] == tile)
                chips.entries.push_back(
                    {itemName(ItemKind::Chip, c) + ", quadrant " + std::to_string(q) + " (" + kQuadrants[q] + ")",
                     {},
                     std::nullopt});
    chips.title += " (" + std::to_string(chips.entries.size()) + ")";
    if (chips.entries.empty())
        chips.entries.push_back({"nowhere", {}, std::nullopt});

    UsageSection shared{"Tiles drawn from the same bytes as " + name, {}};
    if (!editor.tileSources.hasSource(stage, tile)) {
        shared.entries.push_back({"none: the tile is not loaded from the image", {}, std::nullopt});
    } else {
        const std::vector<TilePlace> places = tilesSharingSource(editor, stage, tile);
        for (std::size_t i = 0; i < places.size();) {
            const int s = places[i].stage;
            std::string tiles;
            int count = 0;
            for (; i < places.size() && places[i].stage == s; ++i, ++count)
                tiles += (count ? ", " : "") + hex2(places[i].tile);
            shared.entries.push_back({"stage " + std::string(1, "0123456789ABCDEF"[s]),
                                      (count == 1 ? "tile " : "tiles ") + tiles, std::nullopt});
        }
        if (places.empty())
            shared.entries.push_back({"none", {}, std::nullopt});
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
            sections.push_back(usesSection(editor, "Pages that show", subject->kind, subject->item));
        else
            sections.push_back({"The left page shows no map set", {}});
        break;
    case kViewMapSet:
        if (const std::optional<ItemUse> cell = cursorCellPlace(editor); cell && subject) {
            sections.push_back(usesSection(editor, "Pages that show", ItemKind::MapSet, cell->holder));
            const int times = usage.of(ItemKind::ChipSet).namedTimes[std::size_t(subject->item)];
            sections.push_back({"Under the cursor",
                                {{capitalised(itemName(ItemKind::ChipSet, subject->item)),
                                  "used " + timesText(times) + " in the stage's map sets", std::nullopt}}});
        } else {
            sections.push_back({"The cursor is on no map set", {}});
        }
        break;
    case kViewChipSet:
        if (subject)
            sections.push_back(usesSection(editor, "Map-set cells that hold", subject->kind, subject->item));
        break;
    case kViewChip:
        if (subject)
            sections.push_back(usesSection(editor, "Chip-set quadrants that hold", subject->kind, subject->item));
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
