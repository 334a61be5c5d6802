#include "demo/demo_art.h"

#include <cstdlib>

namespace {

// A small hash for noise that is the same on every machine.
int hash(int x, int y, int seed)
{
    std::uint32_t h = std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u + std::uint32_t(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return int((h ^ (h >> 16)) & 0x7FFFFFFF);
}

template <typename F>
Art paint(F pixel)
{
    Art art{};
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            art[std::size_t(y)][std::size_t(x)] = std::uint8_t(pixel(x, y));
    return art;
}

// A raised block: light top and left edges, dark bottom and right ones.
int bevel(int x, int y, int left, int top, int right, int bottom, int inside)
{
    if (x == left || y == top)
        return 3;
    if (x == right || y == bottom)
        return 1;
    return inside;
}

Art ground(int pattern, int seed)
{
    switch (pattern) {
    case 1:  // stone blocks of 8 x 8
        return paint([seed](int x, int y) {
            const int v = bevel(x % 8, y % 8, 0, 0, 7, 7, 2);
            return v == 2 && hash(x, y, seed) % 11 == 0 ? 1 : v;
        });
    case 2:  // riveted metal plate
        return paint([](int x, int y) {
            if ((x == 3 || x == 12) && (y == 3 || y == 12))
                return 3;
            if (y == 8)
                return 1;
            return bevel(x, y, 0, 0, 15, 15, 2);
        });
    case 3:  // rock: irregular lumps
        return paint([seed](int x, int y) {
            const int cell = hash((x + (y / 5) * 2) / 5, y / 5, seed);
            if ((x + (y / 5) * 2) % 5 == 0 || y % 5 == 0)
                return 1;
            return 2 + ((cell % 3 == 0 && (x + y) % 5 == 1) ? 1 : 0);
        });
    case 4:  // ice with diagonal glints
        return paint([](int x, int y) {
            if ((x + y) % 8 < 2)
                return 3;
            if (((x - y) & 7) == 0)
                return 1;
            return 2;
        });
    default:  // bricks, every other row shifted
        return paint([](int x, int y) {
            const int row = y / 4;
            const int joint = row % 2 ? 4 : 12;
            if (y % 4 == 3 || x % 16 == joint)
                return 1;
            return y % 4 == 0 ? 3 : 2;
        });
    }
}

Art groundTop(int pattern, int seed)
{
    Art art = ground(pattern, seed);
    for (int x = 0; x < 16; ++x) {
        // A surface four pixels deep: grass or snow tufts for open ground, a
        // polished ledge for built ground.
        const bool tuft = pattern == 0 || pattern == 3 || pattern == 4;
        const int bump = tuft ? (x % 4 == 1 ? 0 : 1) : 0;
        for (int y = 0; y < 4; ++y) {
            int v = y < bump ? 0 : (y == bump ? 3 : (y == 3 ? 1 : 2));
            if (!tuft && y == 1)
                v = 3;
            art[std::size_t(y)][std::size_t(x)] = std::uint8_t(v);
        }
    }
    return art;
}

Art decor(int number, const StageTheme& theme)
{
    const int seed = number * 97 + theme.pattern * 13 + theme.groundHue;
    switch (number % 4) {
    case 0:  // a scatter of pebbles on the background
        return paint([seed](int x, int y) {
            const int h = hash(x / 3, y / 3, seed);
            return y > 8 && h % 5 == 0 ? 1 + h % 3 : 0;
        });
    case 1:  // a tuft of grass or a crystal
        return paint([seed](int x, int y) {
            const int stalk = 2 + hash(x, 0, seed) % 10;
            return y >= 16 - stalk && x % 3 != 2 ? (y == 16 - stalk ? 3 : 2) : 0;
        });
    case 2:  // a patterned tile
        return paint([seed](int x, int y) {
            const int h = hash(x / 4, y / 4, seed);
            return bevel(x % 8, y % 8, 0, 0, 7, 7, 1 + h % 3);
        });
    default:  // a round boulder
        return paint([seed](int x, int y) {
            const int dx = x - 8, dy = y - 9;
            const int r2 = dx * dx + dy * dy;
            const int radius = 5 + seed % 3;
            if (r2 > radius * radius)
                return 0;
            if (dx + dy < -radius / 2)
                return 3;
            return r2 > (radius - 1) * (radius - 1) ? 1 : 2;
        });
    }
}

}  // namespace

Art drawArt(int number, const StageTheme& theme)
{
    const int seed = theme.pattern * 7 + 1;
    switch (number) {
    case kArtBlank: return Art{};
    case kArtLadder:
        return paint([](int x, int y) {
            if (x == 2 || x == 12)
                return 3;
            if (x == 3 || x == 13)
                return 1;
            if (x > 3 && x < 12 && (y % 8 == 2 || y % 8 == 3))
                return y % 8 == 2 ? 2 : 1;
            return 0;
        });
    case kArtLiquidTop:
        return paint([](int x, int y) {
            static constexpr int kWave[16] = {2, 1, 1, 0, 0, 0, 1, 1, 2, 3, 3, 4, 4, 4, 3, 3};
            const int surface = kWave[x] / 2 + 2;
            if (y < surface)
                return 0;
            if (y == surface)
                return 3;
            return (x * 3 + y * 5) % 11 == 0 ? 2 : 1;
        });
    case kArtLiquid:
        return paint([](int x, int y) {
            if ((x * 3 + y * 5) % 11 == 0)
                return 2;
            return (x + 2 * y) % 13 == 0 ? 3 : 1;
        });
    case kArtCloud:
        return paint([](int x, int y) {
            const int circles[3][3] = {{5, 10, 4}, {10, 9, 5}, {8, 6, 4}};
            bool inside = false;
            for (const auto& c : circles) {
                const int dx = x - c[0], dy = y - c[1];
                inside = inside || dx * dx + dy * dy <= c[2] * c[2];
            }
            if (!inside)
                return 0;
            return y >= 12 ? 2 : 3;
        });
    case kArtStar:
        return paint([](int x, int y) {
            if ((x == 4 && std::abs(y - 4) <= 2) || (y == 4 && std::abs(x - 4) <= 2))
                return x == 4 && y == 4 ? 3 : 2;
            return (x == 11 && y == 11) || (x == 13 && y == 2) ? 3 : 0;
        });
    case kArtPipeUp:
    case kArtPipeAcross: {
        const bool across = number == kArtPipeAcross;
        return paint([across](int x, int y) {
            const int a = across ? y : x;  // across the pipe
            const int b = across ? x : y;  // along it
            if (b < 2 && a >= 2 && a <= 13)
                return a == 2 ? 3 : (a == 13 ? 1 : 2);  // a joint ring
            if (a < 3 || a > 12)
                return 0;
            static constexpr int kShading[10] = {1, 2, 2, 3, 3, 2, 2, 2, 1, 1};
            return kShading[a - 3];
        });
    }
    case kArtWindow:
        return paint([](int x, int y) {
            if (x < 2 || x > 13 || y < 2 || y > 13)
                return 0;
            if (x == 2 || x == 13 || y == 2 || y == 13 || x == 7 || x == 8 || y == 7)
                return 2;
            return (x - y == 1 || x - y == 2) ? 3 : 1;
        });
    case kArtSpikes:
        return paint([](int x, int y) {
            const int centre = (x / 4) * 4 + 2;
            const int half = (y - 4) / 3;  // spikes widen downwards from row 4
            if (y < 4 || std::abs(x - centre) > half)
                return y >= 14 ? 1 : 0;
            return x < centre ? 3 : 2;
        });
    case kArtCrate:
        return paint([](int x, int y) {
            if (x == 0 || y == 0 || x == 15 || y == 15)
                return 1;
            if (x == 1 || y == 1 || x == 14 || y == 14)
                return 3;
            return (x == y || x == 15 - y) ? 1 : 2;
        });
    case kArtFence:
        return paint([](int x, int y) {
            if (x % 8 == 1 || x % 8 == 2)
                return x % 8 == 1 ? 3 : 1;
            return (y == 5 || y == 11) ? 2 : 0;
        });
    case kArtChain:
        return paint([](int x, int y) {
            const int link = y % 8;
            const bool upright = (y / 8) % 2 == 0;
            if (upright)
                return (x == 6 || x == 9) && link >= 1 && link <= 6
                    ? 2
                    : ((link == 0 || link == 7) && x >= 7 && x <= 8 ? 3 : 0);
            return (link == 3 || link == 4) && x >= 5 && x <= 10 ? (link == 3 ? 3 : 1) : 0;
        });
    case kArtDoor:
        return paint([](int x, int y) {
            if (x > 13)
                return 0;
            if (x == 0 || y == 0)
                return 3;
            if (x == 13)
                return 1;
            if (x == 10 && y % 16 == 8)
                return 3;
            return y % 5 == 4 ? 1 : 2;
        });
    case kArtRivetPlate: return ground(2, 0);
    case kArtChecker: return paint([](int x, int y) { return ((x / 4 + y / 4) % 2) ? 1 : 2; });
    case kArtGround: return ground(theme.pattern, seed);
    case kArtGroundTop: return groundTop(theme.pattern, seed);
    case kArtWall:
        return paint([](int x, int y) {
            const int v = bevel(x, y, 0, 0, 15, 15, 2);
            if (v != 2)
                return v;
            if (x == 1 || y == 1)
                return 3;
            return std::abs(x - 8) + std::abs(y - 8) == 3 ? 1 : 2;  // a small diamond
        });
    case kArtPlatform:
        return paint([](int x, int y) {
            if (y > 6)
                return 0;
            if (y == 0)
                return 3;
            if (y == 6)
                return 1;
            return (x % 8 == 3 && y == 3) ? 3 : ((x + y) % 6 == 0 ? 1 : 2);
        });
    case kArtBackWall:
        return paint([](int x, int y) {
            const int joint = (y / 8) % 2 ? 0 : 8;
            return (y % 8 == 7 || x % 16 == joint) ? 1 : 0;
        });
    case kArtCrackedGround: {
        Art art = ground(theme.pattern, seed);
        for (int y = 2; y < 14; ++y) {
            const int x = 5 + (y * 3 / 4) % 5 + (y > 8 ? 2 : 0);
            art[std::size_t(y)][std::size_t(x)] = 1;
        }
        return art;
    }
    case kArtPillar:
    case kArtPillarTop:
        return paint([number](int x, int y) {
            if (number == kArtPillarTop && y < 4)
                return y == 0 ? 3 : (y == 3 ? 1 : 2);
            if (x < 2 || x > 13)
                return 0;
            static constexpr int kShading[12] = {1, 2, 3, 3, 2, 1, 2, 3, 2, 2, 1, 1};
            return kShading[x - 2];
        });
    default: return decor(number, theme);
    }
}

ArtInfo artInfo(int number)
{
    // Style bits: 0x40 solid, 0x80 climbable, 0xC0 harmful; the editor only stores them.
    switch (number) {
    case kArtLadder: return {2, 0x80};
    case kArtLiquidTop:
    case kArtLiquid: return {3, 0xC0};
    case kArtSpikes: return {2, 0xC4};
    case kArtCrate:
    case kArtRivetPlate:
    case kArtDoor: return {2, 0x40};
    case kArtFence:
    case kArtChain: return {2, 0x00};
    case kArtGround:
    case kArtGroundTop:
    case kArtWall:
    case kArtCrackedGround: return {1, 0x40};
    case kArtPlatform: return {1, 0x50};
    case kArtChecker: return {1, 0x00};
    default:
        return {number >= kArtFirstDecor ? 1 + number % 2 : 0, std::uint8_t(number >= kArtFirstDecor ? 0x10 : 0x00)};
    }
}
