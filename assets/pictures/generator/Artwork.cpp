#include "Artwork.h"

#include "Painting.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <functional>

using namespace Painting;

namespace {

// ---------------------------------------------------------------- the autorun menu

struct AutorunButton
{
    const char* name; // component name of the button
    QRect place;      // where the menu puts it
    QString legend;
    int icon;
};

const AutorunButton kAutorunButtons[] = {
    {"ImgBtnSetupWizard", {356, 94, 197, 32}, "Setup Wizard", 0},
    {"ImgBtnUG", {356, 143, 197, 31}, "User Guide", 1},
    {"ImgBtnProductReg", {357, 238, 196, 30}, "Product Registration", 2},
    {"ImgBtnExit", {357, 287, 197, 31}, "Exit", 3},
};

QImage autorunBackground()
{
    QImage canvas = NewCanvas(600, 450);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    FillDiscBackground(p, canvas.rect(), QPointF(170, 250));
    DrawSignalArcs(p, QPointF(170, 214), 34, 4, QColor(120, 214, 255, 120));
    DrawAccessPoint(p, QRectF(45, 196, 250, 166), true);

    DrawLogo(p, QPointF(34, 30), 40, Qt::white);
    p.setFont(UiFont(15, true));
    DrawShadowedText(p, QRectF(36, 86, 300, 20), Qt::AlignLeft | Qt::AlignVCenter,
                     "Wireless N Access Point", QColor(190, 226, 255), QColor(0, 0, 0, 120));
    p.setFont(UiFont(12));
    DrawShadowedText(p, QRectF(36, 108, 300, 18), Qt::AlignLeft | Qt::AlignVCenter,
                     "Installation and Setup Disc", QColor(150, 186, 220), QColor(0, 0, 0, 120));

    // The menu panel behind the buttons.
    const QRectF panel(338, 60, 232, 322);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    QLinearGradient glass(panel.topLeft(), panel.bottomLeft());
    glass.setColorAt(0, QColor(255, 255, 255, 34));
    glass.setColorAt(1, QColor(255, 255, 255, 10));
    p.setBrush(glass);
    p.drawRoundedRect(panel, 12, 12);
    p.setFont(UiFont(11, true));
    DrawShadowedText(p, QRectF(356, 68, 197, 20), Qt::AlignLeft | Qt::AlignVCenter, "MAIN MENU",
                     QColor(140, 200, 245), QColor(0, 0, 0, 100));

    // Footer.
    FillVertical(p, QRectF(0, 414, 600, 36), QColor(4, 12, 26, 120), QColor(2, 6, 14, 230));
    p.fillRect(QRectF(0, 414, 600, 1), QColor(120, 214, 255, 60));
    p.setFont(UiFont(11));
    p.setPen(QColor(150, 176, 204));
    p.drawText(QRectF(24, 414, 552, 36), Qt::AlignLeft | Qt::AlignVCenter,
               "KZL-958WB Installation Disc  \u00b7  Version 1.0");
    p.drawText(QRectF(24, 414, 552, 36), Qt::AlignRight | Qt::AlignVCenter,
               "Insert the disc, choose Setup Wizard");
    return canvas;
}

void drawMenuIcon(QPainter& p, const QRectF& box, int icon)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    const QPointF c = box.center();
    switch (icon) {
    case 0: { // start
        QPainterPath arrow;
        arrow.moveTo(c + QPointF(-4, -6));
        arrow.lineTo(c + QPointF(6, 0));
        arrow.lineTo(c + QPointF(-4, 6));
        arrow.closeSubpath();
        p.drawPath(arrow);
        break;
    }
    case 1: // book
        p.drawRoundedRect(QRectF(c.x() - 7, c.y() - 5, 6.5, 10), 1, 1);
        p.drawRoundedRect(QRectF(c.x() + 0.5, c.y() - 5, 6.5, 10), 1, 1);
        break;
    case 2: { // check mark
        p.setPen(QPen(QColor(255, 255, 255, 235), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath tick;
        tick.moveTo(c + QPointF(-6, 0));
        tick.lineTo(c + QPointF(-2, 4));
        tick.lineTo(c + QPointF(6, -5));
        p.drawPath(tick);
        break;
    }
    default: { // power
        p.setPen(QPen(QColor(255, 255, 255, 235), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - 6, c.y() - 5, 12, 12), 120 * 16, 300 * 16);
        p.drawLine(c + QPointF(0, -7), c + QPointF(0, 0));
        break;
    }
    }
    p.restore();
}

QImage autorunFace(const QImage& background, const AutorunButton& button, bool highlighted)
{
    QImage face = background.copy(button.place);
    const QRectF body = QRectF(face.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = body.height() / 2;
    QPainterPath outline;
    outline.addRoundedRect(body, radius, radius);

    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    if (highlighted) {
        fill.setColorAt(0, QColor(110, 206, 255));
        fill.setColorAt(0.5, QColor(40, 150, 230));
        fill.setColorAt(1, QColor(22, 104, 190));
    } else {
        fill.setColorAt(0, QColor(66, 124, 210));
        fill.setColorAt(0.5, QColor(34, 82, 164));
        fill.setColorAt(1, QColor(20, 52, 116));
    }
    p.setPen(QPen(highlighted ? QColor(200, 240, 255) : QColor(120, 170, 236), 1));
    p.setBrush(fill);
    p.drawPath(outline);
    // Gloss on the upper half.
    QPainterPath gloss;
    gloss.addRoundedRect(body.adjusted(3, 2, -3, -body.height() / 2), radius - 3, radius - 3);
    QLinearGradient shine(body.topLeft(), QPointF(body.left(), body.center().y()));
    shine.setColorAt(0, QColor(255, 255, 255, highlighted ? 110 : 80));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawPath(gloss);
    // Icon disc and legend.
    const QRectF iconBox(5, (face.height() - 22) / 2.0, 22, 22);
    p.setBrush(QColor(255, 255, 255, highlighted ? 70 : 45));
    p.drawEllipse(iconBox);
    drawMenuIcon(p, iconBox, button.icon);
    p.setFont(UiFont(button.legend.size() > 14 ? 12 : 13, true));
    DrawShadowedText(p, QRectF(36, 0, face.width() - 44, face.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, button.legend, Qt::white,
                     QColor(0, 20, 60, 150));
    p.end();
    QPainterPath shape;
    shape.addRoundedRect(QRectF(face.rect()), radius + 0.5, radius + 0.5);
    CutOutside(face, shape);
    return face;
}

QImage guideButton(const QImage& background, QPoint at, const QString& legend, bool highlighted)
{
    QImage face = background.copy(QRect(at, QSize(198, 21)));
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF row(18, 1.5, 176, 18);
    if (highlighted) {
        QLinearGradient fill(row.topLeft(), row.bottomLeft());
        fill.setColorAt(0, QColor(255, 255, 255, 70));
        fill.setColorAt(1, QColor(255, 255, 255, 30));
        p.setPen(QPen(QColor(180, 230, 255, 140), 1));
        p.setBrush(fill);
        p.drawRoundedRect(row, 9, 9);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(highlighted ? Qt::white : QColor(120, 200, 250));
    QPainterPath arrow;
    arrow.moveTo(28, 6.5);
    arrow.lineTo(33, 10.5);
    arrow.lineTo(28, 14.5);
    arrow.closeSubpath();
    p.drawPath(arrow);
    p.setFont(UiFont(11, highlighted));
    p.setPen(highlighted ? Qt::white : QColor(200, 226, 250));
    p.drawText(QRectF(40, 0, 154, 21), Qt::AlignLeft | Qt::AlignVCenter, legend);
    return face;
}

// ---------------------------------------------------------------- the wizard

QImage wizardBackground()
{
    QImage canvas = NewCanvas(600, 450, Palette::Paper);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.save();
    p.setClipRect(0, 0, 600, 104);
    FillDiscBackground(p, QRectF(0, 0, 600, 104), QPointF(520, 20));
    DrawSignalArcs(p, QPointF(520, 150), 40, 5, QColor(120, 214, 255, 90));
    p.restore();
    DrawLogo(p, QPointF(26, 24), 32, Qt::white);
    p.setFont(UiFont(13));
    DrawShadowedText(p, QRectF(28, 66, 300, 18), Qt::AlignLeft | Qt::AlignVCenter,
                     "Wireless N Access Point", QColor(180, 220, 255), QColor(0, 0, 0, 120));
    p.setFont(UiFont(20, true));
    DrawShadowedText(p, QRectF(300, 30, 276, 30), Qt::AlignRight | Qt::AlignVCenter, "Setup Wizard",
                     Qt::white, QColor(0, 0, 0, 140));
    p.setFont(UiFont(11));
    DrawShadowedText(p, QRectF(300, 60, 276, 18), Qt::AlignRight | Qt::AlignVCenter,
                     "LAN and wireless settings in a few steps", QColor(160, 200, 236),
                     QColor(0, 0, 0, 120));
    p.fillRect(QRectF(0, 102, 600, 2), QColor(74, 168, 232));
    FillVertical(p, QRectF(0, 428, 600, 22), QColor(16, 40, 78), QColor(6, 18, 38));
    p.setFont(UiFont(10));
    p.setPen(QColor(150, 180, 210));
    p.drawText(QRectF(24, 428, 552, 22), Qt::AlignLeft | Qt::AlignVCenter,
               "KZL-958WB Setup Wizard");
    p.drawText(QRectF(24, 428, 552, 22), Qt::AlignRight | Qt::AlignVCenter, "Version 1.0");
    return canvas;
}

QImage pageBackground()
{
    QImage canvas = NewCanvas(600, 324);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    FillVertical(p, QRectF(0, 0, 600, 278), QColor(250, 252, 255), QColor(230, 237, 246));
    DrawSignalArcs(p, QPointF(590, 300), 46, 4, QColor(30, 92, 170, 28));
    FillVertical(p, QRectF(0, 278, 600, 46), QColor(226, 234, 244), QColor(206, 218, 234));
    p.fillRect(QRectF(0, 278, 600, 1), QColor(176, 192, 214));
    p.fillRect(QRectF(0, 279, 600, 1), Qt::white);
    return canvas;
}

struct PageFaceLook
{
    QColor top;
    QColor bottom;
    QColor border;
};

QImage pageButtonFace(const QImage& pageBg, const PageFaceLook& look)
{
    QImage face = pageBg.copy(QRect(24, 288, 85, 21));
    const QRectF body = QRectF(face.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath outline;
    outline.addRoundedRect(body, 5, 5);
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, look.top);
    fill.setColorAt(1, look.bottom);
    p.setPen(QPen(look.border, 1));
    p.setBrush(fill);
    p.drawPath(outline);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    p.drawLine(QPointF(5, 1.5), QPointF(80, 1.5));
    p.end();
    QPainterPath shape;
    shape.addRoundedRect(QRectF(face.rect()), 5.5, 5.5);
    CutOutside(face, shape);
    return face;
}

QImage progressBackground()
{
    QImage canvas = NewCanvas(190, 50);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    FillVertical(p, QRectF(0, 0, 190, 50), Qt::white, QColor(224, 233, 244));
    DrawSignalArcs(p, QPointF(184, 58), 16, 3, QColor(30, 92, 170, 50));
    p.fillRect(QRectF(0, 0, 190, 3), Palette::Blue);
    p.setPen(QColor(136, 156, 186));
    p.setBrush(Qt::NoBrush);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawRect(0, 0, 189, 49);
    return canvas;
}

// ---------------------------------------------------------------- the tutorial

void drawTitle(QPainter& p, QPointF at, int step, const QString& title, qreal width)
{
    DrawStepBadge(p, at + QPointF(12, 12), step);
    p.setFont(UiFont(14, true));
    p.setPen(Palette::Navy);
    p.drawText(QRectF(at.x() + 32, at.y(), width - 32, 24), Qt::AlignLeft | Qt::AlignVCenter,
               title);
}

void drawNote(QPainter& p, const QRectF& box, const QString& text)
{
    p.setFont(UiFont(11));
    p.setPen(Palette::Ink);
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
}

void drawLabel(QPainter& p, QPointF centre, const QString& text)
{
    p.save();
    p.setFont(UiFont(10, true));
    const QFontMetricsF m(p.font());
    const QRectF box(centre.x() - m.horizontalAdvance(text) / 2 - 6, centre.y() - 8,
                     m.horizontalAdvance(text) + 12, 16);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::Navy);
    p.drawRoundedRect(box, 8, 8);
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

QImage tutorialCabling()
{
    QImage canvas = NewCanvas(332, 275);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    FillVertical(p, QRectF(0, 0, 332, 275), Qt::white, QColor(234, 240, 248));
    drawTitle(p, QPointF(10, 10), 1, "Connect the cable", 312);
    const QPointF pcPort = DrawComputer(p, QRectF(14, 54, 140, 126));
    DrawAccessPoint(p, QRectF(190, 46, 130, 78), true);
    const RearPanel rear = DrawAccessPointRear(p, QRectF(180, 138, 146, 52));
    drawLabel(p, QPointF(255, 204), "Back of the access point");
    DrawCable(p, pcPort, rear.lanPort, 38, Palette::Cable);
    drawLabel(p, QPointF(86, 204), "Your computer");
    drawNote(p, QRectF(14, 220, 306, 52),
             "Plug one end of the network cable into the LAN port of the access point and "
             "the other end into the network port of your computer.");
    return canvas;
}

void drawWallSocket(QPainter& p, const QRectF& box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(150, 160, 176), 1.5));
    p.setBrush(QColor(248, 249, 251));
    p.drawRoundedRect(box, 8, 8);
    p.setBrush(QColor(210, 216, 226));
    p.drawEllipse(box.center(), box.width() * 0.32, box.width() * 0.32);
    p.setBrush(QColor(60, 66, 80));
    p.setPen(Qt::NoPen);
    p.drawEllipse(box.center() + QPointF(-6, 0), 2.5, 2.5);
    p.drawEllipse(box.center() + QPointF(6, 0), 2.5, 2.5);
    p.restore();
}

QPointF drawAdapter(QPainter& p, const QRectF& box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shade(box.topLeft(), box.topRight());
    shade.setColorAt(0, QColor(60, 66, 80));
    shade.setColorAt(1, QColor(24, 28, 36));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawRoundedRect(box, 5, 5);
    p.setPen(QColor(170, 180, 196));
    p.setFont(UiFont(9, true));
    p.drawText(box, Qt::AlignCenter, "12V");
    p.restore();
    return QPointF(box.center().x(), box.bottom());
}

void drawArrow(QPainter& p, QPointF from, QPointF to)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Palette::Sky, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to - QPointF(6, 0));
    QPainterPath head;
    head.moveTo(to);
    head.lineTo(to + QPointF(-9, -6));
    head.lineTo(to + QPointF(-9, 6));
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::Sky);
    p.drawPath(head);
    p.restore();
}

