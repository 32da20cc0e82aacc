#pragma once

#include <QEvent>
#include <QObject>
#include <cstdint>

// Window messages between the program's windows, pages and the protocol engine. They travel as
// Qt events, so a posted message is queued on the event loop and a sent one is delivered at once.

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

enum : unsigned {
    UM_ASYNC_SELECT = 0x8001,
    UM_WIZARD = 0x8064,
    UM_SOCKET = 0x8065,
    UM_UDP_RESULT = 0x8066,
    UM_UDP_TIMEOUT = 0x8067,
    UM_UDP_EVENT = 0x8068,
};

class WindowMessageEvent : public QEvent
{
public:
    static QEvent::Type eventType();

    WindowMessageEvent(unsigned msg, WPARAM wParam, LPARAM lParam)
        : QEvent(eventType()), msg(msg), wParam(wParam), lParam(lParam)
    {}

    const unsigned msg;
    const WPARAM wParam;
    const LPARAM lParam;
    LRESULT result = 0;
};

// The message carried by e, or nullptr when e is some other event.
WindowMessageEvent* AsWindowMessage(QEvent* e);

// Queues the message for target; false when there is no target.
bool PostMessage(QObject* target, unsigned msg, WPARAM wParam = 0, LPARAM lParam = 0);
// Delivers the message to target at once and returns the receiver's result (0 without target).
LRESULT SendMessage(QObject* target, unsigned msg, WPARAM wParam = 0, LPARAM lParam = 0);

// The application's main window: pages and the engine post their messages to it.
QObject* MainWindow();
void SetMainWindow(QObject* window);
