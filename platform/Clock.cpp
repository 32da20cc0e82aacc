#include "Clock.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTimer>
#include <ctime>

namespace {

Clock* installedClock = nullptr;

class QtClockTimer final : public ClockTimer
{
public:
    explicit QtClockTimer(std::function<void()> onFire)
    {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, std::move(onFire));
    }
    void start(std::uint32_t intervalMs) override { timer_.start(static_cast<int>(intervalMs)); }
    void stop() override { timer_.stop(); }

private:
    QTimer timer_;
};

} // namespace

Clock& Clock::current()
{
    static RealClock realClock;
    return installedClock != nullptr ? *installedClock : realClock;
}

void Clock::install(Clock* clock)
{
    installedClock = clock;
}

std::uint32_t RealClock::tickCount() const
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    const auto ms = static_cast<std::uint64_t>(ts.tv_sec) * 1000u +
                    static_cast<std::uint64_t>(ts.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms);
}

std::unique_ptr<ClockTimer> RealClock::createTimer(std::function<void()> onFire)
{
    return std::make_unique<QtClockTimer>(std::move(onFire));
}

std::uint32_t GetTickCount()
{
    return Clock::current().tickCount();
}

TTimer::TTimer(std::uint32_t intervalMs, bool enabled)
    : interval_(intervalMs), impl_(Clock::current().createTimer([this] { fire(); }))
{
    SetEnabled(enabled);
}

TTimer::~TTimer() = default;

void TTimer::SetInterval(std::uint32_t ms)
{
    if (ms == interval_)
        return;
    interval_ = ms;
    restart();
}

void TTimer::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    restart();
}

void TTimer::restart()
{
    impl_->stop();
    if (enabled_ && interval_ > 0)
        impl_->start(interval_);
}

void TTimer::fire()
{
    if (!enabled_ || !OnTimer)
        return;
    const auto handler = OnTimer; // the handler may delete this timer
    handler();
}

bool WaitWithMessages(std::uint32_t ms)
{
    const std::uint32_t start = GetTickCount();
    // Wakes the loop at the deadline, so that it never sleeps past it.
    TTimer wakeUp;
    wakeUp.OnTimer = [] {};
    for (;;) {
        const std::uint32_t elapsed = GetTickCount() - start;
        if (elapsed >= ms)
            return true;
        wakeUp.SetInterval(ms - elapsed);
        wakeUp.SetEnabled(true);
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}
