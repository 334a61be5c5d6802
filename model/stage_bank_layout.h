#pragma once

#include <cstddef>

// Where each table of a stage lies within the stage's 8 KB bank of the image, as
// offsets from the bank's start. The editable tables name these places; rom/ adds
// where the banks themselves lie.
namespace rom_layout {

inline constexpr std::size_t kChipTiles = 0x0000;       // 4 planes of 256: tile q of every chip
inline constexpr std::size_t kChipAttributes = 0x0400;  // 256: style | sub-palette
inline constexpr std::size_t kChipSets = 0x0500;        // 256 x 4 chip numbers
inline constexpr std::size_t kMapSets = 0x0900;         // 32 x 64, row by row
inline constexpr std::size_t kObjectPages = 0x1100;     // 64
inline constexpr std::size_t kObjectX = 0x1180;         // 64
inline constexpr std::size_t kObjectY = 0x1200;         // 64
inline constexpr std::size_t kObjectData = 0x1280;      // 64
inline constexpr std::size_t kPageTable = 0x1500;       // 48
inline constexpr std::size_t kPaletteSets = 0x1590;     // 4 x 20

inline constexpr std::size_t kChipTilesSize = 4 * 256;
inline constexpr std::size_t kChipAttributesSize = 256;
inline constexpr std::size_t kChipSetsSize = 256 * 4;
inline constexpr std::size_t kMapSetsSize = 32 * 64;
inline constexpr std::size_t kObjectTableSize = 64;
inline constexpr std::size_t kPageTableSize = 48;
inline constexpr std::size_t kPaletteSetsSize = 4 * 20;

// The stage's tables all lie below this offset of its bank.
inline constexpr std::size_t kStageTablesSpan = kPaletteSets + kPaletteSetsSize;

}  // namespace rom_layout
