#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "model/stage_records.h"

// What the user calls the objects' data values, from a names file of their own (the
// editor itself knows none). A name given for one stage stands before the name given
// for every stage.
struct ObjectNames {
    bool loaded = false;  // whether a names file is in use at all
    std::string title;    // the file's own title, or ""
    std::string file;     // where the names came from, as the user should read it
    std::map<int, std::string> everyStage;
    std::array<std::map<int, std::string>, kStageCount> byStage;
    // Different for every set of names read, so that what shows them can tell new
    // names from old without comparing them.
    std::uint64_t revision = 0;

    // The name of data value `data` in stage `stage`, or nullptr when it has none.
    const std::string* find(int stage, int data) const
    {
        if (stage >= 0 && stage < kStageCount)
            if (const auto named = byStage[std::size_t(stage)].find(data); named != byStage[std::size_t(stage)].end())
                return &named->second;
        const auto named = everyStage.find(data);
        return named != everyStage.end() ? &named->second : nullptr;
    }
};
