#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <initializer_list>

class QPainter;

// Pixel-exact drawing with the conventions the controls' layouts are written in: rectangles
// are (left, top, right, bottom) with right and bottom just outside, and a line leaves out its
// end point.
namespace PixelDrawing {

// The first column and row just outside r.
inline int RightOf(const QRect& r)
{
    return r.x() + r.width();
}
inline int BottomOf(const QRect& r)
{
    return r.y() + r.height();
}
inline QRect FromEdges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

// A line through the points, each segment horizontal or vertical, without the last point.
void Polyline(QPainter& painter, std::initializer_list<QPoint> points, const QColor& color);
// r filled with brush and outlined with pen, the outline on r's outermost pixels.
void OutlinedRect(QPainter& painter, const QRect& r, const QColor& pen, const QColor& brush);
// A 3D frame of width 1 on r's outermost pixels: top and left in topLeft, bottom and right in
// bottomRight; r shrinks by 1 on every side.
void Frame3D(QPainter& painter, QRect& r, const QColor& topLeft, const QColor& bottomRight);
// A dotted focus rectangle on r's outermost pixels.
void FocusRect(QPainter& painter, const QRect& r);

} // namespace PixelDrawing
