#pragma once

#include <cstdint>
#include <vector>

#include "model/stage_records.h"

// The look of one stage of the demo image: which brick pattern its ground uses,
// whether it plays outdoors, and its colours as hues of the console's colour table
// (a hue h comes in four brightnesses h, 0x10 + h, 0x20 + h and 0x30 + h).
struct StageTheme {
    int pattern;  // 0 bricks, 1 stone blocks, 2 metal plates, 3 rock, 4 ice
    bool indoor;  // a back wall instead of an open sky
    bool night;   // stars instead of clouds
    std::uint8_t sky;
    std::uint8_t groundHue;
    std::uint8_t metalHue;
    std::uint8_t liquidHue;  // water, lava or acid
    std::uint8_t backHue;    // background details
};

// The theme the shared tiles are drawn in.
extern const StageTheme kPlainTheme;

StageTheme stageTheme(int stage);

// Palette set k (0 day, 1 dusk, 2 dark, 3 another ground colour) of a stage. The
// liquid's sub-palette 3 is animated with `liquidSelector`.
PaletteRecord stagePalette(int stage, int k, std::uint8_t liquidSelector);

// The colour cycle of the liquid in palette set k of a stage.
struct LiquidCycle {
    std::vector<ColourTriple> frames;
    std::uint8_t delay;
};
LiquidCycle liquidCycle(int stage, int k);
