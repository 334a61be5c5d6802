#pragma once

#include <cstdint>
#include <vector>

#include "usage/stage_usage.h"

class EDITOR;

// The counts of one stage, kept until its tables change. Asking compares the stage's
// page, map-set, chip-set and chip-tile tables with the copy the counts were made from
// (a few kilobytes, well under a microsecond) and counts again only when they differ
// or another stage is asked for.
class StageUsageCache {
public:
    const StageUsage& usage(const EDITOR& editor, int stage);

    // Goes up by one with every recount, so that a reader can tell new counts from old.
    std::uint64_t version() const { return version_; }

private:
    bool holds(const EDITOR& editor, int stage) const;
    void keep(const EDITOR& editor, int stage);

    bool valid_ = false;
    int stage_ = -1;
    std::vector<std::uint8_t> tables_;
    StageUsage usage_;
    std::uint64_t version_ = 0;
};
