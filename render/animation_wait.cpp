#include "render/animation_wait.h"

#include <algorithm>
#include <cstdint>

#include "model/editor.h"

namespace {
constexpr std::uint8_t kAnimatedBit = 0x80;
constexpr std::uint8_t kAnimationNumberMask = 0x3F;

// Ticks until one animated sub-palette's next step changes anything.
int ticksUntilStep(const PaletteAnimation& animation, const std::uint8_t (&colours)[4])
{
    // A frame index left too high by a reload goes back to 0 at the next step, and
    // colours set by anything but the animation are replaced by the frame's at once.
    if (animation.frame != 0 && animation.frame >= animation.frames.size())
        return 1;
    if (!animation.frames.empty()) {
        const ColourTriple& shown = animation.frames[animation.frame];
        if (colours[1] != shown[0] || colours[2] != shown[1] || colours[3] != shown[2])
            return 1;
    }
    // A counter that already reaches the delay (always so with a delay of 0) steps at
    // the next refresh, whatever its ticks.
    if (animation.counter >= animation.delay)
        return 1;
    return animation.delay - animation.counter;
}

}  // namespace

std::optional<int> ticksUntilAnimationChange(const EDITOR& editor)
{
    if (editor.curStage < 0 || editor.curStage >= kStageCount)
        return std::nullopt;
    const PaletteRecord& palette = editor.curPal[editor.curStage];
    bool named[kPaletteAnimationCount] = {};
    std::optional<int> wait;
    for (int p = 0; p < 4; ++p) {
        const std::uint8_t selector = palette.selector[p];
        if (!(selector & kAnimatedBit))
            continue;
        const int number = selector & kAnimationNumberMask;
        // Two sub-palettes on one animation step it twice per refresh, the second
        // after the first has taken its colours: a refresh of many ticks can then
        // give the first sub-palette another frame than single ticks would. Such a
        // stage goes tick by tick.
        if (named[number])
            return 1;
        named[number] = true;
        const int due = ticksUntilStep(editor.palAnim[number], palette.colour[p]);
        wait = wait ? std::min(*wait, due) : due;
    }
    return wait;
}
