#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class EDITOR;
struct TileSources;

// A run of bytes of the editable-tables block (editableTables).
struct TableBytes {
    std::size_t offset;
    std::size_t size;
};

// One change between two states of the tables, as a person reads it: "Stage 3 · map
// set 05 · cell (2, 5): 1A -> 2B". Several changed parts of one element, or several
// neighbouring elements that are one value each, make one item: "Stage 3 · map set 05 ·
// 14 cells".
struct ChangeItem {
    int stage = 0;    // for a shared tile, the first stage that loads it
    int table = 0;    // index in editableTableList()
    int element = 0;  // the first element's number within the stage
    int lastElement = 0;
    int part = -1;         // the part, when the item is one part of one element
    int count = 1;         // parts (or elements, or pixels) changed
    std::string place;     // "map set 05 · cell (2, 5)", "map set 05", "pages 10 to 14", "tile 00"
    std::string oldValue;  // empty when the item counts its changes
    std::string newValue;
    std::string text;
    std::vector<int> stages;  // the stages the item changes: more than one for a shared tile
    // The bytes a revert puts back: for a shared tile, its bytes in every stage that loads it.
    std::vector<TableBytes> bytes;
};

// The changes from `before` to `after` (two blocks of editableTablesSize() bytes), stage
// by stage, and within a stage in the order of the tables. Tiles with the same source
// in the image are one tile, named once.
std::vector<ChangeItem> describeChanges(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after,
                                        const TileSources& sources);

// "Stage 3", "stages 0 to F", "stages 0, 3 and 5".
std::string stagesText(const std::vector<int>& stages);

// Puts the bytes of `items` back as `baseline` (a block) holds them.
void revertChanges(EDITOR& editor, std::span<const std::uint8_t> baseline, std::span<const ChangeItem> items);

// Whether any of the items is a tile loaded by more than one stage.
bool revertsSharedTile(std::span<const ChangeItem> items);
