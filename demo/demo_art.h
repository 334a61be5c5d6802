#pragma once

#include <array>
#include <cstdint>

#include "demo/demo_theme.h"

// The 16 x 16 pictures the demo image's tiles are cut from: art k becomes tiles 4k to
// 4k + 3 (top-left, top-right, bottom-left, bottom-right) and chip k shows it.
// Pixel values are 0 to 3, art[y][x].
using Art = std::array<std::array<std::uint8_t, 16>, 16>;

enum ArtNumber : std::uint8_t {
    // Shared by every stage (tiles 0x00 to 0x3F).
    kArtBlank = 0,
    kArtLadder,
    kArtLiquidTop,
    kArtLiquid,
    kArtCloud,
    kArtStar,
    kArtPipeUp,
    kArtPipeAcross,
    kArtWindow,
    kArtSpikes,
    kArtCrate,
    kArtFence,
    kArtChain,
    kArtDoor,
    kArtRivetPlate,
    kArtChecker,
    // Drawn in each stage's own style (tiles 0x40 to 0xFF).
    kArtGround = 16,
    kArtGroundTop,
    kArtWall,
    kArtPlatform,
    kArtBackWall,
    kArtCrackedGround,
    kArtPillar,
    kArtPillarTop,
    kArtFirstDecor = 24,  // 24 to 63: rubble, tufts and other small details
};

Art drawArt(int number, const StageTheme& theme);

// How chip k uses art k: its sub-palette (0 background, 1 ground, 2 metal, 3 liquid)
// and the style bits stored with it.
struct ArtInfo {
    int subPalette;
    std::uint8_t style;
};
ArtInfo artInfo(int number);
