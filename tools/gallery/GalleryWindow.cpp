#include "GalleryWindow.h"

#include "app/Uformres.h"
#include "controls/Centeredit.h"
#include "controls/Gwimage.h"
#include "controls/ImageList.h"
#include "controls/Sortlistview.h"
#include "controls/Ucolorbtn.h"
#include "controls/Utrifacebtn.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Puts the pointer over a control, as the mouse would.
void hover(QWidget* control)
{
    const QPointF inside(control->width() / 2.0, control->height() / 2.0);
    QEnterEvent enter(inside, inside, control->mapToGlobal(inside));
    QApplication::sendEvent(control, &enter);
    QMouseEvent move(QEvent::MouseMove, inside, control->mapToGlobal(inside), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(control, &move);
}

QLabel* picture(QWidget* parent, const QImage& image, QPoint at)
{
    auto* label = new QLabel(parent);
    label->setPixmap(QPixmap::fromImage(image));
    label->setGeometry(QRect(at, image.size()));
    return label;
}

QLabel* caption(QWidget* parent, const QString& text, const QRect& place)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(place);
    return label;
}

QImage sortArrow(bool up)
{
    QImage arrow(9, 5, QImage::Format_RGB32);
    arrow.fill(QColor(236, 236, 236));
    QPainter p(&arrow);
    for (int row = 0; row < 5; ++row) {
        const int half = up ? row : 4 - row;
        p.fillRect(4 - half, row, 2 * half + 1, 1, QColor(70, 90, 120));
    }
    return arrow;
}

QImage greyed(const QImage& image)
{
    QImage grey =
        image.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
    QPainter p(&grey);
    p.fillRect(grey.rect(), QColor(255, 255, 255, 90));
    return grey;
}

} // namespace

GalleryWindow::GalleryWindow(const TFormRes& pictures, QWidget* parent)
    : QWidget(parent), pictures_(pictures), glyphs_(std::make_unique<TImageList>(12, 12))
{
    setObjectName("Gallery");
    setWindowTitle("KZL-958WB controls");
    setFixedSize(1236, 514);
    setAutoFillBackground(true);
    QPalette shade = palette();
    shade.setColor(QPalette::Window, QColor(232, 236, 241));
    setPalette(shade);

    buildAutorun({16, 16, 600, 470});
    buildPageButtons({636, 16, 584, 78});
    buildColorButtons({636, 104, 584, 70});
    buildImageButtons({636, 184, 584, 62});
    buildListView({636, 256, 584, 160});
    buildCentredEdits({636, 426, 584, 60});
}

GalleryWindow::~GalleryWindow() = default;

QWidget* GalleryWindow::section(const QString& title, const QRect& area)
{
    auto* heading = new QLabel(title, this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setGeometry(area.x(), area.y(), area.width(), 16);
    auto* body = new QWidget(this);
    body->setGeometry(area.x(), area.y() + 18, area.width(), area.height() - 18);
    return body;
}

void GalleryWindow::buildAutorun(const QRect& area)
{
    QWidget* menu = section("Autorun menu: shaped TTrifaceBtn faces and TGWImage guide buttons, "
                            "two of them under the mouse",
                            area);
    picture(menu, pictures_.Picture("ImgBGAutorun"), {0, 0});
    struct Face
    {
        const char* name;
        const char* normal;
        const char* over;
        QPoint at;
    };
    const Face faces[] = {
        {"BtnSetupWizard", "ImgBtnSetupWizardN", "ImgBtnSetupWizardD", {356, 94}},
        {"BtnUG", "ImgBtnUGN", "ImgBtnUGD", {356, 143}},
        {"BtnProductReg", "ImgBtnProductRegN", "ImgBtnProductRegD", {357, 286}},
        {"BtnExit", "ImgBtnExitN", "ImgBtnExitD", {357, 335}},
    };
    for (const Face& face : faces) {
        auto* button = new TTrifaceBtn(menu);
        button->setObjectName(face.name);
        button->SetFace(pictures_.Picture(face.normal));
        button->SetAutoShape(true);
        button->SetFaceOver(pictures_.Picture(face.over));
        button->SetFaceDown(pictures_.Picture(face.over));
        button->move(face.at);
        if (face.at.y() == 94)
            hover(button);
    }
    struct Guide
    {
        const char* name;
        const char* normal;
        const char* over;
        int top;
    };
    for (const Guide& guide : {Guide{"BtnUG_UG", "ImgBtnUG_UGN", "ImgBtnUG_UGD", 173},
                               Guide{"BtnUG_QIG", "ImgBtnUG_QIGN", "ImgBtnUG_QIGD", 194}}) {
        auto* image = new TGWImage(menu);
        image->setObjectName(guide.name);
        image->SetImageSource(gsrcImage);
        image->SetMouseOverEffect(true);
        image->SetImage0(pictures_.Picture(guide.normal));
        image->SetImage(1, pictures_.Picture(guide.over));
        image->setGeometry(356, guide.top, 198, 21);
        if (guide.top == 194)
            hover(image);
    }
}

void GalleryWindow::buildPageButtons(const QRect& area)
{
    QWidget* strip = section("Page buttons: TTrifaceBtn with ImgBtnN / ImgBtnH / ImgBtnD", area);
    const QImage bar = pictures_.Picture("ImgFrameBG").copy(0, 276, area.width(), 48);
    picture(strip, bar, {0, 0});
    const char* states[] = {"Normal", "Mouse over", "Pressed", "Disabled", "No face"};
    for (int i = 0; i < 5; ++i) {
        auto* button = new TTrifaceBtn(strip);
        button->setObjectName(QString("BtnState%1").arg(i));
        button->setText(states[i]);
        if (i < 4) {
            button->SetFace(pictures_.Picture("ImgBtnN"));
            button->SetAutoShape(true);
            button->SetFaceOver(pictures_.Picture("ImgBtnH"));
            button->SetFaceDown(pictures_.Picture("ImgBtnD"));
        } else {
            button->SetFocusRect(false);
            button->resize(85, 21);
        }
        button->move(24 + i * 111, 12);
        if (i == 1)
            hover(button);
        if (i == 2)
            button->setDown(true);
        if (i == 3)
            button->setEnabled(false);
    }
}

void GalleryWindow::buildColorButtons(const QRect& area)
{
    QWidget* row = section("TColorBtn: normal, pressed, disabled (embossed), default, glyph, "
                           "disabled glyph, own colours",
                           area);
    QImage glyph(12, 12, QImage::Format_RGB32);
    glyph.fill(Qt::white);
    QPainter p(&glyph);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(30, 92, 170));
    p.setPen(Qt::NoPen);
    p.drawEllipse(1, 1, 10, 10);
    p.end();
    glyphs_->Add(glyph);
    const char* captions[] = {"Save", "Save", "Save", "Print", "Print", "Print", "Login"};
    for (int i = 0; i < 7; ++i) {
        auto* button = new TColorBtn(row);
        button->setObjectName(QString("BtnColor%1").arg(i));
        button->setText(captions[i]);
        button->setGeometry(i * 82, 8, 75, 25);
        if (i == 1)
            button->setDown(true);
        if (i == 2 || i == 5)
            button->setEnabled(false);
        if (i == 3)
            button->SetButtonStyle(true);
        if (i == 4 || i == 5)
            button->SetGlyphs(glyphs_.get());
        if (i == 6) {
            button->SetColor(QColor(214, 230, 248));
            button->SetColorHi(QColor(250, 253, 255));
            button->SetColorLo(QColor(92, 128, 176));
        }
    }
}

