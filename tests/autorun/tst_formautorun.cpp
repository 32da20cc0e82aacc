#include "../wizard/WizardFixture.h"
#include "controls/Gwimage.h"
#include "controls/Utrifacebtn.h"
#include "wizard/Uframedevlist.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTest>

namespace {

class FormAutorunTest : public WizardFixture
{};

TEST_F(FormAutorunTest, MenuLayout)
{
    start("[Product]\nAppTitle=Disc Menu\n");
    EXPECT_EQ(autorun->windowTitle(), "Disc Menu");
    EXPECT_EQ(autorun->size(), QSize(600, 450));
    EXPECT_TRUE(autorun->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(autorun->BtnSetupWizard->geometry(), QRect(356, 94, 197, 32));
    EXPECT_EQ(autorun->BtnUG->geometry(), QRect(356, 143, 197, 31));
    EXPECT_EQ(autorun->BtnProductReg->geometry(), QRect(357, 238, 196, 30));
    EXPECT_EQ(autorun->BtnExit->geometry(), QRect(357, 287, 197, 31));
    EXPECT_TRUE(autorun->BtnSetupWizard->AutoShape());
    EXPECT_TRUE(autorun->BtnUG_UG->isHidden());
    EXPECT_TRUE(autorun->BtnUG_QIG->isHidden());
    EXPECT_EQ(autorun->ImgBG->pixmap().size(), QSize(600, 450));
}

TEST_F(FormAutorunTest, GuideButtonExpandsAndCollapsesByFortyEightPixels)
{
    start();
    autorun->BtnUG->click();
    EXPECT_TRUE(autorun->GuidesExpanded());
    EXPECT_FALSE(autorun->BtnUG_UG->isHidden());
    EXPECT_FALSE(autorun->BtnUG_QIG->isHidden());
    EXPECT_EQ(autorun->BtnProductReg->y(), 286);
    EXPECT_EQ(autorun->BtnExit->y(), 335);
    autorun->BtnUG->click();
    EXPECT_TRUE(autorun->BtnUG_UG->isHidden());
    EXPECT_EQ(autorun->BtnProductReg->y(), 238);
    EXPECT_EQ(autorun->BtnExit->y(), 287);
}

TEST_F(FormAutorunTest, RegistrationGuideFolderAndUserGuideGoThroughTheShell)
{
    start("[Product]\nQIG=Guides/QIG\nUserGuide=absent.pdf\n");
    autorun->BtnProductRegClick(); // empty ProductReg: nothing
    EXPECT_TRUE(shell.calls.isEmpty());
    program.write("Setup.ini", "[Product]\nProductReg=https://www.example.com/register\n");
    autorun->BtnProductRegClick();
    autorun->BtnUG_QIGClick(); // the default folder, as written
    EXPECT_EQ(shell.calls, QStringList({"open https://www.example.com/register", "explore QIG"}));
    autorun->BtnUG_UGClick();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Unable to open the user guide.");
}

TEST_F(FormAutorunTest, WizardBackShowsTheMenuAgainAndExitEndsTheProgram)
{
    start();
    autorun->show();
    bool menuHiddenMeanwhile = false;
    TTimer back(100, true);
    back.OnTimer = [&] {
        back.SetEnabled(false);
        menuHiddenMeanwhile = autorun->isHidden() && wizard->isVisible();
        TFrameBase::PostWizard(WIZ_BACK); // on the first tutorial page: closes with 2
    };
    autorun->BtnSetupWizardClick();
    EXPECT_TRUE(menuHiddenMeanwhile);
    EXPECT_TRUE(autorun->isVisible());

    dialogs.answers = {true};
    TTimer exit(100, true);
    exit.OnTimer = [&] {
        exit.SetEnabled(false);
        TFrameBase::PostWizard(WIZ_EXIT);
    };
    autorun->BtnSetupWizardClick();
    EXPECT_FALSE(autorun->isVisible());
    EXPECT_EQ(wizard->result(), 1);
}

TEST_F(FormAutorunTest, DraggingTheBackgroundMovesTheWindow)
{
    start();
    autorun->show();
    autorun->move(100, 80);
    const QPoint grab = autorun->mapToGlobal(QPoint(20, 20));
    auto send = [this](QEvent::Type type, QPoint global, Qt::MouseButton button,
                       Qt::MouseButtons buttons) {
        QMouseEvent event(type, autorun->ImgBG->mapFromGlobal(global), global, button, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(autorun->ImgBG, &event);
    };
    send(QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, grab + QPoint(50, 30), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(autorun->pos(), QPoint(150, 110));
    send(QEvent::MouseMove, grab + QPoint(90, 90), Qt::NoButton, Qt::NoButton); // released
    EXPECT_EQ(autorun->pos(), QPoint(150, 110));
}

} // namespace
