#include "Painting.h"

#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace Painting {

namespace {

QString& family()
{
    static QString name = QStringLiteral("DejaVu Sans");
    return name;
}

} // namespace

void LoadFonts()
{
    const int id = QFontDatabase::addApplicationFont("/usr/share/wine/fonts/tahoma.ttf");
    QFontDatabase::addApplicationFont("/usr/share/wine/fonts/tahomabd.ttf");
    if (id >= 0 && !QFontDatabase::applicationFontFamilies(id).isEmpty())
        family() = QFontDatabase::applicationFontFamilies(id).front();
}

QFont UiFont(int pixelSize, bool bold)
{
    QFont font(family());
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QImage NewCanvas(int width, int height, const QColor& fill)
{
    QImage canvas(width, height, QImage::Format_RGB32);
    canvas.fill(fill);
    return canvas;
}

void FillVertical(QPainter& painter, const QRectF& rect, const QColor& top, const QColor& bottom)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(rect, gradient);
}

void FillDiscBackground(QPainter& painter, const QRectF& rect, QPointF glowCentre)
{
    QLinearGradient sky(rect.topLeft(), rect.bottomRight());
    sky.setColorAt(0, Palette::Navy);
    sky.setColorAt(0.55, Palette::Night);
    sky.setColorAt(1, QColor(6, 18, 38));
    painter.fillRect(rect, sky);
    QRadialGradient glow(glowCentre, rect.width() * 0.55);
    glow.setColorAt(0, QColor(74, 168, 232, 150));
    glow.setColorAt(0.45, QColor(40, 110, 200, 60));
    glow.setColorAt(1, QColor(0, 0, 0, 0));
    painter.fillRect(rect, glow);
}

void DrawSignalArcs(QPainter& painter, QPointF centre, qreal firstRadius, int count,
                    const QColor& color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < count; ++i) {
        QColor c = color;
        c.setAlphaF(color.alphaF() * (1.0 - 0.8 * i / count));
        painter.setPen(QPen(c, 2.0, Qt::SolidLine, Qt::RoundCap));
        const qreal r = firstRadius * (i + 1);
        painter.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 40 * 16, 100 * 16);
    }
    painter.restore();
}

void DrawLogo(QPainter& painter, QPointF origin, int pixelSize, const QColor& color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QFont font = UiFont(pixelSize, true);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const QString name = QStringLiteral("KZL-958WB");
    const QPointF baseline(origin.x(), origin.y() + metrics.ascent());
    QColor glow = Palette::Glow;
    glow.setAlpha(70);
    painter.setPen(glow);
    for (const QPointF d : {QPointF(1, 1), QPointF(-1, 1), QPointF(1, -1), QPointF(-1, -1)})
        painter.drawText(baseline + d, name);
    painter.setPen(color);
    painter.drawText(baseline, name);
    // The signal mark rises from the end of the name.
    const qreal end = origin.x() + metrics.horizontalAdvance(name) + pixelSize * 0.35;
    const QPointF dot(end, origin.y() + metrics.ascent() - pixelSize * 0.12);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::Glow);
    painter.drawEllipse(dot, pixelSize * 0.09, pixelSize * 0.09);
    for (int i = 1; i <= 3; ++i) {
        const qreal r = pixelSize * 0.22 * i;
        painter.setPen(QPen(Palette::Glow, pixelSize * 0.075, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(dot.x() - r, dot.y() - r, 2 * r, 2 * r), 45 * 16, 90 * 16);
    }
    painter.restore();
}

void DrawShadowedText(QPainter& painter, const QRectF& rect, int flags, const QString& text,
                      const QColor& color, const QColor& shadow)
{
    painter.save();
    painter.setPen(shadow);
    painter.drawText(rect.translated(1, 1), flags, text);
    painter.setPen(color);
    painter.drawText(rect, flags, text);
    painter.restore();
}

