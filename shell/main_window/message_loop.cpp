#include "shell/main_window/message_loop.h"

#include <algorithm>

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "render/animation_wait.h"
#include "shell/session/app_state.h"
#include "shell/session/error_report.h"

namespace {

constexpr std::int64_t kTick = FrameClock::kTickMilliseconds;

FrameTimer* runningFrames = nullptr;

// The window shown, resized or uncovered: the next frame follows within a period,
// whatever the animation does.
class WakeOnExposure : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Resize:
        case QEvent::Expose:
        case QEvent::WindowStateChange: requestFrame(); break;
        default: break;
        }
        return false;
    }
};

void watchExposure(WakeOnExposure& waker)
{
    if (mainWindow && mainWindow->handle()) {
        QWidget* window = mainWindow->handle();
        window->installEventFilter(&waker);
        if (window->windowHandle())
            window->windowHandle()->installEventFilter(&waker);
    }
    if (editArea && editArea->handle())
        editArea->handle()->installEventFilter(&waker);
}

}  // namespace

FrameTimer::FrameTimer(FrameClock clock, Refresh refresh, IsActive isActive, TicksUntilChange ticksUntilChange)
    : clock_(std::move(clock))
    , refresh_(std::move(refresh))
    , isActive_(std::move(isActive))
    , ticksUntilChange_(std::move(ticksUntilChange))
    , timer_(std::make_unique<QTimer>())
{
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setSingleShot(true);
    QObject::connect(timer_.get(), &QTimer::timeout, [this] { beat(); });
}

FrameTimer::~FrameTimer() = default;

void FrameTimer::start()
{
    clock_.restart();
    resting_ = false;
    beatIn(kTick);
}

void FrameTimer::stop()
{
    timer_->stop();
    due_.reset();
}

void FrameTimer::beat()
{
    due_.reset();
    if (!isActive_()) {
        rest();
        return;
    }
    resting_ = false;
    if (const int ticks = clock_.takeTicks(); ticks > 0)
        refresh_(ticks);
    // Frames in between would show the same picture: the next beat is the period at
    // which the animation can change, counted from the last boundary so that the
    // carried milliseconds keep their place. A beat that came early finds fewer ticks
    // and simply waits for the rest.
    if (const std::optional<int> wait = ticksUntilChange_())
        beatIn(std::max<std::int64_t>(1, *wait) * kTick - clock_.carried());
}

void FrameTimer::catchUp()
{
    if (resting_ || !isActive_())
        return;
    if (const int ticks = clock_.takeTicks(); ticks > 0)
        refresh_(ticks);
}

void FrameTimer::wake()
{
    if (!isActive_()) {
        rest();
        return;
    }
    if (resting_) {
        clock_.restart();
        resting_ = false;
    }
    const std::int64_t toBoundary = std::max<std::int64_t>(0, kTick - clock_.carried());
    if (due_ && *due_ - clock_.now() <= toBoundary)
        return;
    beatIn(toBoundary);
}

std::optional<std::int64_t> FrameTimer::nextBeatIn() const
{
    if (!due_)
        return std::nullopt;
    return *due_ - clock_.now();
}

void FrameTimer::beatIn(std::int64_t milliseconds)
{
    milliseconds = std::max<std::int64_t>(0, milliseconds);
    due_ = clock_.now() + milliseconds;
    timer_->start(int(milliseconds));
}

// Inactive: no timer, and the time until the next activation does not count.
void FrameTimer::rest()
{
    timer_->stop();
    due_.reset();
    clock_.restart();
    resting_ = true;
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
        [] { return appActive && !tablesLentToScript; }, [] { return ticksUntilAnimationChange(theEditor); });
    WakeOnExposure waker;
    // A quit posted before the loop starts ends it at once, as a quit message waiting
    // in the queue would; the quit that ends the loop is taken with it.
    // Only the program's own quit ends the loop, not the toolkit's idea of when the
    // last window went.
    QApplication::setQuitOnLastWindowClosed(false);
    if (!takeQuitMessage(nullptr)) {
        runningFrames = &frames;
        watchExposure(waker);
        frames.start();
        QApplication::exec();
        frames.stop();
        runningFrames = nullptr;
        takeQuitMessage(nullptr);
    }
    raiseDeferredError();
    return 0;
}

void catchUpFrames()
{
    if (runningFrames)
        runningFrames->catchUp();
}

void requestFrame()
{
    if (runningFrames)
        runningFrames->wake();
}
