#include "WizardFixture.h"
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

#include <QCheckBox>
#include <QRadioButton>

namespace {

class FormMainTest : public WizardFixture
{
protected:
    // Puts the wizard on page directly, as a forward move would.
    void goTo(TFrameBase* page) { ASSERT_TRUE(wizard->SwitchPage(page, NavNext, 0)); }
    // The static-address choice of the setup method page.
    QRadioButton* staticChoice()
    {
        auto* radio = wizard->FrameSetupMethod1->findChild<QRadioButton*>("RBtnSetIP");
        if (radio == nullptr) {
            radio = new QRadioButton(wizard->FrameSetupMethod1);
            radio->setObjectName("RBtnSetIP");
        }
        return radio;
    }
};

TEST_F(FormMainTest, WindowHoldsTwelvePagesInComponentOrder)
{
    start();
    EXPECT_EQ(wizard->size(), QSize(600, 450));
    EXPECT_TRUE(wizard->windowFlags() & Qt::FramelessWindowHint);
    QStringList names;
    for (TFrameBase* page : wizard->Pages()) {
        names << page->objectName();
        EXPECT_EQ(page->pos(), QPoint(0, 104)) << page->objectName().toStdString();
        EXPECT_EQ(page->isHidden(), page != current()) << page->objectName().toStdString();
    }
    EXPECT_EQ(names, QStringList({"FrameWelcome1", "FrameLicense1", "FrameTutorial1",
                                  "FrameDevList1", "FramePassword1", "FrameSetupMethod1",
                                  "FrameDevIPCfg1", "FrameSetWlMethod1", "FrameWPSMethod1",
                                  "FrameSuccess1", "FrameWlProfile1", "FrameTutorial21"}));
    EXPECT_EQ(wizard->FrameTutorial21->size(), QSize(600, 324));
    EXPECT_EQ(wizard->FrameDevList1->size(), QSize(600, 323));
}

TEST_F(FormMainTest, FirstRequestGoesToTheLicencePageBeforeTheWindowIsShown)
{
    program.write("License.rtf", "{\\rtf1 Terms}");
    start("[Product]\nLicense=License.rtf\n");
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(current(), wizard->FrameLicense1);
}

TEST_F(FormMainTest, NextTableWalksTheWholeRoad)
{
    start("[Setting]\nNonWorking=1\n");
    CGlobalVar& g = GlobalVar();
    EXPECT_EQ(current(), wizard->FrameTutorial1); // no licence named: passed through
    const std::pair<TFrameBase*, TFrameBase*> road[] = {
        {wizard->FrameTutorial1, wizard->FrameTutorial21},
        {wizard->FrameTutorial21, wizard->FrameDevList1},
        {wizard->FrameDevList1, wizard->FramePassword1},
        {wizard->FramePassword1, wizard->FrameSetupMethod1},
        {wizard->FrameSetupMethod1, wizard->FrameSetWlMethod1},
        {wizard->FrameSetWlMethod1, wizard->FrameWPSMethod1},
        {wizard->FrameWPSMethod1, wizard->FrameSuccess1},
        {wizard->FrameSuccess1, wizard->FrameSetupMethod1},
    };
    for (const auto& [from, to] : road) {
        ASSERT_EQ(current(), from);
        request(WIZ_NEXT);
        EXPECT_EQ(current(), to) << from->objectName().toStdString();
    }
    EXPECT_EQ(g.setupStage, 1); // the hand-over happened on the way
    request(WIZ_NEXT);
    EXPECT_EQ(current(), wizard->FrameSetWlMethod1);
    g.wirelessMethod = 1;
    request(WIZ_NEXT);
    EXPECT_EQ(current(), wizard->FrameWlProfile1);
    request(WIZ_NEXT);
    EXPECT_EQ(current(), wizard->FrameSuccess1);
    g.wirelessMethod = 7;
    goTo(wizard->FrameSetWlMethod1);
    request(WIZ_NEXT);
    EXPECT_EQ(current(), wizard->FrameSetWlMethod1);
}

TEST_F(FormMainTest, SetupMethodNextDependsOnStageAndChoice)
{
    start();
    CGlobalVar& g = GlobalVar();
    g.currentIp.ipAddress = 0xC0A80A64;
    g.currentWireless.stdChannel = 6;

    goTo(wizard->FrameSetupMethod1);
    g.setupStage = 2;
    request(WIZ_NEXT);
    EXPECT_EQ(current(), wizard->FrameSetupMethod1);

    g.setupStage = 0;
    staticChoice()->setChecked(true);
    request(WIZ_NEXT);
    EXPECT_EQ(current(), wizard->FrameDevIPCfg1);
    EXPECT_EQ(g.pendingIp.ipAddress, 0u); // the static choice copies on leaving the IP page
    EXPECT_EQ(g.setupStage, 0);
    request(WIZ_NEXT);
    EXPECT_EQ(current(), wizard->FrameSetWlMethod1);
    EXPECT_EQ(g.setupStage, 1);
    EXPECT_EQ(g.pendingIp.ipAddress, 0xC0A80A64u);
    EXPECT_EQ(g.pendingWireless.stdChannel, 6);

    request(WIZ_BACK); // static choice checked now: back to the IP page
    EXPECT_EQ(current(), wizard->FrameDevIPCfg1);
    staticChoice()->setChecked(false);
    goTo(wizard->FrameSetWlMethod1);
    request(WIZ_BACK);
    EXPECT_EQ(current(), wizard->FrameSetupMethod1);

    g.setupStage = 0;
    g.pendingIp = IpSettings{};
    request(WIZ_NEXT); // dynamic choice: the copy comes at once
    EXPECT_EQ(current(), wizard->FrameSetWlMethod1);
    EXPECT_EQ(g.pendingIp.ipAddress, 0xC0A80A64u);
}

TEST_F(FormMainTest, BackTable)
{
    start();
    const std::pair<TFrameBase*, TFrameBase*> back[] = {
        {wizard->FrameTutorial21, wizard->FrameTutorial1},
        {wizard->FrameDevList1, wizard->FrameTutorial21},
        {wizard->FramePassword1, wizard->FrameDevList1},
        {wizard->FrameSetupMethod1, wizard->FrameDevList1},
        {wizard->FrameDevIPCfg1, wizard->FrameSetupMethod1},
        {wizard->FrameSetWlMethod1, wizard->FrameSetupMethod1},
        {wizard->FrameWlProfile1, wizard->FrameSetWlMethod1},
        {wizard->FrameWPSMethod1, wizard->FrameSetWlMethod1},
        {wizard->FrameSuccess1, wizard->FrameSetupMethod1},
        {wizard->FrameWelcome1, wizard->FrameWelcome1},
    };
    for (const auto& [from, to] : back) {
        goTo(from);
        request(WIZ_BACK);
        EXPECT_EQ(current(), to) << from->objectName().toStdString();
    }
}

TEST_F(FormMainTest, BackOnTheFirstPagesClosesWithTwoAndKeepsThePage)
{
    start();
    for (TFrameBase* first : {static_cast<TFrameBase*>(wizard->FrameLicense1),
                              static_cast<TFrameBase*>(wizard->FrameTutorial1)}) {
        ASSERT_TRUE(wizard->SwitchPage(first, NavBack, 0)); // a forward entry would pass on
        wizard->setResult(0);
        request(WIZ_BACK);
        EXPECT_EQ(wizard->result(), 2);
        EXPECT_EQ(current(), first);
    }
}

TEST_F(FormMainTest, ExitAsksAndOnlyYesEnds)
{
    start("[Message]\nMSG_Exit=Leave now?\n[Product]\nMsgTitle=Title\n");
    goTo(wizard->FrameDevList1);
    wizard->setResult(0);
    dialogs.answers = {false, true};
    request(WIZ_EXIT);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, ScriptedDialogs::Kind::Question);
    EXPECT_EQ(dialogs.shown[0].text, "Leave now?");
    EXPECT_EQ(dialogs.shown[0].title, "Title");
    EXPECT_EQ(wizard->result(), 0);
    EXPECT_EQ(current(), wizard->FrameDevList1);
    request(WIZ_EXIT);
    EXPECT_EQ(wizard->result(), 1);
}