void GalleryWindow::buildImageButtons(const QRect& area)
{
    QWidget* row = section("TGWImage: normal, mouse over, disabled (picture 3)", area);
    const QImage background =
        pictures_.Picture("ImgBGAutorun")
            .copy(340, 170, 240, 44)
            .scaled(area.width(), 44, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture(row, background, {0, 0});
    for (int i = 0; i < 3; ++i) {
        auto* image = new TGWImage(row);
        image->setObjectName(QString("ImgState%1").arg(i));
        image->SetImageSource(gsrcImage);
        image->SetMouseOverEffect(true);
        image->SetImage0(pictures_.Picture("ImgBtnUG_UGN"));
        image->SetImage(1, pictures_.Picture("ImgBtnUG_UGD"));
        image->SetImage(3, greyed(pictures_.Picture("ImgBtnUG_UGN")));
        image->setGeometry(i * 194, 12, 198, 21);
        if (i == 1)
            hover(image);
        if (i == 2)
            image->setEnabled(false);
    }
}

void GalleryWindow::buildListView(const QRect& area)
{
    QWidget* box = section("TSortListView: own header drawing, sort picture on the sort column, "
                           "ellipsis",
                           area);
    auto* list = new TSortListView(box);
    list->setObjectName("LvDevList");
    list->setGeometry(0, 0, area.width(), area.height() - 20);
    list->setColumnCount(3);
    list->setHeaderLabels({"Name", "MAC Address", "Wireless network name of the device"});
    list->headerItem()->setTextAlignment(1, Qt::AlignHCenter);
    list->header()->resizeSection(0, 220);
    list->header()->resizeSection(1, 168);
    list->SetIncBMP(sortArrow(true));
    list->SetDecBMP(sortArrow(false));
    list->SetSortColumn(2);
    list->setAllColumnsShowFocus(true);
    const QStringList rows[] = {
        {"KZL-958WB", "00:1A:2B:3C:4D:5E", "wireless"},
        {"KZL-958WB Office", "00:1A:2B:3C:4D:60", "office-5G"},
        {"KZL-958WB Lab", "00:1A:2B:3C:4D:7A", "lab"},
    };
    for (const QStringList& row : rows) {
        auto* item = new QTreeWidgetItem(list, row);
        item->setTextAlignment(1, Qt::AlignHCenter);
    }
    list->topLevelItem(1)->setSelected(true);
}

void GalleryWindow::buildCentredEdits(const QRect& area)
{
    QWidget* row = section("TCenterEdit: the octet fields of an IP address", area);
    const char* octets[] = {"192", "168", "1", "254"};
    for (int i = 0; i < 4; ++i) {
        auto* edit = new TCenterEdit(row);
        edit->setObjectName(QString("EdtOctet%1").arg(i));
        edit->setText(octets[i]);
        edit->setGeometry(i * 48, 6, 36, 21);
        if (i < 3)
            caption(row, ".", QRect(i * 48 + 36, 6, 12, 21));
    }
}
