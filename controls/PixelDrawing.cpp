#include "PixelDrawing.h"

#include <QPainter>
#include <algorithm>
#include <vector>

namespace PixelDrawing {

namespace {

// The pixels from a towards b, a included and b left out.
void segment(QPainter& painter, QPoint a, QPoint b, const QColor& color)
{
    if (a.y() == b.y() && a.x() != b.x()) {
        const int step = a.x() < b.x() ? 1 : -1;
        const int first = a.x();
        const int last = b.x() - step;
        painter.fillRect(
            FromEdges(std::min(first, last), a.y(), std::max(first, last) + 1, a.y() + 1), color);
    } else if (a.x() == b.x() && a.y() != b.y()) {
        const int step = a.y() < b.y() ? 1 : -1;
        const int first = a.y();
        const int last = b.y() - step;
        painter.fillRect(
            FromEdges(a.x(), std::min(first, last), a.x() + 1, std::max(first, last) + 1), color);
    }
}

} // namespace

void Polyline(QPainter& painter, std::initializer_list<QPoint> points, const QColor& color)
{
    const std::vector<QPoint> list(points);
    for (size_t i = 1; i < list.size(); ++i)
        segment(painter, list[i - 1], list[i], color);
}

void OutlinedRect(QPainter& painter, const QRect& r, const QColor& pen, const QColor& brush)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    painter.fillRect(r, brush);
    const int right = RightOf(r) - 1;
    const int bottom = BottomOf(r) - 1;
    painter.fillRect(FromEdges(r.x(), r.y(), right + 1, r.y() + 1), pen);
    painter.fillRect(FromEdges(r.x(), bottom, right + 1, bottom + 1), pen);
    painter.fillRect(FromEdges(r.x(), r.y(), r.x() + 1, bottom + 1), pen);
    painter.fillRect(FromEdges(right, r.y(), right + 1, bottom + 1), pen);
}

void Frame3D(QPainter& painter, QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    const int left = r.x();
    const int top = r.y();
    const int right = RightOf(r) - 1;
    const int bottom = BottomOf(r) - 1;
    Polyline(painter, {{left, bottom}, {left, top}, {right, top}}, topLeft);
    Polyline(painter, {{right, top}, {right, bottom}, {left - 1, bottom}}, bottomRight);
    r.adjust(1, 1, -1, -1);
}

void FocusRect(QPainter& painter, const QRect& r)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    const QColor ink = Qt::black;
    const int right = RightOf(r) - 1;
    const int bottom = BottomOf(r) - 1;
    for (int x = r.x(); x <= right; x += 2) {
        painter.fillRect(x, r.y(), 1, 1, ink);
        painter.fillRect(x, bottom, 1, 1, ink);
    }
    for (int y = r.y(); y <= bottom; y += 2) {
        painter.fillRect(r.x(), y, 1, 1, ink);
        painter.fillRect(right, y, 1, 1, ink);
    }
}

} // namespace PixelDrawing
