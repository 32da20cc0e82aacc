#include "Messages.h"

#include <QCoreApplication>

QEvent::Type WindowMessageEvent::eventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

WindowMessageEvent* AsWindowMessage(QEvent* e)
{
    if (e == nullptr || e->type() != WindowMessageEvent::eventType())
        return nullptr;
    return static_cast<WindowMessageEvent*>(e);
}

bool PostMessage(QObject* target, unsigned msg, WPARAM wParam, LPARAM lParam)
{
    if (target == nullptr)
        return false;
    QCoreApplication::postEvent(target, new WindowMessageEvent(msg, wParam, lParam));
    return true;
}

LRESULT SendMessage(QObject* target, unsigned msg, WPARAM wParam, LPARAM lParam)
{
    if (target == nullptr)
        return 0;
    WindowMessageEvent event(msg, wParam, lParam);
    QCoreApplication::sendEvent(target, &event);
    return event.result;
}

namespace {
QObject* mainWindow = nullptr;
}

QObject* MainWindow()
{
    return mainWindow;
}

void SetMainWindow(QObject* window)
{
    mainWindow = window;
}
