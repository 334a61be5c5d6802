#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// Calls `expired` on a thread of its own once `limit` has passed, unless it is
// destroyed first: a script in a loop never returns to the event loop, so its time is
// kept apart from it.
class ScriptWatchdog {
public:
    ScriptWatchdog(std::chrono::milliseconds limit, std::function<void()> expired);
    ~ScriptWatchdog();
    ScriptWatchdog(const ScriptWatchdog&) = delete;
    ScriptWatchdog& operator=(const ScriptWatchdog&) = delete;

    bool fired() const;

private:
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    bool fired_ = false;
    std::thread thread_;
};
