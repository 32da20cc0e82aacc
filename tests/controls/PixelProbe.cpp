#include "PixelProbe.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace PixelProbe {

QImage Render(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QColor At(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

QRect BoundsOf(const QImage& image, const std::function<bool(QColor)>& matches)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (matches(QColor(image.pixel(x, y))))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

QImage Solid(QSize size, const QColor& color, int corner, const QColor& cornerColor)
{
    QImage image(size, QImage::Format_RGB888);
    image.fill(color);
    QPainter p(&image);
    const int w = size.width();
    const int h = size.height();
    for (const QPoint at : {QPoint(0, 0), QPoint(w - corner, 0), QPoint(0, h - corner),
                            QPoint(w - corner, h - corner)})
        p.fillRect(QRect(at, QSize(corner, corner)), cornerColor);
    return image;
}

void Settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

} // namespace PixelProbe
