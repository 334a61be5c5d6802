// The frame clock's arithmetic on an injected clock, and the frame timer that calls
// the refresh: whole 16 ms periods, the remainder carried, nothing while inactive.

#include <limits>
#include <vector>

#include <QtTest>

#include "shell/frame_clock.h"
#include "shell/message_loop.h"

namespace {

struct ManualClock {
    std::int64_t now = 1'000'000;
    FrameClock::Clock function()
    {
        return [this] { return now; };
    }
};

} // namespace

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
        FrameTimer timer(FrameClock(clock.function()), [&](int ticks) { refreshes.push_back(ticks); },
                         [] { return true; });

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
        FrameTimer timer(FrameClock(clock.function()), [&](int ticks) { refreshes.push_back(ticks); },
                         [&] { return active; });

        for (int i = 0; i < 30; ++i) {
            clock.now += 16;
            timer.beat();
        }
        QVERIFY(refreshes.empty());

        // Back to active: the animation goes on from where it stood instead of
        // jumping by the half second spent inactive.
        active = true;
        clock.now += 16;
        timer.beat();
        QCOMPARE(refreshes, (std::vector<int>{1}));
    }

    void theTimerBeatsOnItsOwn()
    {
        std::vector<int> refreshes;
        FrameTimer timer(FrameClock(), [&](int ticks) { refreshes.push_back(ticks); }, [] { return true; });
        timer.start();
        QTRY_VERIFY_WITH_TIMEOUT(refreshes.size() >= 3, 2000);
        timer.stop();
        for (int ticks : refreshes)
            QVERIFY(ticks >= 1);
    }
};

QTEST_GUILESS_MAIN(FrameClockTest)
#include "frame_clock_test.moc"
