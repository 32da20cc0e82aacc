#include "Uformautorun.h"

#include "app/Uformres.h"
#include "app/Uglobalvar.h"
#include "app/Uutility.h"
#include "app/WindowDrag.h"
#include "controls/Gwimage.h"
#include "controls/Utrifacebtn.h"
#include "platform/Messages.h"
#include "platform/Shell.h"
#include "wizard/Uformmain.h"

#include <QLabel>

TFormAutorun* FormAutorun = nullptr;

namespace {

void setFaces(TTrifaceBtn* button, const char* normal, const char* over)
{
    button->SetFace(FormRes->Picture(normal));
    button->SetFaceOver(FormRes->Picture(over));
    button->SetFaceDown(FormRes->Picture(over));
    button->SetAutoShape(true); // the shape is cut from the normal face
}

} // namespace

TFormAutorun::TFormAutorun(QWidget* parent) : QWidget(parent, Qt::FramelessWindowHint | Qt::Window)
{
    setObjectName("FormAutorun");
    setFixedSize(600, 450);
    CentreOnScreen(this);

    ImgBG = new QLabel(this);
    ImgBG->setObjectName("ImgBG");
    ImgBG->setGeometry(0, 0, 600, 450);
    new WindowDrag(ImgBG);
    BtnSetupWizard = addFaceButton("BtnSetupWizard", {356, 94, 197, 32});
    BtnUG = addFaceButton("BtnUG", {356, 143, 197, 31});
    BtnUG_UG = addGuideButton("BtnUG_UG", {356, 173, 198, 21});
    BtnUG_QIG = addGuideButton("BtnUG_QIG", {356, 194, 198, 21});
    BtnProductReg = addFaceButton("BtnProductReg", {357, 238, 196, 30});
    BtnExit = addFaceButton("BtnExit", {357, 287, 197, 31});
    setTabOrder(BtnSetupWizard, BtnUG);
    setTabOrder(BtnUG, BtnProductReg);
    setTabOrder(BtnProductReg, BtnExit);

    connect(BtnSetupWizard, &QAbstractButton::clicked, this, [this] { BtnSetupWizardClick(); });
    connect(BtnUG, &QAbstractButton::clicked, this, [this] { BtnUGClick(); });
    connect(BtnUG_UG, &TGWImage::clicked, this, [this] { BtnUG_UGClick(); });
    connect(BtnUG_QIG, &TGWImage::clicked, this, [this] { BtnUG_QIGClick(); });
    connect(BtnProductReg, &QAbstractButton::clicked, this, [this] { BtnProductRegClick(); });
    connect(BtnExit, &QAbstractButton::clicked, this, [this] { BtnExitClick(); });

    CGlobalVar& g = GlobalVar();
    setWindowTitle(g.appTitle);
    {
        IniLock lock(*g.ini);
        TranslateTexts(this, "FormAutorun", lock.reader());
    }
    ImgBG->setPixmap(QPixmap::fromImage(FormRes->Picture("ImgBGAutorun")));
    setFaces(BtnSetupWizard, "ImgBtnSetupWizardN", "ImgBtnSetupWizardD");
    setFaces(BtnUG, "ImgBtnUGN", "ImgBtnUGD");
    setFaces(BtnProductReg, "ImgBtnProductRegN", "ImgBtnProductRegD");
    setFaces(BtnExit, "ImgBtnExitN", "ImgBtnExitD");
    BtnUG_UG->SetImage0(FormRes->Picture("ImgBtnUG_UGN"));
    BtnUG_UG->SetImage(1, FormRes->Picture("ImgBtnUG_UGD"));
    BtnUG_QIG->SetImage0(FormRes->Picture("ImgBtnUG_QIGN"));
    BtnUG_QIG->SetImage(1, FormRes->Picture("ImgBtnUG_QIGD"));
    {
        IniLock lock(*g.ini);
        ApplyLayout(this, "FormAutorun", lock.reader());
    }
}

TFormAutorun::~TFormAutorun()
{
    if (FormAutorun == this)
        FormAutorun = nullptr;
}

TTrifaceBtn* TFormAutorun::addFaceButton(const char* name, const QRect& geometry)
{
    auto* button = new TTrifaceBtn(this);
    button->setObjectName(name);
    button->SetTransColor(TTrifaceBtn::Fuchsia());
    button->setGeometry(geometry);
    return button;
}

TGWImage* TFormAutorun::addGuideButton(const char* name, const QRect& geometry)
{
    auto* button = new TGWImage(this);
    button->setObjectName(name);
    button->SetImageSource(gsrcImage);
    button->SetMouseOverEffect(true);
    button->setGeometry(geometry);
    button->hide();
    return button;
}

bool TFormAutorun::event(QEvent* e)
{
    if (WindowMessageEvent* message = AsWindowMessage(e)) {
        switch (message->msg) {
        case UM_WIZARD:
        case UM_UDP_RESULT:
        case UM_UDP_TIMEOUT:
        case UM_UDP_EVENT:
            if (FormMain != nullptr)
                message->result =
                    SendMessage(FormMain, message->msg, message->wParam, message->lParam);
            break;
        default:
            break;
        }
        return true;
    }
    return QWidget::event(e);
}

void TFormAutorun::BtnSetupWizardClick()
{
    if (FormMain == nullptr)
        return;
    hide();
    if (FormMain->exec() == 1) {
        close();
        return;
    }
    show();
}

void TFormAutorun::BtnUGClick()
{
    guidesExpanded = !guidesExpanded;
    const int shift = guidesExpanded ? kGuideShift : -kGuideShift;
    BtnProductReg->move(BtnProductReg->pos() + QPoint(0, shift));
    BtnExit->move(BtnExit->pos() + QPoint(0, shift));
    BtnUG_UG->setVisible(guidesExpanded);
    BtnUG_QIG->setVisible(guidesExpanded);
}

void TFormAutorun::BtnUG_UGClick()
{
    userGuide.Open();
}

void TFormAutorun::BtnUG_QIGClick()
{
    Shell::current().Open("explore", GlobalVar().ini->ReadString("Product", "QIG", "QIG"));
}

void TFormAutorun::BtnProductRegClick()
{
    const QString address = GlobalVar().ini->ReadString("Product", "ProductReg", "");
    if (!address.isEmpty())
        Shell::current().Open("open", address);
}

void TFormAutorun::BtnExitClick()
{
    close();
}
