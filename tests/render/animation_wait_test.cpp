#include <cstring>
#include <memory>
#include <optional>
#include <random>

#include <gtest/gtest.h>

#include "model/editor.h"
#include "render/animation_wait.h"

namespace {

// What the palette animation of a stage shows and counts.
struct AnimationState {
    std::uint8_t counter[kPaletteAnimationCount];
    std::uint8_t frame[kPaletteAnimationCount];
    PaletteRecord palette;

    explicit AnimationState(const EDITOR& editor) : palette(editor.curPal[editor.curStage])
    {
        for (int a = 0; a < kPaletteAnimationCount; ++a) {
            counter[a] = editor.palAnim[a].counter;
            frame[a] = editor.palAnim[a].frame;
        }
    }
    bool operator==(const AnimationState& other) const { return std::memcmp(this, &other, sizeof *this) == 0; }
    // Frames and colours: what a refresh would draw.
    bool looksLike(const AnimationState& other) const
    {
        return std::memcmp(frame, other.frame, sizeof frame) == 0 &&
            std::memcmp(&palette, &other.palette, sizeof palette) == 0;
    }
};

// previous one tick later if that tick only counted: each animation that the stage
// names has its counter one higher, and nothing else changed.
AnimationState countedOnly(AnimationState previous)
{
    for (const std::uint8_t selector : previous.palette.selector)
        if (selector & 0x80)
            ++previous.counter[selector & 0x3F];
    return previous;
}

void copyAnimation(const EDITOR& from, EDITOR& to)
{
    to.curStage = from.curStage;
    to.curPal[to.curStage] = from.curPal[from.curStage];
    for (int a = 0; a < kPaletteAnimationCount; ++a)
        to.palAnim[a] = from.palAnim[a];
}

// A stage palette and animations drawn at random from few values, so that shared
// animations, delays of 0, counters at or past their delay, single frames, frame
// indexes past the end and colours that differ from the frame all come up.
void randomAnimation(EDITOR& editor, std::mt19937& random)
{
    auto below = [&](int n) { return int(random() % unsigned(n)); };
    editor.curStage = below(kStageCount);
    PaletteRecord& palette = editor.curPal[editor.curStage];
    for (int a = 0; a < 8; ++a) {
        PaletteAnimation& animation = editor.palAnim[a];
        animation.frames.resize(std::size_t(1 + below(4)));
        for (std::size_t f = 0; f < animation.frames.size(); ++f)
            animation.frames[f] = ColourTriple{std::uint8_t(f), std::uint8_t(f + 1), std::uint8_t(a)};
        animation.delay = std::uint8_t(below(12));
        animation.counter = std::uint8_t(below(animation.delay + 2));
        animation.frame = std::uint8_t(below(int(animation.frames.size()) + (below(8) == 0 ? 2 : 0)));
    }
    for (int p = 0; p < 4; ++p) {
        const int kind = below(6);
        palette.selector[p] = kind == 0 ? 0x00
            : kind == 1                 ? 0x05
                                        : std::uint8_t(0x80 | below(8) | (below(4) == 0 ? 0x40 : 0));
        const PaletteAnimation& named = editor.palAnim[palette.selector[p] & 0x3F];
        const bool showsItsFrame = below(10) != 0 && named.frame < named.frames.size();
        for (int c = 1; c < 4; ++c)
            palette.colour[p][c] =
                showsItsFrame ? named.frames[named.frame][std::size_t(c - 1)] : std::uint8_t(0x30 + c);
    }
}

}  // namespace

TEST(AnimationWaitTest, AStageThatAnimatesNothingNeverChangesByItself)
{
    auto editor = std::make_unique<EDITOR>();
    editor->curStage = 2;
    editor->palAnim[4].frames = {ColourTriple{1, 2, 3}, ColourTriple{4, 5, 6}};
    editor->curPal[2].selector[1] = 0x04;  // non-zero, bit 7 clear: drawn with its own colours
    editor->curPal[3].selector[0] = 0x84;  // another stage animates
    EXPECT_EQ(ticksUntilAnimationChange(*editor), std::nullopt);

    editor->curStage = 3;
    EXPECT_NE(ticksUntilAnimationChange(*editor), std::nullopt);
}

// The promise a sleeping frame clock builds on: for any n up to the wait, one refresh of
// n ticks ends exactly where n refreshes of one tick end, and none of those single
// ticks but the last shows anything new. And the wait is no shorter than it must be:
// unless it is a single tick, the last of its ticks changes what is counted or shown.
TEST(AnimationWaitTest, OneRefreshOfTheWholeWaitMatchesSingleTicks)
{
    auto start = std::make_unique<EDITOR>();
    auto batched = std::make_unique<EDITOR>();
    auto single = std::make_unique<EDITOR>();
    std::mt19937 random(20);
    int longWaits = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        randomAnimation(*start, random);
        const std::optional<int> wait = ticksUntilAnimationChange(*start);
        if (!wait)
            continue;
        ASSERT_GE(*wait, 1);
        longWaits += *wait > 1;
        const AnimationState before(*start);
        copyAnimation(*start, *single);
        for (int n = 1; n <= *wait; ++n) {
            const AnimationState previous(*single);
            single->stepPaletteAnimations(1);
            const AnimationState now(*single);
            if (n < *wait) {
                ASSERT_TRUE(now.looksLike(before)) << "trial " << trial << ", tick " << n;
            } else if (n > 1) {
                ASSERT_FALSE(now == countedOnly(previous))
                    << "trial " << trial << ": the wait of " << *wait << " could have been longer";
            }
            copyAnimation(*start, *batched);
            batched->stepPaletteAnimations(n);
            ASSERT_TRUE(AnimationState(*batched) == now) << "trial " << trial << ", " << n << " ticks at once";
        }
    }
    EXPECT_GT(longWaits, 200);  // not all of the trials go tick by tick
}