void DrawAccessPoint(QPainter& painter, const QRectF& rect, bool lit)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = rect.width();
    const qreal h = rect.height();
    const QRectF body(rect.left(), rect.top() + h * 0.42, w, h * 0.5);
    // Shadow on the table.
    QRadialGradient shadow(QPointF(body.center().x(), body.bottom() + h * 0.03), w * 0.55);
    shadow.setColorAt(0, QColor(0, 0, 0, 110));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawEllipse(
        QRectF(body.left() - w * 0.05, body.bottom() - h * 0.06, w * 1.1, h * 0.16));
    // Two antennas behind the body.
    for (const qreal fx : {0.14, 0.86}) {
        const QRectF antenna(rect.left() + w * fx - w * 0.025, rect.top(), w * 0.05, h * 0.5);
        QLinearGradient metal(antenna.topLeft(), antenna.topRight());
        metal.setColorAt(0, QColor(70, 78, 92));
        metal.setColorAt(0.5, QColor(190, 198, 210));
        metal.setColorAt(1, QColor(60, 66, 80));
        painter.setBrush(metal);
        painter.drawRoundedRect(antenna, w * 0.025, w * 0.025);
        painter.setBrush(QColor(40, 44, 52));
        painter.drawRoundedRect(QRectF(antenna.left() - w * 0.01, antenna.bottom() - h * 0.06,
                                       antenna.width() + w * 0.02, h * 0.08),
                                3, 3);
    }
    // Top face and front of the body.
    const QRectF top(body.left(), body.top(), w, body.height() * 0.45);
    QLinearGradient topShade(top.topLeft(), top.bottomLeft());
    topShade.setColorAt(0, QColor(252, 253, 255));
    topShade.setColorAt(1, QColor(214, 222, 233));
    painter.setBrush(topShade);
    painter.drawRoundedRect(body, h * 0.08, h * 0.08);
    const QRectF front(body.left(), body.top() + body.height() * 0.42, w, body.height() * 0.58);
    QLinearGradient frontShade(front.topLeft(), front.bottomLeft());
    frontShade.setColorAt(0, QColor(44, 54, 72));
    frontShade.setColorAt(1, QColor(18, 24, 36));
    painter.setBrush(frontShade);
    painter.drawRoundedRect(front, h * 0.06, h * 0.06);
    painter.fillRect(QRectF(front.left() + 2, front.top(), w - 4, 2), QColor(255, 255, 255, 90));
    // Status lights and the model name on the front.
    const int lights = 5;
    for (int i = 0; i < lights; ++i) {
        const QPointF centre(front.left() + w * (0.12 + 0.075 * i), front.center().y());
        const QColor led =
            !lit ? QColor(70, 80, 95) : (i == 1 ? Palette::LedBlue : Palette::LedGreen);
        if (lit) {
            QRadialGradient halo(centre, h * 0.07);
            QColor c = led;
            c.setAlpha(120);
            halo.setColorAt(0, c);
            halo.setColorAt(1, QColor(0, 0, 0, 0));
            painter.setBrush(halo);
            painter.drawEllipse(centre, h * 0.07, h * 0.07);
        }
        painter.setBrush(led);
        painter.drawEllipse(centre, h * 0.018 + 1, h * 0.018 + 1);
    }
    painter.setPen(QColor(200, 214, 232));
    painter.setFont(UiFont(std::max(9, static_cast<int>(h * 0.07)), true));
    painter.drawText(front.adjusted(0, 0, -w * 0.06, 0), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("KZL-958WB"));
    painter.restore();
}

RearPanel DrawAccessPointRear(QPainter& painter, const QRectF& rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shade(rect.topLeft(), rect.bottomLeft());
    shade.setColorAt(0, QColor(62, 72, 90));
    shade.setColorAt(1, QColor(24, 30, 42));
    painter.setPen(QPen(QColor(12, 16, 24), 1));
    painter.setBrush(shade);
    painter.drawRoundedRect(rect, 8, 8);
    painter.fillRect(QRectF(rect.left() + 6, rect.top() + 2, rect.width() - 12, 2),
                     QColor(255, 255, 255, 70));
    const qreal portY = rect.center().y() - 4;
    const QFont label = UiFont(8, true);
    painter.setFont(label);
    auto port = [&](qreal x, qreal w, const QString& name, const QColor& rim) {
        const QRectF hole(x, portY - 9, w, 18);
        painter.setPen(QPen(rim, 2));
        painter.setBrush(QColor(8, 10, 14));
        painter.drawRoundedRect(hole, 2, 2);
        painter.setPen(QColor(220, 228, 240));
        painter.drawText(QRectF(x + w / 2 - 20, portY + 11, 40, 12), Qt::AlignCenter, name);
        return hole.center();
    };
    RearPanel panel;
    panel.powerPort =
        port(rect.left() + rect.width() * 0.10, 18, QStringLiteral("POWER"), QColor(150, 160, 175));
    port(rect.left() + rect.width() * 0.33, 16, QStringLiteral("WPS"), QColor(150, 160, 175));
    panel.lanPort =
        port(rect.left() + rect.width() * 0.55, 24, QStringLiteral("LAN"), Palette::Sky);
    port(rect.left() + rect.width() * 0.78, 14, QStringLiteral("RESET"), QColor(150, 160, 175));
    painter.restore();
    return panel;
}

