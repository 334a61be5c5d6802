#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "usage/item_uses.h"

class EDITOR;

// What one kind of item of a stage is used for.
struct KindUsage {
    // How often the kind above names each item, wherever that happens: pages for map
    // sets, the cells of all 32 map sets for chip sets, the quadrants of all 256 chip
    // sets for chips and of all 256 chips for tiles. Only the first itemCount entries
    // count.
    std::array<std::uint16_t, 256> namedTimes{};
    // The items that the 48 pages reach: a map set a page shows, a chip set in such a
    // map set, a chip in such a chip set, a tile in such a chip.
    int reachedCount = 0;
    // The items the pages do not reach, in ascending order: free to reuse.
    std::vector<int> unreached;
};

struct StageUsage {
    std::array<KindUsage, kItemKindCount> kinds;

    const KindUsage& of(ItemKind kind) const { return kinds[std::size_t(kind)]; }
};

// Counts stage in one pass over its page, map-set, chip-set and chip tables. A page
// entry of 32 or more names no map set and reaches nothing.
StageUsage countStageUsage(const EDITOR& editor, int stage);
