#pragma once

// The message loop and the frame timer that runs beside it.

#include <functional>
#include <memory>

#include "shell/frame_clock.h"

class QTimer;

// Beats every 16 ms while the loop runs and, while the main window is active, calls
// refresh with the whole 16 ms periods that passed since the last frame. While the
// window is inactive the time is dropped, so the animation stands still and resumes
// where it stopped.
class FrameTimer {
public:
    using Refresh = std::function<void(int ticks)>;
    using IsActive = std::function<bool()>;

    FrameTimer(FrameClock clock, Refresh refresh, IsActive isActive);
    ~FrameTimer();

    void start();
    void stop();

    // One beat of the timer.
    void beat();

    const FrameClock& clock() const { return clock_; }

private:
    FrameClock clock_;
    Refresh refresh_;
    IsActive isActive_;
    std::unique_ptr<QTimer> timer_;
};

// Dispatches the window messages until PostQuitMessage, refreshing the editor on the
// frame clock meanwhile. An error raised in a window procedure ends the loop and is
// raised again from here. Returns 0.
int runMessageLoop();
