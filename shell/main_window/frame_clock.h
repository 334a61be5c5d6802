#pragma once

#include <cstdint>
#include <functional>

// The editor's frame clock: counts whole 16 ms periods on a monotonic clock and
// carries the remainder into the next frame, so the animation keeps its speed however
// irregularly it is asked. A clock set back cannot freeze it because the clock never
// goes back.
class FrameClock {
public:
    static constexpr int kTickMilliseconds = 16;

    // Milliseconds of a clock that never goes back.
    using Clock = std::function<std::int64_t()>;
    static std::int64_t steadyMilliseconds();

    explicit FrameClock(Clock now = steadyMilliseconds);

    // Starts counting from now: the time before is dropped.
    void restart();

    // The whole periods since the last frame boundary, which moves on by as many
    // periods; 0 while less than one period has passed.
    int takeTicks();

    // Milliseconds since the last frame boundary.
    std::int64_t carried() const;

    // The clock's reading now.
    std::int64_t now() const { return now_(); }

private:
    Clock now_;
    std::int64_t last_;
};
