#include "Uformmain.h"

#include "app/Uformres.h"
#include "app/Uglobalvar.h"
#include "app/Uutility.h"
#include "app/WindowDrag.h"
#include "wizard/Uframedevipcfg.h"
#include "wizard/Uframedevlist.h"
#include "wizard/Uframelicense.h"
#include "wizard/Uframepassword.h"
#include "wizard/Uframesetupmethod.h"
#include "wizard/Uframesetwlmethod.h"
#include "wizard/Uframesuccess.h"
#include "wizard/Uframetutorial.h"
#include "wizard/Uframetutorial2.h"
#include "wizard/Uframewelcome.h"
#include "wizard/Uframewlprofile.h"
#include "wizard/Uframewpsmethod.h"

#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>

TFormMain* FormMain = nullptr;

namespace {
constexpr int kPageTop = 104;
}

TFormMain::TFormMain(QWidget* parent) : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
{
    setObjectName("FormMain");
    setFixedSize(600, 450);
    setModal(true);
    CentreOnScreen(this);

    ImgBG = new QLabel(this);
    ImgBG->setObjectName("ImgBG");
    ImgBG->setGeometry(0, 0, 600, 450);
    new WindowDrag(ImgBG);

    FrameWelcome1 = addPage<TFrameWelcome>("FrameWelcome1");
    FrameLicense1 = addPage<TFrameLicense>("FrameLicense1");
    FrameTutorial1 = addPage<TFrameTutorial>("FrameTutorial1");
    FrameDevList1 = addPage<TFrameDevList>("FrameDevList1");
    FramePassword1 = addPage<TFramePassword>("FramePassword1");
    FrameSetupMethod1 = addPage<TFrameSetupMethod>("FrameSetupMethod1");
    FrameDevIPCfg1 = addPage<TFrameDevIPCfg>("FrameDevIPCfg1");
    FrameSetWlMethod1 = addPage<TFrameSetWlMethod>("FrameSetWlMethod1");
    FrameWPSMethod1 = addPage<TFrameWPSMethod>("FrameWPSMethod1");
    FrameSuccess1 = addPage<TFrameSuccess>("FrameSuccess1");
    FrameWlProfile1 = addPage<TFrameWlProfile>("FrameWlProfile1");
    FrameTutorial21 = addPage<TFrameTutorial2>("FrameTutorial21");

    CGlobalVar& g = GlobalVar();
    setWindowTitle(g.appTitle);
    {
        IniLock lock(*g.ini);
        TranslateTexts(this, "FormMain", lock.reader());
    }
    ImgBG->setPixmap(QPixmap::fromImage(FormRes->Picture("ImgBGMain")));
    {
        IniLock lock(*g.ini);
        ApplyLayout(this, "FormMain", lock.reader());
    }
    for (TFrameBase* page : pages_) {
        page->InitPage();
        page->hide();
    }
    currentPage = nullptr;
    PostMessage(this, UM_WIZARD, WIZ_NEXT, 0);
}

TFormMain::~TFormMain()
{
    for (TFrameBase* page : pages_)
        page->DonePage();
    if (FormMain == this)
        FormMain = nullptr;
}

template <class Page> Page* TFormMain::addPage(const char* name)
{
    auto* page = new Page(this);
    page->setObjectName(name);
    page->move(0, kPageTop);
    pages_.push_back(page);
    return page;
}

bool TFormMain::event(QEvent* e)
{
    WindowMessageEvent* message = AsWindowMessage(e);
    if (message == nullptr)
        return QDialog::event(e);
    switch (message->msg) {
    case UM_WIZARD:
        OnWizardCommand(message->wParam, message->lParam);
        break;
    case UM_UDP_RESULT:
    case UM_UDP_TIMEOUT:
    case UM_UDP_EVENT:
        if (currentPage != nullptr)
            SendMessage(currentPage, message->msg, message->wParam, message->lParam);
        break;
    default:
        break;
    }
    return true;
}

