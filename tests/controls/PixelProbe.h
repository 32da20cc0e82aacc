#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <functional>

class QWidget;

// Helpers that look at what a widget really painted.
namespace PixelProbe {

// The widget as painted now, at one image pixel per widget pixel.
QImage Render(QWidget* widget);
QColor At(const QImage& image, int x, int y);
// The smallest rectangle holding every pixel that matches; an empty rectangle when none does.
QRect BoundsOf(const QImage& image, const std::function<bool(QColor)>& matches);
// A picture of one colour, with the corner pixels (corner x corner) in another.
QImage Solid(QSize size, const QColor& color, int corner = 0,
             const QColor& cornerColor = QColor(255, 0, 255));
// Lets pending paints and posted events run.
void Settle();

} // namespace PixelProbe

#include <ostream>

// Readable colours in test failures.
inline void PrintTo(const QColor& color, std::ostream* out)
{
    *out << "rgb(" << color.red() << ", " << color.green() << ", " << color.blue() << ")";
}
