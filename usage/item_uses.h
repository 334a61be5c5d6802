#pragma once

#include <string>
#include <vector>

class EDITOR;

// The four kinds of numbered item of a stage, each named by the kind above it: pages
// name map sets, map-set cells name chip sets, chip-set quadrants name chips and chip
// quadrants name tiles.
enum class ItemKind { MapSet, ChipSet, Chip, Tile };
inline constexpr int kItemKindCount = 4;

// How many items of a kind a stage has: 32 map sets, 256 of the others.
int itemCount(ItemKind kind);

// "map set 05", "chip set 1A", "chip 3F", "tile 00".
std::string itemName(ItemKind kind, int item);

// One place that names an item: a page (for a map set), a map-set cell (for a chip
// set) or a chip-set quadrant (for a chip).
struct ItemUse {
    int holder = 0;    // the page, map set or chip set
    int column = 0;    // map-set cells: 0 to 7
    int row = 0;       // map-set cells: 0 to 7
    int quadrant = 0;  // chip-set quadrants: 0 top-left to 3 bottom-right

    bool operator==(const ItemUse&) const = default;
};

// Every use of item in stage, in the order the jumps follow: pages from 0 to 47; cells
// by map set, then row by row from the top, left to right; quadrants by chip set, then
// quadrant. Map sets are looked for in all 48 pages, chip sets in all 32 map sets and
// chips in all 256 chip sets, whether the pages reach them or not. Tiles have no use
// list (the chip view shows a chip's tiles itself); an empty list comes back for them.
std::vector<ItemUse> usesOf(const EDITOR& editor, int stage, ItemKind kind, int item);

// Where a use lies along that order, for finding the use after or before a place:
// uses of one chip set share the number of their chip set, as they are shown together.
int useOrder(ItemKind kind, const ItemUse& use);

// "page 05", "map set 03, column 2, row 5", "chip set 1A, quadrant 2 (bottom-left)".
std::string useName(ItemKind kind, const ItemUse& use);