QImage tutorialPower()
{
    QImage canvas = NewCanvas(552, 240);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    FillVertical(p, QRectF(0, 0, 552, 240), Qt::white, QColor(234, 240, 248));
    drawTitle(p, QPointF(12, 10), 2, "Power on the access point", 520);

    // Left: the adapter from the wall socket to the POWER port.
    drawWallSocket(p, QRectF(18, 52, 44, 54));
    const QPointF adapterOut = drawAdapter(p, QRectF(27, 66, 26, 34));
    const RearPanel rear = DrawAccessPointRear(p, QRectF(24, 118, 160, 52));
    DrawCable(p, adapterOut, rear.powerPort, 8, QColor(50, 56, 68));
    drawLabel(p, QPointF(104, 184), "POWER port");

    drawArrow(p, QPointF(196, 110), QPointF(226, 110));

    // Middle: the lights come on.
    DrawAccessPoint(p, QRectF(238, 52, 136, 90), true);
    drawLabel(p, QPointF(306, 160), "Lights on");

    drawArrow(p, QPointF(386, 110), QPointF(416, 110));

    // Right: the computer runs the wizard.
    DrawComputer(p, QRectF(428, 48, 110, 104));
    drawLabel(p, QPointF(472, 166), "Click Next");

    drawNote(p, QRectF(16, 200, 520, 38),
             "Connect the power adapter to the POWER port and to a wall socket. When the "
             "lights of the access point are on, click Next to search for it on your network.");
    return canvas;
}

} // namespace

