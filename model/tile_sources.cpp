#include "model/tile_sources.h"

#include <algorithm>

TileSources::TileSources()
{
    std::fill(&offset[0][0], &offset[0][0] + kStageCount * kTileCount, kNoTileSource);
    std::fill(&reservedBy[0][0], &reservedBy[0][0] + kStageCount * kTileCount, kNotReserved);
}

void TileSources::findReservedSources()
{
    // By where they begin, each with the furthest end of those up to it, so that the
    // areas a source may overlap are found by a search and a short walk back.
    std::sort(reserved.begin(), reserved.end(),
              [](const ReservedArea& a, const ReservedArea& b) { return a.first < b.first; });
    std::vector<std::uint32_t> furthestEnd(reserved.size());
    std::uint32_t furthest = 0;
    for (std::size_t a = 0; a < reserved.size(); ++a)
        furthestEnd[a] = furthest = std::max(furthest, reserved[a].end);

    for (int s = 0; s < kStageCount; ++s)
        for (int t = 0; t < kTileCount; ++t) {
            reservedBy[s][t] = kNotReserved;
            if (!hasSource(s, t))
                continue;
            const std::uint64_t first = offset[s][t];
            const std::uint64_t end = first + kTileBytes;
            auto after = std::partition_point(reserved.begin(), reserved.end(),
                                              [&](const ReservedArea& area) { return area.first < end; });
            for (std::size_t a = std::size_t(after - reserved.begin()); a > 0 && furthestEnd[a - 1] > first; --a)
                if (reserved[a - 1].end > first && a - 1 < kNotReserved) {
                    reservedBy[s][t] = std::uint16_t(a - 1);
                    break;
                }
        }
}