TEST_F(FormMainTest, UnknownRequestsAndMessagesWithoutAPageAreDropped)
{
    start();
    goTo(wizard->FramePassword1);
    PostMessage(MainWindow(), UM_WIZARD, 9, 0);
    settle();
    EXPECT_EQ(current(), wizard->FramePassword1);
    ASSERT_TRUE(wizard->SwitchPage(nullptr, NavBack, 0));
    EXPECT_EQ(SendMessage(MainWindow(), UM_UDP_RESULT, 2, 1), 0);
    EXPECT_EQ(current(), nullptr);
}

// A page that records the protocol and can refuse.
class ProbePage : public TFrameBase
{
public:
    explicit ProbePage(QWidget* parent) : TFrameBase("ProbePage", parent) {}
    bool CanEnterPage(TFrameBase* from, NavDirection d, LPARAM p) override
    {
        calls << "CanEnter";
        return refuseEnter ? false : TFrameBase::CanEnterPage(from, d, p);
    }
    void PageEntered(TFrameBase*, NavDirection, LPARAM) override
    {
        calls << QString("Entered visible=%1").arg(!isHidden());
    }
    bool CanLeavePage(TFrameBase* to, NavDirection d, LPARAM p) override
    {
        calls << "CanLeave";
        return refuseLeave ? false : TFrameBase::CanLeavePage(to, d, p);
    }
    void PageLeft(TFrameBase*, NavDirection, LPARAM) override
    {
        calls << QString("Left visible=%1").arg(!isHidden());
    }
    bool refuseEnter = false;
    bool refuseLeave = false;
    QStringList calls;
};

