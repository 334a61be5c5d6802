#include "changes/change_items.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <tuple>
#include <unordered_set>

#include "model/editable_tables.h"
#include "model/editor.h"
#include "model/tile_sources.h"
#include "text/translation.h"

namespace {

std::string hex(int value, int digits)
{
    char text[8];
    std::snprintf(text, sizeof text, "%0*X", digits, unsigned(value));
    return text;
}

// The layout's names are English; a description shown to a person translates them, the
// place that programs read (JSON) keeps them.
std::string shownName(const char* name)
{
    return translated("editable_tables", name);
}

std::string elementName(const TableLayout& layout, int element)
{
    return std::string(layout.element) + " " + hex(element, layout.numberDigits);
}

std::string shownElementName(const TableLayout& layout, int element)
{
    return fillIn(translated("change_items", "%1 %2"), {shownName(layout.element), hex(element, layout.numberDigits)});
}

// "Stage 3 · map set 05 · 14 cells": the stage, then what changed in it.
std::string withStage(int stage, const std::string& what)
{
    return fillIn(translated("change_items", "Stage %1 · %2"), {hex(stage, 1), what});
}

// "14 cells", "1 pixel".
std::string countText(int count, const TableLayout& layout)
{
    if (count == 1 && layout.countChanges)
        return translated("change_items", "1 pixel");
    return fillIn(translated("change_items", "%1 %2"), {std::to_string(count), shownName(layout.parts)});
}

// The stages that load the same bytes of the image as tile `tile` of `stage`, with
// that tile's number in each; the tile alone when it has no source.
class TileSharing {
public:
    explicit TileSharing(const TileSources& sources) : sources_(sources) {}

    struct Copy {
        std::uint32_t source;
        int stage;
        int tile;
        bool operator<(const Copy& other) const
        {
            return std::tie(source, stage, tile) < std::tie(other.source, other.stage, other.tile);
        }
    };

    std::span<const Copy> copiesOf(int stage, int tile)
    {
        if (!sources_.hasSource(stage, tile)) {
            alone_ = {kNoTileSource, stage, tile};
            return {&alone_, 1};
        }
        // Sorted by source once, when the first changed tile asks.
        if (bySource_.empty()) {
            for (int s = 0; s < kStageCount; ++s)
                for (int t = 0; t < kTileCount; ++t)
                    if (sources_.hasSource(s, t))
                        bySource_.push_back({sources_.offset[s][t], s, t});
            std::sort(bySource_.begin(), bySource_.end());
        }
        const std::uint32_t source = sources_.offset[stage][tile];
        const auto first = std::lower_bound(bySource_.begin(), bySource_.end(), Copy{source, 0, 0});
        const auto end = std::lower_bound(first, bySource_.end(), Copy{source + 1, 0, 0});
        return {first, end};
    }

    bool hasSource(int stage, int tile) const { return sources_.hasSource(stage, tile); }

