#pragma once

#include <cstddef>
#include <cstdint>

// Where the level data lies in the ROM image. All values are file offsets.
//
// The image is a 16-byte cartridge header followed by 8 KB banks. Stage s keeps its
// tables in bank 0x20 + s. A pointer is a low byte and a high byte kept in two
// separate byte tables; only the low five bits of the high byte count, so a pointer
// always lands inside one fixed 8 KB bank.
namespace rom_layout {

inline constexpr std::size_t kHeaderSize = 0x10;
inline constexpr std::size_t kBankSize = 0x2000;

constexpr std::size_t bankStart(unsigned bank)
{
    return kHeaderSize + bank * kBankSize;
}

// Offset inside `bank` that the pointer (low, high) designates.
constexpr std::size_t pointerTarget(unsigned bank, std::uint8_t low, std::uint8_t high)
{
    return bankStart(bank) + std::size_t(high & 0x1F) * 0x100 + low;
}

// --- Tables of one stage, at stageBase(s) + offset ------------------------------------
inline constexpr unsigned kFirstStageBank = 0x20;
constexpr std::size_t stageBase(int stage)
{
    return bankStart(kFirstStageBank + unsigned(stage));
}

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

// One past the last byte that a save writes: the page table of stage 15. A save
// into a missing or shorter file grows it to this length.
inline constexpr std::size_t kSavedTablesEnd = stageBase(15) + kPageTable + kPageTableSize;
// One past the last byte of stage 15's tables; a shorter image cannot load.
inline constexpr std::size_t kStageTablesEnd = stageBase(15) + kPaletteSets + kPaletteSetsSize;

// --- Tile-loading lists (one per stage, in bank 0x28) ---------------------------------
inline constexpr unsigned kTileListBank = 0x28;
inline constexpr std::size_t kTileListPointerLow = 0x51810;   // + stage
inline constexpr std::size_t kTileListPointerHigh = 0x51880;  // + stage
inline constexpr std::size_t kTileListSkipped = 8;            // bytes at the list start that are not read
inline constexpr std::size_t kTileListEntrySize = 4;          // bank, count, page, start
inline constexpr std::uint8_t kTileListEnd = 0xFF;            // bank byte that ends a list
inline constexpr int kTilesPerListStart = 16;                 // an entry's start and count are in units of 16 tiles

// Where the tiles of a list entry are copied from.
constexpr std::size_t tileSource(std::uint8_t bank, std::uint8_t page)
{
    return bankStart(bank) + std::size_t(page & 0x3F) * 0x100;
}

// --- Palette animations (64, shared, in bank 0x20) ------------------------------------
inline constexpr unsigned kAnimationBank = 0x20;
inline constexpr std::size_t kAnimationPointerLow = 0x41D3C;   // + animation
inline constexpr std::size_t kAnimationPointerHigh = 0x41D7C;  // + animation
inline constexpr std::size_t kColourTriples = 0x418D7;         // 256 x 3 colour indexes

constexpr std::size_t colourTriple(std::uint8_t number)
{
    return kColourTriples + 3 * std::size_t(number);
}

}  // namespace rom_layout
