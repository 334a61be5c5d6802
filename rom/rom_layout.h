#pragma once

#include <cstddef>
#include <cstdint>

#include "model/stage_bank_layout.h"

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

// One past the last byte that a save writes: the palette sets of stage 15. A save
// into a missing or shorter file grows it to this length.
inline constexpr std::size_t kSavedTablesEnd = stageBase(15) + kPaletteSets + kPaletteSetsSize;
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
