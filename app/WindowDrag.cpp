#include "WindowDrag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

WindowDrag::WindowDrag(QWidget* handle) : QObject(handle), handle_(handle)
{
    handle_->installEventFilter(this);
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != handle_)
        return false;
    QWidget* window = handle_->window();
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            grabOffset_ = mouse->globalPosition().toPoint() - window->pos();
            systemMove_ = false;
        }
        return false;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!(mouse->buttons() & Qt::LeftButton))
            return false;
        if (!systemMove_ && window->windowHandle() != nullptr)
            systemMove_ = window->windowHandle()->startSystemMove();
        if (!systemMove_)
            window->move(mouse->globalPosition().toPoint() - grabOffset_);
        return true;
    }
    default:
        return false;
    }
}
