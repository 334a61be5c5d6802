#include "shell/main_window/frame_clock.h"

#include <algorithm>
#include <chrono>
#include <limits>

std::int64_t FrameClock::steadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

FrameClock::FrameClock(Clock now) : now_(std::move(now)), last_(now_())
{}

void FrameClock::restart()
{
    last_ = now_();
}

int FrameClock::takeTicks()
{
    const std::int64_t periods = (now_() - last_) / kTickMilliseconds;
    if (periods <= 0)
        return 0;
    // A stall longer than an int of periods (over a year) keeps the rest for later.
    const int ticks = int(std::min<std::int64_t>(periods, std::numeric_limits<int>::max()));
    last_ += std::int64_t(ticks) * kTickMilliseconds;
    return ticks;
}

std::int64_t FrameClock::carried() const
{
    return now_() - last_;
}
