// The frame clock's arithmetic on an injected clock, and the frame timer that calls
// the refresh: whole 16 ms periods, the remainder carried, nothing while inactive, and
// no beat while the next one would show nothing new.

#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <set>
#include <vector>

#include <QtTest>

#include "model/editor.h"
#include "render/animation_wait.h"
#include "shell/main_window/frame_clock.h"
#include "shell/main_window/message_loop.h"

namespace {

struct ManualClock {
    std::int64_t now = 1'000'000;
    FrameClock::Clock function()
    {
        return [this] { return now; };
    }
};

// Everything of the palette animation that a frame shows or counts.
struct AnimationState {
    std::int32_t stage;
    std::uint8_t counter[kPaletteAnimationCount];
    std::uint8_t frame[kPaletteAnimationCount];
    PaletteRecord palettes[kStageCount];

    explicit AnimationState(const EDITOR& editor) : stage(editor.curStage)
    {
        for (int a = 0; a < kPaletteAnimationCount; ++a) {
            counter[a] = editor.palAnim[a].counter;
            frame[a] = editor.palAnim[a].frame;
        }
        std::memcpy(palettes, editor.curPal, sizeof palettes);
    }
    bool operator==(const AnimationState& other) const { return std::memcmp(this, &other, sizeof *this) == 0; }
    bool looksLike(const AnimationState& other) const
    {
        return stage == other.stage && std::memcmp(frame, other.frame, sizeof frame) == 0 &&
            std::memcmp(palettes, other.palettes, sizeof palettes) == 0;
    }
};

// Stages 0 and 1 animate with several delays and share animation 2, stage 2 animates
// nothing, and two sub-palettes of stage 3 name one animation.
void setUpAnimations(EDITOR& editor)
{
    const struct {
        int number, frames, delay;
    } animations[] = {{1, 3, 5}, {2, 2, 9}, {3, 4, 13}, {5, 3, 1}, {6, 1, 7}};
    for (const auto& a : animations) {
        PaletteAnimation& animation = editor.palAnim[a.number];
        for (int f = 0; f < a.frames; ++f)
            animation.frames.push_back(ColourTriple{std::uint8_t(a.number), std::uint8_t(f), std::uint8_t(f + 1)});
        animation.delay = std::uint8_t(a.delay);
    }
    editor.curPal[0].selector[0] = 0x81;
    editor.curPal[0].selector[2] = 0x82;
    editor.curPal[0].selector[3] = 0x83;
    editor.curPal[1].selector[1] = 0x82;
    editor.curPal[1].selector[2] = 0x85;
    editor.curPal[1].selector[3] = 0x86;
    editor.curPal[2].selector[1] = 0x03;  // drawn with its own colours, never animated
    editor.curPal[3].selector[0] = 0x81;
    editor.curPal[3].selector[1] = 0xC1;
}

}  // namespace

class FrameClockTest : public QObject {
    Q_OBJECT

private slots:
    void countsWholePeriodsAndCarriesTheRest()
    {
        ManualClock clock;
        FrameClock frames(clock.function());

        clock.now += 15;
        QCOMPARE(frames.takeTicks(), 0);
        QCOMPARE(frames.carried(), 15);

        clock.now += 1;  // exactly one period
        QCOMPARE(frames.takeTicks(), 1);
        QCOMPARE(frames.carried(), 0);

        clock.now += 100;  // a stall
        QCOMPARE(frames.takeTicks(), 6);
        QCOMPARE(frames.carried(), 4);

        // The carried 4 ms count towards the next frame.
        clock.now += 12;
        QCOMPARE(frames.takeTicks(), 1);
        QCOMPARE(frames.carried(), 0);
    }

    void restartDropsTheTimeBefore()
    {
        ManualClock clock;
        FrameClock frames(clock.function());
        clock.now += 500;
        frames.restart();
        clock.now += 20;
        QCOMPARE(frames.takeTicks(), 1);
        QCOMPARE(frames.carried(), 4);
    }

    void aHugeStallStillGivesAPositiveCount()
    {
        ManualClock clock;
        FrameClock frames(clock.function());
        clock.now += std::int64_t(1) << 40;  // decades
        const int ticks = frames.takeTicks();
        QVERIFY(ticks > 0);
        QCOMPARE(ticks, std::numeric_limits<int>::max());
        QVERIFY(frames.carried() > 0);
    }

    void theRealClockNeverGoesBack()
    {
        std::int64_t previous = FrameClock::steadyMilliseconds();
        for (int i = 0; i < 1000; ++i) {
            const std::int64_t now = FrameClock::steadyMilliseconds();
            QVERIFY(now >= previous);
            previous = now;
        }
    }

    void aStallGivesOneRefreshWithAllItsTicks()
    {
        ManualClock clock;
        std::vector<int> refreshes;
        FrameTimer timer(
            FrameClock(clock.function()), [&](int ticks) { refreshes.push_back(ticks); }, [] { return true; });

        clock.now += 10;
        timer.beat();  // early beat: nothing to do yet
        QVERIFY(refreshes.empty());

        clock.now += 6;
        timer.beat();
        clock.now += 16;
        timer.beat();
        QCOMPARE(refreshes, (std::vector<int>{1, 1}));

        clock.now += 100;
        timer.beat();
        QCOMPARE(refreshes, (std::vector<int>{1, 1, 6}));
        QCOMPARE(timer.clock().carried(), 4);
    }

