#include "usage/stage_usage.h"

#include "model/editor.h"

namespace {

void listUnreached(KindUsage& usage, const std::array<bool, 256>& reached, int count)
{
    usage.reachedCount = 0;
    usage.unreached.clear();
    for (int item = 0; item < count; ++item) {
        if (reached[std::size_t(item)])
            ++usage.reachedCount;
        else
            usage.unreached.push_back(item);
    }
}

}  // namespace

StageUsage countStageUsage(const EDITOR& editor, int stage)
{
    StageUsage usage;
    if (stage < 0 || stage >= kStageCount)
        return usage;
    KindUsage& mapSets = usage.kinds[std::size_t(ItemKind::MapSet)];
    KindUsage& chipSets = usage.kinds[std::size_t(ItemKind::ChipSet)];
    KindUsage& chips = usage.kinds[std::size_t(ItemKind::Chip)];
    KindUsage& tiles = usage.kinds[std::size_t(ItemKind::Tile)];

    // Each level is counted over all of its entries and marked reached only through
    // entries that are reached themselves.
    std::array<bool, 256> mapSetReached{}, chipSetReached{}, chipReached{}, tileReached{};
    for (const std::uint8_t mapSet : editor.pageSet[stage]) {
        if (mapSet < kMapSetCount) {
            ++mapSets.namedTimes[mapSet];
            mapSetReached[mapSet] = true;
        }
    }
    for (int mapSet = 0; mapSet < kMapSetCount; ++mapSet) {
        for (const std::uint8_t chipSet : editor.mapSet[stage][mapSet]) {
            ++chipSets.namedTimes[chipSet];
            chipSetReached[chipSet] = chipSetReached[chipSet] || mapSetReached[std::size_t(mapSet)];
        }
    }
    for (int chipSet = 0; chipSet < kChipSetCount; ++chipSet) {
        for (const std::uint8_t chip : editor.chipSet[stage][chipSet]) {
            ++chips.namedTimes[chip];
            chipReached[chip] = chipReached[chip] || chipSetReached[std::size_t(chipSet)];
        }
    }
    for (int chip = 0; chip < kChipCount; ++chip) {
        for (const std::uint8_t tile : editor.chip[stage][chip].tile) {
            ++tiles.namedTimes[tile];
            tileReached[tile] = tileReached[tile] || chipReached[std::size_t(chip)];
        }
    }
    listUnreached(mapSets, mapSetReached, kMapSetCount);
    listUnreached(chipSets, chipSetReached, kChipSetCount);
    listUnreached(chips, chipReached, kChipCount);
    listUnreached(tiles, tileReached, kTileCount);
    return usage;
}