void TFormMain::keyPressEvent(QKeyEvent* e)
{
    // The wizard has no Cancel button: Escape does not close it.
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TFormMain::OnWizardCommand(WPARAM wParam, LPARAM lParam)
{
    switch (wParam) {
    case WIZ_EXIT:
        confirmExit();
        break;
    case WIZ_NEXT:
        GoNext(lParam);
        break;
    case WIZ_BACK:
        GoBack(lParam);
        break;
    default:
        break;
    }
}

void TFormMain::confirmExit()
{
    if (AskMessageText("MSG_Exit"))
        done(1);
}

bool TFormMain::SwitchPage(TFrameBase* page, NavDirection direction, LPARAM param)
{
    if (page == currentPage)
        return true;
    if (currentPage != nullptr && !currentPage->CanLeavePage(page, direction, param))
        return false;
    if (page != nullptr && !page->CanEnterPage(currentPage, direction, param))
        return false;
    TFrameBase* old = currentPage;
    if (old != nullptr) {
        old->hide();
        old->PageLeft(page, direction, param);
    }
    if (page != nullptr) {
        page->show();
        page->PageEntered(old, direction, param);
    }
    currentPage = page;
    return true;
}

bool TFormMain::staticAddressChosen() const
{
    const auto* radio = FrameSetupMethod1->findChild<QRadioButton*>("RBtnSetIP");
    return radio != nullptr && radio->isChecked();
}

void TFormMain::handOverToWirelessStep()
{
    CGlobalVar& g = GlobalVar();
    g.setupStage = 1;
    g.pendingIp = g.currentIp;
    g.pendingWireless = g.currentWireless;
}

TFrameBase* TFormMain::nextPage()
{
    CGlobalVar& g = GlobalVar();
    TFrameBase* page = currentPage;
    if (page == nullptr || page == FrameWelcome1)
        return FrameLicense1;
    if (page == FrameLicense1)
        return FrameTutorial1;
    if (page == FrameTutorial1)
        return FrameTutorial21;
    if (page == FrameTutorial21)
        return FrameDevList1;
    if (page == FrameDevList1)
        return FramePassword1;
    if (page == FramePassword1)
        return FrameSetupMethod1;
    if (page == FrameSetupMethod1) {
        if (g.setupStage == 0) {
            if (staticAddressChosen())
                return FrameDevIPCfg1;
            handOverToWirelessStep();
            return FrameSetWlMethod1;
        }
        return g.setupStage == 1 ? FrameSetWlMethod1 : currentPage;
    }
    if (page == FrameDevIPCfg1) {
        handOverToWirelessStep();
        return FrameSetWlMethod1;
    }
    if (page == FrameSetWlMethod1) {
        if (g.wirelessMethod == 0)
            return FrameWPSMethod1;
        return g.wirelessMethod == 1 ? FrameWlProfile1 : currentPage;
    }
    if (page == FrameWlProfile1)
        return FrameWlProfile1->MoveSubPage(true) ? FrameSuccess1 : currentPage;
    if (page == FrameWPSMethod1)
        return FrameSuccess1;
    if (page == FrameSuccess1)
        return FrameSetupMethod1;
    return currentPage;
}

void TFormMain::GoNext(LPARAM param)
{
    SwitchPage(nextPage(), NavNext, param);
}

TFrameBase* TFormMain::previousPage()
{
    TFrameBase* page = currentPage;
    if (page == FrameTutorial21)
        return FrameTutorial1;
    if (page == FrameDevList1)
        return FrameTutorial21;
    if (page == FramePassword1 || page == FrameSetupMethod1)
        return FrameDevList1;
    if (page == FrameDevIPCfg1)
        return FrameSetupMethod1;
    if (page == FrameSetWlMethod1)
        return staticAddressChosen() ? static_cast<TFrameBase*>(FrameDevIPCfg1)
                                     : static_cast<TFrameBase*>(FrameSetupMethod1);
    if (page == FrameWlProfile1)
        return FrameWlProfile1->MoveSubPage(false) ? FrameSetWlMethod1 : currentPage;
    if (page == FrameWPSMethod1)
        return FrameSetWlMethod1;
    if (page == FrameSuccess1)
        return FrameSetupMethod1;
    return currentPage;
}

void TFormMain::GoBack(LPARAM param)
{
    // Back on the first pages closes the wizard; the page stays current for the next opening.
    if (currentPage == FrameLicense1 || currentPage == FrameTutorial1) {
        done(2);
        return;
    }
    SwitchPage(previousPage(), NavBack, param);
}
