#include "usage/usage_cache.h"

#include <cstring>

#include "model/editor.h"

namespace {

// The tables the counts are made from, in the order they are kept.
struct TablePart {
    const void* bytes;
    std::size_t size;
};

std::array<TablePart, 4> countedTables(const EDITOR& editor, int stage)
{
    return {{{editor.pageSet[stage], sizeof editor.pageSet[stage]},
             {editor.mapSet[stage], sizeof editor.mapSet[stage]},
             {editor.chipSet[stage], sizeof editor.chipSet[stage]},
             {editor.chip[stage], sizeof editor.chip[stage]}}};
}

}  // namespace

const StageUsage& StageUsageCache::usage(const EDITOR& editor, int stage)
{
    if (stage < 0 || stage >= kStageCount) {
        static const StageUsage none;
        return none;
    }
    if (!holds(editor, stage)) {
        usage_ = countStageUsage(editor, stage);
        keep(editor, stage);
        ++version_;
    }
    return usage_;
}

bool StageUsageCache::holds(const EDITOR& editor, int stage) const
{
    if (!valid_ || stage != stage_)
        return false;
    std::size_t offset = 0;
    for (const TablePart& part : countedTables(editor, stage)) {
        if (std::memcmp(tables_.data() + offset, part.bytes, part.size) != 0)
            return false;
        offset += part.size;
    }
    return true;
}

void StageUsageCache::keep(const EDITOR& editor, int stage)
{
    tables_.clear();
    for (const TablePart& part : countedTables(editor, stage)) {
        const auto* bytes = static_cast<const std::uint8_t*>(part.bytes);
        tables_.insert(tables_.end(), bytes, bytes + part.size);
    }
    stage_ = stage;
    valid_ = true;
}
