#pragma once

#include <array>
#include <cstdint>
#include <vector>

// Fixed counts of the level data. The game's layout never changes them.
inline constexpr int kStageCount = 16;
inline constexpr int kPageCount = 48;
inline constexpr int kMapSetCount = 32;
inline constexpr int kMapSetCells = 64;  // 8 columns x 8 rows, stored column by column
inline constexpr int kChipSetCount = 256;
inline constexpr int kChipCount = 256;
inline constexpr int kTileCount = 256;
inline constexpr int kTileBytes = 16;
inline constexpr int kObjectSlots = 64;
inline constexpr int kPaletteSetCount = 4;
inline constexpr int kPaletteAnimationCount = 64;

// A page byte of this value or more marks an empty object slot.
inline constexpr std::uint8_t kEmptyObjectPage = 0x30;
// Page byte written into slot 63 when an erase frees it.
inline constexpr std::uint8_t kErasedObjectPage = 0xFF;

// The five views, numbered as the tabs.
enum View : int {
    kViewMap = 0,
    kViewObject = 1,
    kViewMapSet = 2,
    kViewChipSet = 3,
    kViewChip = 4,
};
inline constexpr int kViewCount = 5;
// The tab labels, which also name the views wherever the editor mentions them.
inline constexpr const char* kViewNames[kViewCount] = {"MAP", "OBJECT", "MAP SET", "CHIP SET", "CHIP"};

// A 16 x 16 block: four tiles (top-left, top-right, bottom-left, bottom-right),
// the sub-palette they are drawn with and the upper six bits of the attribute byte.
struct ChipRecord {
    std::uint8_t tile[4];
    std::uint8_t palette;  // 0 to 3
    std::uint8_t style;    // bits 0 and 1 always clear
};

// One slot of a stage's object list.
struct ObjectRecord {
    std::uint8_t page;  // 0 to 47; kEmptyObjectPage or more marks a free slot
    std::uint8_t x;
    std::uint8_t y;
    std::uint8_t data;

    bool isUsed() const { return page < kEmptyObjectPage; }
};

// A palette set, and the current palette of a stage: four sub-palettes of four
// colour indexes, then one animation selector per sub-palette. A selector of 0 is a
// static sub-palette; bit 7 set animates it with animation (selector & 0x3F).
struct PaletteRecord {
    std::uint8_t colour[4][4];
    std::uint8_t selector[4];
};
static_assert(sizeof(PaletteRecord) == 20);

// New values of colours 1, 2 and 3 of an animated sub-palette.
using ColourTriple = std::array<std::uint8_t, 3>;

// A colour cycle shared by all stages. Invariant once loaded: frames is not empty and
// frame < frames.size().
struct PaletteAnimation {
    std::vector<ColourTriple> frames;
    std::uint8_t delay = 0;    // ticks that one frame lasts
    std::uint8_t counter = 0;  // ticks gathered towards the next frame
    std::uint8_t frame = 0;    // index of the frame now shown
};
