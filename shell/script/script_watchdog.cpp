#include "shell/script/script_watchdog.h"

ScriptWatchdog::ScriptWatchdog(std::chrono::milliseconds limit, std::function<void()> expired)
{
    thread_ = std::thread([this, limit, expired = std::move(expired)] {
        std::unique_lock lock(mutex_);
        if (wake_.wait_for(lock, limit, [this] { return done_; }))
            return;
        fired_ = true;
        expired();
    });
}

ScriptWatchdog::~ScriptWatchdog()
{
    {
        std::lock_guard lock(mutex_);
        done_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

bool ScriptWatchdog::fired() const
{
    std::lock_guard lock(mutex_);
    return fired_;
}
