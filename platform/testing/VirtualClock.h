#pragma once

#include "platform/Clock.h"

#include <QMetaObject>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <vector>

// A clock for tests: time stands still while the event loop has work and jumps to the next due
// timer whenever the loop would wait, also inside nested modal loops. A loop that would wait with
// no timer armed would wait forever: after idleGuardMs of real time the guard handler runs
// (by default it aborts the test with a message).
class VirtualClock final : public QObject, public Clock
{
public:
    explicit VirtualClock(std::uint32_t startTick = 1000000);
    ~VirtualClock() override;

    std::uint32_t tickCount() const override { return now_; }
    std::unique_ptr<ClockTimer> createTimer(std::function<void()> onFire) override;

    // Moves time forward by ms at once, firing every timer that falls due on the way.
    void advance(std::uint32_t ms);
    // Number of timers that are counting now.
    int armedTimers() const;

    void setIdleGuard(std::uint32_t realMs, std::function<void()> onStuck);

    class Timer;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    friend class Timer;
    void onAboutToBlock();
    void postJump();
    Timer* nextDue() const;
    void fireDue();

    std::uint32_t now_;
    std::uint64_t elapsed_ = 0; // virtual ms since construction, never wraps
    std::vector<Timer*> timers_;
    bool jumpPosted_ = false;
    std::uint64_t activity_ = 0;       // events delivered, the clock's own excepted
    std::uint64_t activityAtPost_ = 0; // activity_ when the pending jump was posted
    int deferredJumps_ = 0;
    static constexpr int kMaxDeferredJumps = 10000;
    QMetaObject::Connection blockConnection_;
    std::uint32_t idleGuardMs_ = 10000;
    std::function<void()> onStuck_;
    QTimer idleGuard_; // real time: a loop that waits with nothing armed
};