QPointF DrawComputer(QPainter& painter, const QRectF& rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = rect.width();
    const qreal h = rect.height();
    // Monitor.
    const QRectF monitor(rect.left(), rect.top(), w * 0.66, h * 0.62);
    painter.setPen(QPen(QColor(40, 46, 58), 1.5));
    painter.setBrush(QColor(58, 66, 82));
    painter.drawRoundedRect(monitor, 6, 6);
    const QRectF screen = monitor.adjusted(w * 0.04, w * 0.04, -w * 0.04, -w * 0.07);
    QLinearGradient glass(screen.topLeft(), screen.bottomRight());
    glass.setColorAt(0, QColor(90, 170, 240));
    glass.setColorAt(1, QColor(22, 70, 150));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glass);
    painter.drawRect(screen);
    // A little wizard window on the screen.
    const QRectF window = screen.adjusted(screen.width() * 0.2, screen.height() * 0.22,
                                          -screen.width() * 0.2, -screen.height() * 0.2);
    painter.setBrush(QColor(245, 248, 252));
    painter.drawRect(window);
    painter.setBrush(Palette::Navy);
    painter.drawRect(QRectF(window.left(), window.top(), window.width(), window.height() * 0.28));
    painter.setBrush(QColor(190, 200, 214));
    painter.drawRect(QRectF(window.right() - window.width() * 0.3,
                            window.bottom() - window.height() * 0.2, window.width() * 0.22,
                            window.height() * 0.12));
    // Stand.
    painter.setBrush(QColor(70, 78, 94));
    painter.drawRect(QRectF(monitor.center().x() - w * 0.05, monitor.bottom(), w * 0.1, h * 0.1));
    painter.drawRoundedRect(
        QRectF(monitor.center().x() - w * 0.16, monitor.bottom() + h * 0.1, w * 0.32, h * 0.04), 3,
        3);
    // Tower.
    const QRectF tower(rect.left() + w * 0.72, rect.top() + h * 0.12, w * 0.28, h * 0.86);
    QLinearGradient side(tower.topLeft(), tower.topRight());
    side.setColorAt(0, QColor(226, 232, 240));
    side.setColorAt(1, QColor(168, 178, 194));
    painter.setPen(QPen(QColor(96, 106, 122), 1.2));
    painter.setBrush(side);
    painter.drawRoundedRect(tower, 4, 4);
    painter.setPen(QPen(QColor(120, 130, 146), 1));
    for (int i = 0; i < 2; ++i)
        painter.drawLine(QPointF(tower.left() + 5, tower.top() + 12 + 8 * i),
                         QPointF(tower.right() - 5, tower.top() + 12 + 8 * i));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::LedGreen);
    painter.drawEllipse(QPointF(tower.center().x(), tower.top() + h * 0.3), 2.2, 2.2);
    // The network port low on the tower.
    const QRectF port(tower.center().x() - 6, tower.bottom() - h * 0.2, 12, 9);
    painter.setBrush(QColor(20, 24, 30));
    painter.setPen(QPen(Palette::Sky, 1.5));
    painter.drawRect(port);
    painter.restore();
    return port.center();
}

void DrawCable(QPainter& painter, QPointF a, QPointF b, qreal sag, const QColor& color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path(a);
    const QPointF middle((a.x() + b.x()) / 2, std::max(a.y(), b.y()) + sag);
    path.cubicTo(QPointF(a.x(), middle.y()), QPointF(b.x(), middle.y()), b);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(color.darker(160), 6, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(path);
    painter.setPen(QPen(color, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(path);
    painter.setPen(QPen(color.lighter(150), 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(path.translated(-1, -1));
    for (const QPointF end : {a, b}) {
        painter.setPen(QPen(color.darker(200), 1));
        painter.setBrush(QColor(230, 236, 244));
        painter.drawRoundedRect(QRectF(end.x() - 6, end.y() - 5, 12, 10), 2, 2);
    }
    painter.restore();
}

void DrawStepBadge(QPainter& painter, QPointF centre, int number)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient ball(centre - QPointF(3, 3), 16);
    ball.setColorAt(0, Palette::Sky);
    ball.setColorAt(1, Palette::Blue);
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(ball);
    painter.drawEllipse(centre, 12, 12);
    painter.setPen(Qt::white);
    painter.setFont(UiFont(14, true));
    painter.drawText(QRectF(centre.x() - 12, centre.y() - 12, 24, 24), Qt::AlignCenter,
                     QString::number(number));
    painter.restore();
}

void CutOutside(QImage& face, const QPainterPath& path)
{
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            if (!path.contains(QPointF(x + 0.5, y + 0.5)))
                face.setPixelColor(x, y, Palette::Fuchsia);
}

} // namespace Painting
