#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// What differs from the image the changes are counted against, for the views to frame
// when Show Changes is on. Off, nothing is framed and the views are drawn as before.
struct ChangeMarks {
    bool shown = false;
    // One flag per part (see TableLayout) of each stage's table, at
    // parts[table * kStageCount + stage]; empty before the first count.
    std::vector<std::vector<std::uint8_t>> parts;
    // Counts every new count of the parts, so that a frame knows to draw the marks again.
    std::uint64_t revision = 0;

    bool part(std::size_t table, int stage, int index) const
    {
        const std::size_t at = table * 16 + std::size_t(stage);
        return at < parts.size() && std::size_t(index) < parts[at].size() && parts[at][std::size_t(index)] != 0;
    }
};