    // Whether the tile's source was named already; notes it if not.
    bool seen(int stage, int tile)
    {
        return sources_.hasSource(stage, tile) && !named_.insert(sources_.offset[stage][tile]).second;
    }

private:
    const TileSources& sources_;
    std::vector<Copy> bySource_;
    Copy alone_{};
    std::unordered_set<std::uint32_t> named_;
};

struct Scan {
    std::span<const std::uint8_t> before;
    std::span<const std::uint8_t> after;
    std::vector<ChangeItem>& items;
};

void describeTile(Scan& scan, TileSharing& sharing, int tableIndex, std::size_t tableStart, const EditableTable& table,
                  int stage, int tile)
{
    if (sharing.seen(stage, tile))
        return;
    const TableLayout& layout = *table.layout;
    const std::size_t at =
        tableStart + std::size_t(stage) * table.stageSize + std::size_t(tile) * std::size_t(layout.elementSize);
    ChangeItem item;
    item.stage = stage;
    item.table = tableIndex;
    item.element = item.lastElement = tile;
    item.count = layout.countChanges(scan.before.data() + at, scan.after.data() + at);
    item.place = elementName(layout, tile);
    for (const TileSharing::Copy& copy : sharing.copiesOf(stage, tile)) {
        if (item.stages.empty() || item.stages.back() != copy.stage)
            item.stages.push_back(copy.stage);
        item.bytes.push_back({tableStart + std::size_t(copy.stage) * table.stageSize +
                                  std::size_t(copy.tile) * std::size_t(layout.elementSize),
                              std::size_t(layout.elementSize)});
    }
    const std::string count = countText(item.count, layout);
    const std::string tileText = hex(tile, layout.numberDigits);
    // A tile no list loads is the stage's own, and no save writes it.
    const std::string stages = stagesText(item.stages);
    item.text = item.bytes.size() > 1 || sharing.hasSource(stage, tile)
        ? fillIn(translated("change_items", "Tile %1 (loaded by %2) · %3"), {tileText, stages, count})
        : fillIn(translated("change_items", "Tile %1 (%2) · %3"), {tileText, stages, count});
    scan.items.push_back(std::move(item));
}

// An element that is one value: neighbours changed in the same stage join one item.
void describeValue(Scan& scan, int tableIndex, const TableLayout& layout, int stage, int element, std::size_t at)
{
    if (!scan.items.empty()) {
        ChangeItem& last = scan.items.back();
        if (last.table == tableIndex && last.stage == stage && last.lastElement + 1 == element) {
            last.lastElement = element;
            last.count += 1;
            last.bytes.back().size += std::size_t(layout.elementSize);
            last.part = -1;
            last.oldValue.clear();
            last.newValue.clear();
            const std::string first = hex(last.element, layout.numberDigits);
            const std::string end = hex(element, layout.numberDigits);
            last.place = std::string(layout.elements) + " " + first + " to " + end;
            last.text = withStage(
                stage, fillIn(translated("change_items", "%1 %2 to %3"), {shownName(layout.elements), first, end}));
            return;
        }
    }
    ChangeItem item;
    item.stage = stage;
    item.table = tableIndex;
    item.element = item.lastElement = element;
    item.place = elementName(layout, element);
    item.oldValue = layout.valueText(0, scan.before.data() + at);
    item.newValue = layout.valueText(0, scan.after.data() + at);
    const std::string shownPlace = shownElementName(layout, element);
    item.text =
        withStage(stage,
                  layout.valueNames
                      ? fillIn(translated("change_items", "%1: %2 %3 -> %4"),
                               {shownPlace, shownName(layout.valueNames), item.oldValue, item.newValue})
                      : fillIn(translated("change_items", "%1: %2 -> %3"), {shownPlace, item.oldValue, item.newValue}));
    item.stages = {stage};
    item.bytes.push_back({at, std::size_t(layout.elementSize)});
    scan.items.push_back(std::move(item));
}

// An element of several parts: one item, naming the part when only one changed.
void describeParts(Scan& scan, int tableIndex, const TableLayout& layout, int stage, int element, std::size_t at)
{
    ChangeItem item;
    item.stage = stage;
    item.table = tableIndex;
    item.element = item.lastElement = element;
    item.count = 0;
    for (int part = 0; part * layout.partSize < layout.elementSize; ++part) {
        const std::size_t partAt = at + std::size_t(part * layout.partSize);
        if (std::memcmp(scan.before.data() + partAt, scan.after.data() + partAt, std::size_t(layout.partSize)) != 0) {
            if (item.count++ == 0)
                item.part = part;
        }
    }
    item.stages = {stage};
    item.bytes.push_back({at, std::size_t(layout.elementSize)});
    const std::string element_ = elementName(layout, element);
    if (item.count == 1) {
        const std::size_t partAt = at + std::size_t(item.part * layout.partSize);
        item.place = element_ + " · " + layout.partName(item.part, false);
        item.oldValue = layout.valueText(item.part, scan.before.data() + partAt);
        item.newValue = layout.valueText(item.part, scan.after.data() + partAt);
        item.text = withStage(stage,
                              fillIn(translated("change_items", "%1 · %2: %3 -> %4"),
                                     {shownElementName(layout, element), layout.partName(item.part, true),
                                      item.oldValue, item.newValue}));
    } else {
        item.part = -1;
        item.place = element_;
        item.text = withStage(stage,
                              fillIn(translated("change_items", "%1 · %2"),
                                     {shownElementName(layout, element), countText(item.count, layout)}));
    }
    scan.items.push_back(std::move(item));
}

}  // namespace

