#include "VirtualClock.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {
const QEvent::Type kJumpEvent = static_cast<QEvent::Type>(QEvent::registerEventType());
}

class VirtualClock::Timer final : public ClockTimer
{
public:
    Timer(VirtualClock& clock, std::function<void()> onFire)
        : clock_(clock), onFire_(std::move(onFire))
    {
        clock_.timers_.push_back(this);
    }
    ~Timer() override { std::erase(clock_.timers_, this); }

    void start(std::uint32_t intervalMs) override
    {
        interval_ = intervalMs;
        due_ = clock_.elapsed_ + intervalMs;
        armed_ = intervalMs > 0;
        if (armed_)
            clock_.idleGuard_.stop();
    }
    void stop() override { armed_ = false; }

    VirtualClock& clock_;
    std::function<void()> onFire_;
    std::uint32_t interval_ = 0;
    std::uint64_t due_ = 0;
    bool armed_ = false;
};

VirtualClock::VirtualClock(std::uint32_t startTick) : now_(startTick)
{
    onStuck_ = [] {
        std::fprintf(stderr, "VirtualClock: the event loop waits with no timer armed; "
                             "the test would wait forever\n");
        std::abort();
    };
    idleGuard_.setSingleShot(true);
    QObject::connect(&idleGuard_, &QTimer::timeout, [this] {
        if (armedTimers() == 0 && onStuck_)
            onStuck_();
    });
    auto* dispatcher = QAbstractEventDispatcher::instance(QCoreApplication::instance()->thread());
    blockConnection_ = QObject::connect(
        dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] { onAboutToBlock(); },
        Qt::DirectConnection);
    QCoreApplication::instance()->installEventFilter(this);
    Clock::install(this);
}

VirtualClock::~VirtualClock()
{
    QObject::disconnect(blockConnection_);
    QCoreApplication::instance()->removeEventFilter(this);
    if (&Clock::current() == this)
        Clock::install(nullptr);
}

std::unique_ptr<ClockTimer> VirtualClock::createTimer(std::function<void()> onFire)
{
    return std::make_unique<Timer>(*this, std::move(onFire));
}

int VirtualClock::armedTimers() const
{
    return static_cast<int>(
        std::count_if(timers_.begin(), timers_.end(), [](const Timer* t) { return t->armed_; }));
}

void VirtualClock::setIdleGuard(std::uint32_t realMs, std::function<void()> onStuck)
{
    idleGuardMs_ = realMs;
    onStuck_ = std::move(onStuck);
}

VirtualClock::Timer* VirtualClock::nextDue() const
{
    Timer* next = nullptr;
    for (Timer* t : timers_) {
        if (t->armed_ && (next == nullptr || t->due_ < next->due_))
            next = t;
    }
    return next;
}

void VirtualClock::onAboutToBlock()
{
    if (jumpPosted_)
        return;
    if (nextDue() == nullptr) {
        if (!idleGuard_.isActive())
            idleGuard_.start(static_cast<int>(idleGuardMs_));
        return;
    }
    idleGuard_.stop();
    // Posting wakes the dispatcher, so the loop handles the jump instead of sleeping.
    jumpPosted_ = true;
    postJump();
}

void VirtualClock::postJump()
{
    activityAtPost_ = activity_;
    QCoreApplication::postEvent(this, new QEvent(kJumpEvent), std::numeric_limits<int>::min());
}

bool VirtualClock::eventFilter(QObject*, QEvent* e)
{
    if (e->type() != kJumpEvent)
        ++activity_;
    return false;
}

bool VirtualClock::event(QEvent* e)
{
    if (e->type() != kJumpEvent)
        return QObject::event(e);
    // Some dispatchers announce blocking while posted events still wait. Time moves on only
    // once a whole round of the queue went by without any other event: until then the jump
    // goes to the back of the queue again.
    // A widget that never stops posting (an animation) must not hold time still for ever.
    if (activity_ != activityAtPost_ && ++deferredJumps_ < kMaxDeferredJumps) {
        postJump();
        return true;
    }
    deferredJumps_ = 0;
    jumpPosted_ = false;
    if (Timer* next = nextDue()) {
        if (next->due_ > elapsed_) {
            now_ += static_cast<std::uint32_t>(next->due_ - elapsed_);
            elapsed_ = next->due_;
        }
        fireDue();
    }
    return true;
}

void VirtualClock::fireDue()
{
    // One timer at a time: a handler may stop, start or delete any timer, or run a nested loop.
    for (;;) {
        Timer* next = nextDue();
        if (next == nullptr || next->due_ > elapsed_)
            return;
        next->due_ += std::max<std::uint32_t>(next->interval_, 1);
        const auto onFire = next->onFire_; // the handler may delete its own timer
        onFire();
    }
}

void VirtualClock::advance(std::uint32_t ms)
{
    const std::uint64_t target = elapsed_ + ms;
    for (;;) {
        Timer* next = nextDue();
        if (next == nullptr || next->due_ > target)
            break;
        now_ += static_cast<std::uint32_t>(next->due_ - elapsed_);
        elapsed_ = next->due_;
        fireDue();
    }
    if (elapsed_ < target) {
        now_ += static_cast<std::uint32_t>(target - elapsed_);
        elapsed_ = target;
    }
}
