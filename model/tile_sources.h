#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/stage_records.h"

inline constexpr std::uint32_t kNoTileSource = 0xFFFFFFFF;

// Bytes of the image that hold something other than tiles: the header and everything
// the loader reads as tables, lists, pointers or animations. A tile loaded from there
// cannot be drawn, and a save never writes a tile there, so that no byte of the image
// has two meanings.
struct ReservedArea {
    std::uint32_t first = 0;
    std::uint32_t end = 0;  // one past the last byte
    // What the bytes hold, to finish "also hold ...": "stage 3's map sets".
    std::string what;
};

// Where each tile of each stage was loaded from: the file offset of its 16 bytes (the
// last list entry that wrote it), or kNoTileSource for a tile no entry names.
struct TileSources {
    std::uint32_t offset[kStageCount][kTileCount];
    // The areas found at the last load, and for each tile the first of them its source
    // overlaps, or kNotReserved.
    std::vector<ReservedArea> reserved;
    static constexpr std::uint16_t kNotReserved = 0xFFFF;
    std::uint16_t reservedBy[kStageCount][kTileCount];

    TileSources();

    bool hasSource(int stage, int tile) const { return offset[stage][tile] != kNoTileSource; }
    // Whether drawing may change the tile's source and a save may write it.
    bool writable(int stage, int tile) const
    {
        return hasSource(stage, tile) && reservedBy[stage][tile] == kNotReserved;
    }
    // Marks every tile whose source overlaps one of the reserved areas (which it sorts
    // by where they begin).
    void findReservedSources();
};