    void inactiveMeansNoRefreshAndNoCatchingUp()
    {
        ManualClock clock;
        bool active = false;
        std::vector<int> refreshes;
        FrameTimer timer(
            FrameClock(clock.function()), [&](int ticks) { refreshes.push_back(ticks); }, [&] { return active; });

        for (int i = 0; i < 30; ++i) {
            clock.now += 16;
            timer.beat();
            timer.wake();
        }
        QVERIFY(refreshes.empty());
        QVERIFY(!timer.nextBeatIn());  // no timer runs

        // Back to active: the animation goes on from where it stood instead of
        // jumping by the half second spent inactive.
        active = true;
        timer.wake();
        clock.now += *timer.nextBeatIn();
        timer.beat();
        QCOMPARE(refreshes, (std::vector<int>{1}));
    }

    // The clock that sleeps between the frames that change against the one that
    // refreshes every 16 ms, over five minutes of input at odd moments, stage changes
    // and beats that come late within their period. Every frame the sleeping clock
    // shows has the animation where one tick per period has it; every period at which
    // that one shows something new is a frame of the sleeping clock; and every input
    // is shown within 16 ms.
    void sleepingShowsWhatEveryPeriodShows()
    {
        auto sleeping = std::make_unique<EDITOR>();
        auto everyPeriod = std::make_unique<EDITOR>();
        setUpAnimations(*sleeping);
        setUpAnimations(*everyPeriod);

        ManualClock clock;
        const std::int64_t started = clock.now;
        std::int64_t ticksShown = 0;
        std::set<std::int64_t> framesShown;
        FrameTimer timer(
            FrameClock(clock.function()),
            [&](int ticks) {
                sleeping->refresh(ticks);
                ticksShown += ticks;
                framesShown.insert(ticksShown);
            },
            [] { return true; }, [&] { return ticksUntilAnimationChange(*sleeping); });

        std::int64_t ticksCounted = 0;
        std::set<std::int64_t> changesCounted;
        auto countTo = [&](std::int64_t tick) {
            for (; ticksCounted < tick; ++ticksCounted) {
                const AnimationState before(*everyPeriod);
                everyPeriod->refresh(1);
                if (!AnimationState(*everyPeriod).looksLike(before))
                    changesCounted.insert(ticksCounted + 1);
            }
        };

        std::mt19937 random(4);
        auto between = [&](int low, int high) { return low + int(random() % unsigned(high - low + 1)); };
        std::int64_t beatAt = 0;
        auto planBeat = [&] {
            const std::optional<std::int64_t> in = timer.nextBeatIn();
            beatAt = in ? clock.now + *in + between(0, 15) : std::numeric_limits<std::int64_t>::max();
        };
        timer.start();
        planBeat();
        std::int64_t inputAt = clock.now + between(30, 700);
        const std::int64_t end = clock.now + 5 * 60 * 1000;
        while (clock.now < end) {
            if (beatAt <= inputAt) {
                clock.now = beatAt;
                const std::int64_t before = ticksShown;
                timer.beat();
                if (ticksShown != before) {
                    countTo(ticksShown);
                    QVERIFY(AnimationState(*sleeping) == AnimationState(*everyPeriod));
                }
            } else {
                clock.now = inputAt;
                timer.catchUp();
                QCOMPARE(ticksShown, (clock.now - started) / FrameClock::kTickMilliseconds);
                if (between(0, 3) == 0) {
                    countTo(ticksShown);
                    sleeping->curStage = everyPeriod->curStage = between(0, 3);
                }
                timer.wake();
                QVERIFY(timer.nextBeatIn() && *timer.nextBeatIn() <= FrameClock::kTickMilliseconds);
                inputAt = clock.now + between(30, 700);
            }
            planBeat();
        }
        countTo(ticksShown);
        for (const std::int64_t tick : changesCounted)
            QVERIFY2(framesShown.count(tick), qPrintable(QString("no frame at tick %1").arg(tick)));
    }

    void aBeatSleepsUntilThePeriodOfTheNextChange()
    {
        ManualClock clock;
        std::vector<int> refreshes;
        FrameTimer timer(
            FrameClock(clock.function()), [&](int ticks) { refreshes.push_back(ticks); }, [] { return true; },
            [] { return std::optional<int>(9); });
        timer.start();
        clock.now += *timer.nextBeatIn() + 5;  // a beat 5 ms late
        timer.beat();
        // Nine periods from the boundary, not from the late beat.
        QCOMPARE(timer.nextBeatIn(), std::optional<std::int64_t>(9 * FrameClock::kTickMilliseconds - 5));
        clock.now += *timer.nextBeatIn();
        timer.beat();
        QCOMPARE(refreshes, (std::vector<int>{1, 9}));
    }

    void aStageThatAnimatesNothingSleepsUntilWoken()
    {
        ManualClock clock;
        std::vector<int> refreshes;
        FrameTimer timer(
            FrameClock(clock.function()), [&](int ticks) { refreshes.push_back(ticks); }, [] { return true; },
            [] { return std::optional<int>(); });
        timer.start();
        clock.now += *timer.nextBeatIn();
        timer.beat();
        QCOMPARE(refreshes, (std::vector<int>{1}));
        QVERIFY(!timer.nextBeatIn());

        clock.now += 5000;
        timer.wake();
        QCOMPARE(timer.nextBeatIn(), std::optional<std::int64_t>(0));  // the period is long over
        timer.beat();
        QVERIFY(!timer.nextBeatIn());
    }

    void theTimerBeatsOnItsOwn()
    {
        std::vector<int> refreshes;
        FrameTimer timer(
            FrameClock(), [&](int ticks) { refreshes.push_back(ticks); }, [] { return true; });
        timer.start();
        QTRY_VERIFY_WITH_TIMEOUT(refreshes.size() >= 3, 2000);
        timer.stop();
        for (int ticks : refreshes)
            QVERIFY(ticks >= 1);
    }
};

QTEST_GUILESS_MAIN(FrameClockTest)
#include "frame_clock_test.moc"