TEST_F(FormMainTest, SwitchPageRunsTheProtocolInOrderAndRespectsRefusals)
{
    start();
    auto* a = new ProbePage(wizard.get());
    auto* b = new ProbePage(wizard.get());
    a->hide();
    b->hide();
    ASSERT_TRUE(wizard->SwitchPage(a, NavNext, 0));
    a->calls.clear();
    EXPECT_TRUE(wizard->SwitchPage(a, NavNext, 0)); // already there: nothing happens
    EXPECT_TRUE(a->calls.isEmpty());

    a->refuseLeave = true;
    EXPECT_FALSE(wizard->SwitchPage(b, NavNext, 0));
    EXPECT_TRUE(b->calls.isEmpty());
    a->refuseLeave = false;
    b->refuseEnter = true;
    EXPECT_FALSE(wizard->SwitchPage(b, NavNext, 0));
    EXPECT_EQ(current(), a);
    EXPECT_FALSE(a->isHidden());
    b->refuseEnter = false;

    a->calls.clear();
    b->calls.clear();
    EXPECT_TRUE(wizard->SwitchPage(b, NavNext, 0));
    EXPECT_EQ(a->calls, QStringList({"CanLeave", "Left visible=0"}));
    EXPECT_EQ(b->calls, QStringList({"CanEnter", "Entered visible=1"}));
    EXPECT_EQ(b->prevPage, a);
    EXPECT_TRUE(wizard->SwitchPage(a, NavBack, 0));
    EXPECT_EQ(b->prevPage, nullptr);
}

TEST_F(FormMainTest, EngineMessagesReachThePageOnShow)
{
    start();
    auto* probe = new ProbePage(wizard.get());
    struct Recorder : ProbePage
    {
        using ProbePage::ProbePage;
        void HandleMessage(WindowMessageEvent& m) override
        {
            calls << QString("msg %1 %2 %3").arg(m.msg, 0, 16).arg(m.wParam).arg(m.lParam);
        }
    };
    delete probe;
    auto* page = new Recorder(wizard.get());
    ASSERT_TRUE(wizard->SwitchPage(page, NavNext, 0));
    page->calls.clear();
    PostMessage(MainWindow(), UM_UDP_RESULT, 2, 1);
    PostMessage(MainWindow(), UM_UDP_TIMEOUT, 6, 0);
    PostMessage(MainWindow(), UM_UDP_EVENT, 0, 34);
    PostMessage(MainWindow(), UM_SOCKET, 1, 1); // not forwarded
    settle();
    EXPECT_EQ(page->calls, QStringList({"msg 8066 2 1", "msg 8067 6 0", "msg 8068 0 34"}));
}

} // namespace
