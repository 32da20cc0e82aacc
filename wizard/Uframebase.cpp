#include "Uframebase.h"

#include "app/Uformres.h"
#include "app/Uglobalvar.h"
#include "app/Uutility.h"
#include "controls/Utrifacebtn.h"

#include <QLabel>

TFrameBase::TFrameBase(const char* className, QWidget* parent)
    : QWidget(parent), className_(className)
{
    MarkAsPage(this);
    resize(600, 323);
}

void TFrameBase::InitPage()
{
    IniLock lock(*GlobalVar().ini);
    TranslateTexts(this, className_, lock.reader());
}

void TFrameBase::DonePage() {}

bool TFrameBase::CanEnterPage(TFrameBase* from, NavDirection direction, LPARAM)
{
    if (direction == NavNext)
        prevPage = from;
    return true;
}

void TFrameBase::PageEntered(TFrameBase*, NavDirection, LPARAM) {}

bool TFrameBase::CanLeavePage(TFrameBase*, NavDirection direction, LPARAM)
{
    if (direction == NavBack)
        prevPage = nullptr;
    return true;
}

void TFrameBase::PageLeft(TFrameBase*, NavDirection, LPARAM) {}

void TFrameBase::PostWizard(WizardCommand command)
{
    PostMessage(MainWindow(), UM_WIZARD, command, 0);
}

void TFrameBase::HandleMessage(WindowMessageEvent&) {}

bool TFrameBase::event(QEvent* e)
{
    if (WindowMessageEvent* message = AsWindowMessage(e)) {
        HandleMessage(*message);
        return true;
    }
    return QWidget::event(e);
}

QLabel* TFrameBase::AddBackground()
{
    auto* background = new QLabel(this);
    background->setObjectName("ImgBG");
    background->setGeometry(0, 0, width(), height());
    background->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return background;
}

void TFrameBase::SetPicture(QLabel* label, const char* pictureName)
{
    label->setPixmap(QPixmap::fromImage(FormRes->Picture(pictureName)));
}

TTrifaceBtn* TFrameBase::AddPageButton(const char* name, const QString& caption, int left, int top,
                                       QWidget* parent)
{
    auto* button = new TTrifaceBtn(parent != nullptr ? parent : this);
    button->setObjectName(name);
    button->setText(caption);
    button->setGeometry(left, top, 85, 21);
    return button;
}

void TFrameBase::PostOnClick(QAbstractButton* button, WizardCommand command)
{
    connect(button, &QAbstractButton::clicked, this, [command] { PostWizard(command); });
}

void TFrameBase::SetPageButtonFaces(TTrifaceBtn* button)
{
    button->SetFace(FormRes->Picture("ImgBtnN"));
    button->SetFaceOver(FormRes->Picture("ImgBtnH"));
    button->SetFaceDown(FormRes->Picture("ImgBtnD"));
    button->SetTransColor(TTrifaceBtn::Fuchsia());
    button->SetAutoShape(true); // the window is cut to the face's rounded outline
}