std::vector<Artwork> DrawAllArtwork()
{
    const QImage autorun = autorunBackground();
    const QImage page = pageBackground();
    auto face = [&](int index, bool highlighted) {
        return autorunFace(autorun, kAutorunButtons[index], highlighted);
    };
    const PageFaceLook normal{QColor(255, 255, 255), QColor(208, 218, 232), QColor(112, 130, 160)};
    const PageFaceLook over{QColor(236, 248, 255), QColor(160, 210, 248), QColor(40, 118, 204)};
    const PageFaceLook down{QColor(170, 188, 212), QColor(222, 230, 242), QColor(60, 78, 110)};

    return {
        {"ImgBGMain", true, wizardBackground()},
        {"ImgFrameBG", true, page},
        {"ImgBtnN", false, pageButtonFace(page, normal)},
        {"ImgBtnH", false, pageButtonFace(page, over)},
        {"ImgBtnD", false, pageButtonFace(page, down)},
        {"ImgBGProgress", true, progressBackground()},
        {"ImgTutorial", true, tutorialCabling()},
        {"ImgBGAutorun", true, autorun},
        {"ImgBtnSetupWizardN", false, face(0, false)},
        {"ImgBtnSetupWizardD", false, face(0, true)},
        {"ImgBtnUGN", false, face(1, false)},
        {"ImgBtnUGD", false, face(1, true)},
        {"ImgBtnProductRegN", false, face(2, false)},
        {"ImgBtnProductRegD", false, face(2, true)},
        {"ImgBtnExitN", false, face(3, false)},
        {"ImgBtnExitD", false, face(3, true)},
        {"ImgBtnUG_UGN", true, guideButton(autorun, {356, 173}, "User Guide", false)},
        {"ImgBtnUG_UGD", true, guideButton(autorun, {356, 173}, "User Guide", true)},
        {"ImgBtnUG_QIGD", true, guideButton(autorun, {356, 194}, "Quick Installation Guide", true)},
        {"ImgBtnUG_QIGN", true,
         guideButton(autorun, {356, 194}, "Quick Installation Guide", false)},
        {"ImgTutorial2", true, tutorialPower()},
    };
}
