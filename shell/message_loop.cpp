#include "shell/message_loop.h"

#include <QApplication>
#include <QTimer>

#include "shell/app_state.h"
#include "shell/error_report.h"

FrameTimer::FrameTimer(FrameClock clock, Refresh refresh, IsActive isActive)
    : clock_(std::move(clock))
    , refresh_(std::move(refresh))
    , isActive_(std::move(isActive))
    , timer_(std::make_unique<QTimer>())
{
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(FrameClock::kTickMilliseconds);
    QObject::connect(timer_.get(), &QTimer::timeout, [this] { beat(); });
}

FrameTimer::~FrameTimer() = default;

void FrameTimer::start()
{
    clock_.restart();
    timer_->start();
}

void FrameTimer::stop()
{
    timer_->stop();
}

void FrameTimer::beat()
{
    if (!isActive_()) {
        clock_.restart();
        return;
    }
    if (const int ticks = clock_.takeTicks(); ticks > 0)
        refresh_(ticks);
}

int runMessageLoop()
{
    FrameTimer frames(
        FrameClock(),
        [](int ticks) {
            try {
                theEditor.refresh(ticks);
            } catch (...) {
                deferFatalError(std::current_exception());
            }
        },
        [] { return appActive; });
    // A quit posted before the loop starts ends it at once, as a quit message waiting
    // in the queue would; the quit that ends the loop is taken with it.
    // Only the program's own quit ends the loop, not the toolkit's idea of when the
    // last window went.
    QApplication::setQuitOnLastWindowClosed(false);
    if (!takeQuitMessage(nullptr)) {
        frames.start();
        QApplication::exec();
        frames.stop();
        takeQuitMessage(nullptr);
    }
    raiseDeferredError();
    return 0;
}
