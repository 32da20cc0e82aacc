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

bool RunUntil(const std::function<bool()>& done, std::uint32_t limitMs)
{
    bool expired = false;
    TTimer deadline(limitMs, false);
    deadline.OnTimer = [&] { expired = true; };
    deadline.SetEnabled(true);
    while (!expired && !done())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return done();
}

void RunFor(std::uint32_t ms)
{
    RunUntil([] { return false; }, ms);
}
