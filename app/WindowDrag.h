#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

// Lets the user move a borderless window by dragging one of its widgets (its background
// picture): with the left button held, the window follows the mouse. The system's window move
// is used where there is a window manager to do it; otherwise the window is moved here.
class WindowDrag : public QObject
{
public:
    // Watches handle; the window moved is handle's top-level window.
    explicit WindowDrag(QWidget* handle);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* handle_;
    QPoint grabOffset_;
    bool systemMove_ = false;
};
