#pragma once

#include "platform/Messages.h"

#include <QObject>
#include <cstdint>
#include <functional>
#include <vector>

// Stands in for the application's main window: records every window message it receives.
class NotificationRecorder final : public QObject
{
public:
    struct Message
    {
        unsigned msg;
        WPARAM wParam;
        LPARAM lParam;
        std::uint32_t tick; // GetTickCount() at arrival

        bool operator==(const Message& other) const
        {
            return msg == other.msg && wParam == other.wParam && lParam == other.lParam;
        }
    };

    // Becomes MainWindow() for its lifetime.
    NotificationRecorder();
    ~NotificationRecorder() override;

    std::vector<Message> messages;

protected:
    bool event(QEvent* e) override;
};

// Runs the event loop for ms of (virtual) time: every queued delivery is handled first.
// RunFor(0) handles what is queued without letting time pass.
void RunFor(std::uint32_t ms);
// Runs the event loop until done() holds or limitMs of time passed; returns done().
bool RunUntil(const std::function<bool()>& done, std::uint32_t limitMs);
