#include "Notifications.h"

#include "platform/Clock.h"

#include <QCoreApplication>

NotificationRecorder::NotificationRecorder()
{
    SetMainWindow(this);
}

NotificationRecorder::~NotificationRecorder()
{
    if (MainWindow() == this)
        SetMainWindow(nullptr);
}

bool NotificationRecorder::event(QEvent* e)
{
    if (WindowMessageEvent* message = AsWindowMessage(e)) {
        messages.push_back({message->msg, message->wParam, message->lParam, GetTickCount()});
        return true;
    }
    return QObject::event(e);
}

namespace {

// Handles what is queued now and what that queues in turn, without letting time pass.
void drainQueuedEvents()
{
    for (int pass = 0; pass < 50; ++pass)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace

bool RunUntil(const std::function<bool()>& done, std::uint32_t limitMs)
{
    if (limitMs == 0) {
        drainQueuedEvents();
        return done();
    }
    bool expired = false;
    TTimer deadline(limitMs, false);
    deadline.OnTimer = [&] { expired = true; };
    deadline.SetEnabled(true);
    for (;;) {
        // The glib dispatcher announces a wait even while events are queued, and the virtual
        // clock would jump then: what is queued is handled first.
        drainQueuedEvents();
        if (expired || done())
            break;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    // What fell due together with the deadline has queued its messages.
    drainQueuedEvents();
    return done();
}

void RunFor(std::uint32_t ms)
{
    RunUntil([] { return false; }, ms);
}