std::string stagesText(const std::vector<int>& stages)
{
    if (stages.empty())
        return {};
    if (stages.size() == 1)
        return fillIn(translated("change_items", "stage %1"), {hex(stages[0], 1)});
    bool consecutive = true;
    for (std::size_t i = 1; i < stages.size(); ++i)
        consecutive = consecutive && stages[i] == stages[i - 1] + 1;
    if (consecutive)
        return fillIn(translated("change_items", "stages %1 to %2"), {hex(stages.front(), 1), hex(stages.back(), 1)});
    std::string list = hex(stages[0], 1);
    for (std::size_t i = 1; i < stages.size(); ++i)
        list = fillIn(i + 1 == stages.size() ? translated("change_items", "%1 and %2")
                                             : translated("change_items", "%1, %2"),
                      {list, hex(stages[i], 1)});
    return fillIn(translated("change_items", "stages %1"), {list});
}

std::vector<ChangeItem> describeChanges(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after,
                                        const TileSources& sources)
{
    std::vector<ChangeItem> items;
    Scan scan{before, after, items};
    TileSharing sharing(sources);
    const std::span<const EditableTable> tables = editableTableList();
    std::size_t tableStart = 0;
    for (std::size_t t = 0; t < tables.size(); ++t) {
        const EditableTable& table = tables[t];
        const TableLayout& layout = *table.layout;
        const std::size_t elementSize = std::size_t(layout.elementSize);
        for (int stage = 0; stage < kStageCount; ++stage) {
            const std::size_t stageAt = tableStart + std::size_t(stage) * table.stageSize;
            if (stageAt + table.stageSize > before.size() || stageAt + table.stageSize > after.size())
                return items;
            // Most of a stage is unchanged: skip it whole first.
            if (std::memcmp(before.data() + stageAt, after.data() + stageAt, table.stageSize) == 0)
                continue;
            for (std::size_t e = 0; e < table.stageSize / elementSize; ++e) {
                const std::size_t at = stageAt + e * elementSize;
                if (std::memcmp(before.data() + at, after.data() + at, elementSize) == 0)
                    continue;
                if (layout.countChanges)
                    describeTile(scan, sharing, int(t), tableStart, table, stage, int(e));
                else if (!layout.partName)
                    describeValue(scan, int(t), layout, stage, int(e), at);
                else
                    describeParts(scan, int(t), layout, stage, int(e), at);
            }
        }
        tableStart += table.stageSize * kStageCount;
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const ChangeItem& a, const ChangeItem& b) { return a.stage < b.stage; });
    return items;
}

void revertChanges(EDITOR& editor, std::span<const std::uint8_t> baseline, std::span<const ChangeItem> items)
{
    std::vector<std::uint8_t> tables = editableTables(editor);
    for (const ChangeItem& item : items)
        for (const TableBytes& run : item.bytes)
            if (run.offset + run.size <= tables.size() && run.offset + run.size <= baseline.size())
                std::memcpy(tables.data() + run.offset, baseline.data() + run.offset, run.size);
    restoreEditableTables(editor, tables);
}

bool revertsSharedTile(std::span<const ChangeItem> items)
{
    for (const ChangeItem& item : items)
        if (item.stages.size() > 1)
            return true;
    return false;
}
