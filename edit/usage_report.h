#pragma once

#include <optional>
#include <string>
#include <vector>

#include "usage/item_uses.h"
#include "usage/stage_usage.h"

class EDITOR;

// What the F2 window shows for the current view, stage and item: the uses of the item,
// each one a place the editor can go to, and what the stage's pages reach of each kind
// of item.

// A place to go to: a use of an item of kind (goToUse shows it).
struct UsePlace {
    ItemKind kind;
    ItemUse use;
};

struct UsageEntry {
    std::string where;  // "page 05", "map set 03, column 2, row 5", "chip sets"
    std::string what;   // "200 of 256 used; not used: 00-0F, 12", or empty
    std::optional<UsePlace> place;
};

struct UsageSection {
    std::string title;
    std::vector<UsageEntry> entries;
};

// usage holds the counts of the current stage.
std::vector<UsageSection> usageReport(const EDITOR& editor, const StageUsage& usage);
