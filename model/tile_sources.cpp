#include "model/tile_sources.h"

#include <algorithm>

TileSources::TileSources()
{
    std::fill(&offset[0][0], &offset[0][0] + kStageCount * kTileCount, kNoTileSource);
    std::fill(&reservedBy[0][0], &reservedBy[0][0] + kStageCount * kTileCount, kNotReserved);
}

void TileSources::findReservedSources()
{
    for (int s = 0; s < kStageCount; ++s)
        for (int t = 0; t < kTileCount; ++t) {
            reservedBy[s][t] = kNotReserved;
            if (!hasSource(s, t))
                continue;
            const std::uint64_t first = offset[s][t];
            const std::uint64_t end = first + kTileBytes;
            for (std::size_t a = 0; a < reserved.size() && a < kNotReserved; ++a)
                if (first < reserved[a].end && reserved[a].first < end) {
                    reservedBy[s][t] = std::uint16_t(a);
                    break;
                }
        }
}
