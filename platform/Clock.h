#pragma once

#include <cstdint>
#include <functional>
#include <memory>

// Time as the program sees it: a 32-bit millisecond tick count and periodic timers. Production
// runs on the system's monotonic clock and Qt timers; tests install a virtual clock that jumps
// to the next due timer whenever the event loop would wait.

class ClockTimer
{
public:
    virtual ~ClockTimer() = default;
    // (Re)starts counting: the handler runs every intervalMs from now on until stop().
    virtual void start(std::uint32_t intervalMs) = 0;
    virtual void stop() = 0;
};

class Clock
{
public:
    virtual ~Clock() = default;
    virtual std::uint32_t tickCount() const = 0;
    virtual std::unique_ptr<ClockTimer> createTimer(std::function<void()> onFire) = 0;

    // The clock in use; the real one unless a test installed another.
    static Clock& current();
    // Installs clock as current (nullptr restores the real clock); the caller keeps ownership.
    static void install(Clock* clock);
};

class RealClock final : public Clock
{
public:
    std::uint32_t tickCount() const override;
    std::unique_ptr<ClockTimer> createTimer(std::function<void()> onFire) override;
};

// Milliseconds since an arbitrary start; wraps after 49.7 days like its namesake.
std::uint32_t GetTickCount();

// A timer with an interval, an enabled switch and a handler. Enabling (or changing the interval
// while enabled) starts counting anew; an interval of 0 never fires. Timers are created on the
// clock current at construction.
class TTimer
{
public:
    explicit TTimer(std::uint32_t intervalMs = 1000, bool enabled = false);
    ~TTimer();
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;

    std::uint32_t Interval() const { return interval_; }
    void SetInterval(std::uint32_t ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    std::function<void()> OnTimer;

private:
    void restart();
    void fire();

    std::uint32_t interval_;
    bool enabled_ = false;
    std::unique_ptr<ClockTimer> impl_;
};

// Waits ms milliseconds while dispatching every message that arrives; always returns true.
bool WaitWithMessages(std::uint32_t ms);
