#include "platform/Clock.h"
#include "platform/testing/VirtualClock.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <functional>
#include <gtest/gtest.h>

namespace {

TEST(VirtualClock, TimerFiresEveryIntervalWhileEnabled)
{
    VirtualClock clock;
    TTimer timer(200);
    int fired = 0;
    timer.OnTimer = [&] { ++fired; };
    clock.advance(1000);
    EXPECT_EQ(fired, 0); // not enabled yet
    timer.SetEnabled(true);
    clock.advance(999);
    EXPECT_EQ(fired, 4);
    clock.advance(1);
    EXPECT_EQ(fired, 5);
    timer.SetEnabled(false);
    clock.advance(1000);
    EXPECT_EQ(fired, 5);
}

TEST(VirtualClock, EnablingOrChangingTheIntervalRestartsCounting)
{
    VirtualClock clock;
    TTimer timer(1000, true);
    int fired = 0;
    timer.OnTimer = [&] { ++fired; };
    clock.advance(600);
    timer.SetInterval(500); // counts anew from now
    clock.advance(499);
    EXPECT_EQ(fired, 0);
    clock.advance(1);
    EXPECT_EQ(fired, 1);
    timer.SetInterval(0); // never fires
    clock.advance(10000);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(clock.armedTimers(), 0);
}

TEST(VirtualClock, TickCountWrapsLikeA32BitCounter)
{
    VirtualClock clock(0xFFFFFF00u);
    const std::uint32_t start = GetTickCount();
    clock.advance(0x200);
    EXPECT_EQ(GetTickCount(), 0x100u);
    EXPECT_EQ(GetTickCount() - start, 0x200u);
}

TEST(VirtualClock, AHandlerMayDeleteItsOwnTimer)
{
    VirtualClock clock;
    auto* timer = new TTimer(100, true);
    timer->OnTimer = [&timer] {
        delete timer;
        timer = nullptr;
    };
    clock.advance(500);
    EXPECT_EQ(timer, nullptr);
}

TEST(VirtualClock, EventLoopJumpsToTheNextDueTimer)
{
    VirtualClock clock;
    const std::uint32_t start = GetTickCount();
    QEventLoop loop;
    TTimer timer(35000, true);
    timer.OnTimer = [&] { loop.quit(); };
    loop.exec();
    EXPECT_EQ(GetTickCount() - start, 35000u);
}

// A modal dialog opened from a timer, ticking every 200 ms until 1500 ticks have passed, as a
// progress dialog with a 300-second limit does; inside it a pause runs its own nested loop.
TEST(VirtualClock, ThreeHundredSecondsInsideANestedModalLoop)
{
    VirtualClock clock;
    const std::uint32_t start = GetTickCount();
    QElapsedTimer realTime;
    realTime.start();

    int ticks = 0;
    int dialogResult = -1;
    std::uint32_t pauseTook = 0;
    TTimer opener(10, true);
    opener.OnTimer = [&] {
        opener.SetEnabled(false);
        QDialog dialog;
        TTimer tick(200, true);
        tick.OnTimer = [&] {
            if (++ticks == 5) {
                const std::uint32_t before = GetTickCount();
                WaitWithMessages(2500); // the tick keeps running inside the pause
                pauseTook = GetTickCount() - before;
            }
            if (ticks >= 1500)
                dialog.done(2);
        };
        dialogResult = dialog.exec();
    };
    QEventLoop loop;
    TTimer quit(400000, true);
    quit.OnTimer = [&] { loop.quit(); };
    loop.exec();

    EXPECT_EQ(dialogResult, 2);
    EXPECT_EQ(ticks, 1500);
    EXPECT_EQ(pauseTook, 2500u);
    EXPECT_EQ(GetTickCount() - start, 400000u);
    RecordProperty("real_ms", static_cast<int>(realTime.elapsed()));
}

// A reply that takes several hops through the queue (sent, received, answered, delivered) must
// arrive before a time-out that is due later, however the dispatcher announces blocking.
TEST(VirtualClock, TimeStandsStillWhileQueuedWorkRemains)
{
    VirtualClock clock;
    const std::uint32_t start = GetTickCount();
    std::uint32_t chainEndedAt = 0;
    std::function<void(int)> hop = [&](int left) {
        if (left == 0) {
            chainEndedAt = GetTickCount();
            return;
        }
        QMetaObject::invokeMethod(
            &clock, [&hop, left] { hop(left - 1); }, Qt::QueuedConnection);
    };
    TTimer timeout(1, true);
    timeout.OnTimer = [&] { timeout.SetEnabled(false); };
    hop(50);
    WaitWithMessages(10);
    EXPECT_EQ(chainEndedAt, start);
}

// Something that posts for ever (an animation) must not hold time still for ever.
TEST(VirtualClock, TimeMovesOnDespiteEndlessPosting)
{
    VirtualClock clock;
    bool stop = false;
    std::function<void()> repost = [&] {
        if (!stop)
            QMetaObject::invokeMethod(&clock, repost, Qt::QueuedConnection);
    };
    repost();
    const std::uint32_t start = GetTickCount();
    WaitWithMessages(1000);
    stop = true;
    EXPECT_EQ(GetTickCount() - start, 1000u);
    QCoreApplication::processEvents();
}

TEST(VirtualClockDeathTest, ALoopWithNothingArmedIsStopped)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            VirtualClock clock;
            clock.setIdleGuard(50, [] {
                std::fprintf(stderr, "would wait forever\n");
                std::abort();
            });
            QEventLoop loop;
            loop.exec();
        },
        "would wait forever");
}

} // namespace
