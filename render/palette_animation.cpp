#include "render/palette_animation.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "model/editor.h"

namespace {
constexpr std::uint8_t kAnimatedBit = 0x80;
constexpr std::uint8_t kAnimationNumberMask = 0x3F;
}  // namespace

void EDITOR::stepPaletteAnimations(int ticks)
{
    stepAnimatedSubPalettes(curPal[curStage], palAnim, ticks);
}

// Each animated sub-palette steps the animation it names, so an
// animation named by two sub-palettes gathers ticks twice per call and may advance
// twice. One call advances it by at most one frame per sub-palette; the rest of the
// counter carries over. Counters, frames and ticks all count modulo 256.
void stepAnimatedSubPalettes(PaletteRecord& palette, PaletteAnimation* animations, int ticks)
{
    for (int p = 0; p < 4; ++p) {
        const std::uint8_t selector = palette.selector[p];
        if (!(selector & kAnimatedBit))
            continue;
        PaletteAnimation& animation = animations[selector & kAnimationNumberMask];
        animation.counter = std::uint8_t(animation.counter + std::uint8_t(ticks));
        if (animation.counter >= animation.delay) {
            animation.counter = std::uint8_t(animation.counter - animation.delay);
            animation.frame = std::uint8_t(animation.frame + 1);
        }
        // Also brings back a frame index left too high by a reload with fewer frames.
        if (animation.frame >= animation.frames.size())
            animation.frame = 0;
        // An animation that has never been loaded has no frames and leaves the colours.
        if (animation.frames.empty())
            continue;
        const ColourTriple& colours = animation.frames[animation.frame];
        palette.colour[p][1] = colours[0];
        palette.colour[p][2] = colours[1];
        palette.colour[p][3] = colours[2];
    }
}

PaletteRecord firstFramePalette(const PaletteRecord& stored, const PaletteAnimation* animations)
{
    std::array<PaletteAnimation, kPaletteAnimationCount> started;
    std::copy(animations, animations + kPaletteAnimationCount, started.begin());
    for (PaletteAnimation& animation : started) {
        animation.counter = 0;
        animation.frame = 0;
    }
    PaletteRecord palette = stored;
    stepAnimatedSubPalettes(palette, started.data(), 1);
    return palette;
}
