#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

// The disc's look: colours, type and the figures (access point, computer, cable) that the
// backgrounds and the tutorial pictures share.
namespace Painting {

namespace Palette {
inline const QColor Night{9, 28, 56};
inline const QColor Navy{16, 49, 98};
inline const QColor Blue{30, 92, 170};
inline const QColor Sky{74, 168, 232};
inline const QColor Glow{120, 214, 255};
inline const QColor Paper{246, 249, 252};
inline const QColor Mist{222, 231, 242};
inline const QColor Steel{112, 128, 150};
inline const QColor Ink{28, 38, 54};
inline const QColor Cable{36, 110, 214};
inline const QColor LedGreen{70, 230, 110};
inline const QColor LedBlue{90, 190, 255};
inline const QColor Fuchsia{255, 0, 255};
} // namespace Palette

// Tahoma (bold when asked) at a pixel size; DejaVu Sans when Tahoma is not installed.
QFont UiFont(int pixelSize, bool bold = false);
void LoadFonts();

QImage NewCanvas(int width, int height, const QColor& fill = Qt::white);

// A vertical gradient over rect.
void FillVertical(QPainter& painter, const QRectF& rect, const QColor& top, const QColor& bottom);
// The dark blue night sky of the disc with a soft glow at glowCentre.
void FillDiscBackground(QPainter& painter, const QRectF& rect, QPointF glowCentre);
// Faint arcs of a wireless signal around centre.
void DrawSignalArcs(QPainter& painter, QPointF centre, qreal firstRadius, int count,
                    const QColor& color);
// The product's name as a logo: "KZL-958WB" with the signal mark, its top left at origin.
void DrawLogo(QPainter& painter, QPointF origin, int pixelSize, const QColor& color);
// Text with a soft one-pixel shadow.
void DrawShadowedText(QPainter& painter, const QRectF& rect, int flags, const QString& text,
                      const QColor& color, const QColor& shadow);

// The access point seen from the front and a little above, fitting rect.
void DrawAccessPoint(QPainter& painter, const QRectF& rect, bool lit);
// The access point's rear panel with its ports; where the LAN and power ports are.
struct RearPanel
{
    QPointF lanPort;
    QPointF powerPort;
};
RearPanel DrawAccessPointRear(QPainter& painter, const QRectF& rect);
// A desktop computer: monitor and tower, fitting rect; returns where its network port is.
QPointF DrawComputer(QPainter& painter, const QRectF& rect);
// A network cable from a to b, sagging by sag pixels, with plugs at both ends.
void DrawCable(QPainter& painter, QPointF a, QPointF b, qreal sag, const QColor& color);
// A round step number.
void DrawStepBadge(QPainter& painter, QPointF centre, int number);

// The crisp outline of a rounded face: pixels whose centre lies outside path become fuchsia,
// so that shaping cuts them away while the anti-aliased edge inside stays smooth.
void CutOutside(QImage& face, const QPainterPath& path);

} // namespace Painting
