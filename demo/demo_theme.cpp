#include "demo/demo_theme.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kBlack = 0x0F;
constexpr std::uint8_t kWhite = 0x30;

constexpr std::uint8_t shade(std::uint8_t hue, int brightness)
{
    return std::uint8_t(std::clamp(brightness, 0, 3) * 0x10 + (hue & 0x0F));
}

//  pattern indoor night  sky   ground metal liquid back
constexpr StageTheme kThemes[16] = {
    {0, false, false, 0x21, 0x07, 0x00, 0x01, 0x0A},  {3, false, false, 0x31, 0x08, 0x00, 0x06, 0x07},
    {2, true, false, kBlack, 0x0C, 0x01, 0x0A, 0x02}, {4, false, true, kBlack, 0x0C, 0x01, 0x02, 0x01},
    {1, false, false, 0x27, 0x08, 0x07, 0x06, 0x08},  {0, true, false, kBlack, 0x06, 0x00, 0x07, 0x08},
    {2, false, false, 0x22, 0x00, 0x0C, 0x0C, 0x02},  {3, false, true, kBlack, 0x04, 0x00, 0x0A, 0x03},
    {0, false, false, 0x2C, 0x09, 0x00, 0x01, 0x0B},  {1, true, false, kBlack, 0x03, 0x00, 0x06, 0x04},
    {4, false, false, 0x32, 0x01, 0x0C, 0x02, 0x0C},  {1, false, false, 0x28, 0x07, 0x00, 0x06, 0x08},
    {2, true, false, kBlack, 0x0B, 0x00, 0x0A, 0x0C}, {0, false, true, 0x01, 0x05, 0x00, 0x06, 0x04},
    {3, true, false, kBlack, 0x00, 0x0C, 0x0C, 0x00}, {2, true, false, kBlack, 0x05, 0x00, 0x06, 0x06},
};

// The liquid's colours 1 to 3 cycle through these brightnesses.
constexpr int kLiquidRamp[4] = {2, 3, 1, 3};

}  // namespace

const StageTheme kPlainTheme = {0, false, false, 0x21, 0x07, 0x00, 0x01, 0x0A};

StageTheme stageTheme(int stage)
{
    return kThemes[stage & 15];
}

PaletteRecord stagePalette(int stage, int k, std::uint8_t liquidSelector)
{
    StageTheme t = stageTheme(stage);
    int darker = 0;
    switch (k) {
    case 1:  // dusk: a warm sky outdoors, walls of another colour indoors
        t.sky = t.night ? 0x03 : 0x17;
        t.backHue = t.indoor ? std::uint8_t(t.backHue % 12 + 1) : 0x06;
        break;
    case 2:  // dark: one step darker everywhere, black sky
        t.sky = kBlack;
        darker = 1;
        break;
    case 3:  // the same place built of another stone
        t.groundHue = std::uint8_t((t.groundHue + 4) % 12 + 1);
        break;
    default: break;
    }
    const LiquidCycle cycle = liquidCycle(stage, k);
    PaletteRecord p{};
    // Indoors colour 0 is the back wall itself and colour 1 the dark joints between
    // its bricks, so that empty quadrants blend into the wall.
    if (t.indoor)
        t.sky = k == 2 ? kBlack : shade(t.backHue, 0);
    const std::uint8_t background[4] = {
        t.sky,
        t.indoor ? kBlack : shade(t.backHue, 0),
        shade(t.backHue, 1 - darker),
        t.indoor ? shade(t.backHue, 2 - darker) : std::uint8_t(darker ? 0x10 : kWhite),
    };
    const std::uint8_t colours[4][4] = {
        {background[0], background[1], background[2], background[3]},
        {t.sky, shade(t.groundHue, 0), shade(t.groundHue, 1 - darker + 0), shade(t.groundHue, 2 - darker)},
        {t.sky, shade(t.metalHue, 0), shade(t.metalHue, 1 + (darker ? 0 : 1)), std::uint8_t(darker ? 0x10 : kWhite)},
        {t.sky, cycle.frames[0][0], cycle.frames[0][1], cycle.frames[0][2]},
    };
    for (int sp = 0; sp < 4; ++sp)
        for (int c = 0; c < 4; ++c)
            p.colour[sp][c] = colours[sp][c];
    p.selector[3] = liquidSelector;
    return p;
}

LiquidCycle liquidCycle(int stage, int k)
{
    const StageTheme t = stageTheme(stage);
    const int frameCount = 2 + (stage + k) % 3;
    LiquidCycle cycle;
    cycle.delay = std::uint8_t(6 + 3 * k + (stage % 3) * 2);
    for (int f = 0; f < frameCount; ++f)
        cycle.frames.push_back({shade(t.liquidHue, k == 2 ? 0 : 1), shade(t.liquidHue, kLiquidRamp[f % 4]),
                                shade(t.liquidHue, kLiquidRamp[(f + 1) % 4])});
    return cycle;
}
