#pragma once

// The message loop and the frame timer that runs beside it.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "shell/main_window/frame_clock.h"

class QTimer;

// Calls refresh with the whole 16 ms periods that passed since the last frame, but
// only when a frame can show something new: it sleeps until the period at which the
// palette animation next changes (ticksUntilChange), and for good while nothing
// animates, until something wakes it. A frame it shows has the animation exactly where
// a refresh of one tick every 16 ms would have it. While the main window is inactive
// no timer runs and the time is dropped, so the animation stands still and resumes
// where it stopped.
class FrameTimer {
public:
    using Refresh = std::function<void(int ticks)>;
    using IsActive = std::function<bool()>;
    // Ticks until time alone can change the picture; none while nothing animates.
    using TicksUntilChange = std::function<std::optional<int>()>;

    // Without ticksUntilChange the timer beats every period.
    FrameTimer(
        FrameClock clock, Refresh refresh, IsActive isActive,
        TicksUntilChange ticksUntilChange = [] { return std::optional<int>(1); });
    ~FrameTimer();

    // The first frame comes one period after start.
    void start();
    void stop();

    // One beat of the timer: shows the periods that passed and sleeps until the next
    // frame that can differ.
    void beat();

    // Before anything that may change what the animation steps (the stage, its
    // palette, the animations): the periods that passed are shown now, so that they
    // count for the stage they passed on.
    void catchUp();

    // After input or anything else that may change the picture: a frame at the next
    // period boundary, at most 16 ms from now. Stops the timer while the main window
    // is inactive, and starts counting afresh once it is active again.
    void wake();

    // Milliseconds on the clock until the next beat; none while no beat is due.
    std::optional<std::int64_t> nextBeatIn() const;

    const FrameClock& clock() const { return clock_; }

private:
    void beatIn(std::int64_t milliseconds);
    void rest();

    FrameClock clock_;
    Refresh refresh_;
    IsActive isActive_;
    TicksUntilChange ticksUntilChange_;
    std::unique_ptr<QTimer> timer_;
    bool running_ = false;             // between start and stop
    bool resting_ = false;             // stopped while the main window was inactive
    std::optional<std::int64_t> due_;  // clock time of the next beat
};

// Dispatches the window messages until PostQuitMessage, refreshing the editor on the
// frame clock meanwhile. An error raised in a window procedure ends the loop and is
// raised again from here. Returns 0.
int runMessageLoop();

// The running loop's FrameTimer::catchUp and FrameTimer::wake; nothing while no loop
// runs.
void catchUpFrames();
void requestFrame();
