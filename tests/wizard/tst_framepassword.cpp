#include "EngineWizardFixture.h"
#include "controls/Sortlistview.h"
#include "controls/Utrifacebtn.h"
#include "wizard/Uformprogress.h"
#include "wizard/Uframedevlist.h"
#include "wizard/Uframepassword.h"
#include "wizard/Uframesetupmethod.h"
#include "wizard/Uframetutorial2.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>

namespace {

class PasswordTest : public EngineWizardFixture
{
protected:
    TFramePassword* page() const { return wizard->FramePassword1; }

    // The device list found the emulated device and Configure was pressed.
    void chooseDevice(const QByteArray& settings = {})
    {
        startWithDevices(1, settings);
        searchFromTutorial();
        auto* list = wizard->FrameDevList1;
        if (list->LvDevList->topLevelItemCount() > 0)
            list->LvDevList->topLevelItem(0)->setSelected(true);
        list->BtnCfg->click();
        settle();
        ASSERT_EQ(current(), page());
    }

    // Types password and presses Login; the progress dialog runs inside.
    void login(const QString& password)
    {
        page()->EdtPassword->setText(password);
        page()->BtnLogin->click();
        settle();
    }

    QStringList notices() const
    {
        QStringList texts;
        for (const auto& shown : dialogs.shown)
            texts << shown.text;
        return texts;
    }
};

TEST_F(PasswordTest, AcceptedLoginReadsTheSettingsAndMovesOn)
{
    apSettings.password = "s3cret";
    apSettings.gateway = 0xC0000201;
    chooseDevice();
    EXPECT_EQ(page()->EdtPassword->text(), "vexil"); // the built-in password at first
    EXPECT_EQ(page()->EdtPassword->maxLength(), 32);
    EXPECT_EQ(page()->EdtPassword->echoMode(), QLineEdit::Password);
    const std::uint32_t pressed = GetTickCount();
    login("s3cret");
    EXPECT_EQ(current(), static_cast<TFrameBase*>(wizard->FrameSetupMethod1));
    EXPECT_TRUE(notices().isEmpty()) << notices().join("|").toStdString();
    const CGlobalVar& g = GlobalVar();
    EXPECT_EQ(g.password, "s3cret");
    EXPECT_EQ(g.currentIp.ipMode, 0);
    EXPECT_EQ(g.currentIp.ipAddress, 0xC0000214u);
    EXPECT_EQ(g.currentIp.subnetMask, 0xFFFFFF00u);
    EXPECT_EQ(g.currentIp.gateway, 0xC0000201u);
    EXPECT_STREQ(g.currentWireless.ssid, "wireless");
    EXPECT_TRUE(engine->loggedIn());
    EXPECT_LT(GetTickCount() - pressed, 1000u); // 200 ms to the start action, then replies
    EXPECT_EQ(page()->progress, nullptr);
}

TEST_F(PasswordTest, WrongPasswordEndsInTheLoginTimeout)
{
    chooseDevice();
    const std::uint32_t pressed = GetTickCount();
    login("wrong");
    EXPECT_EQ(current(), page());
    EXPECT_EQ(notices(), QStringList({"Unable to login the deivce."}));
    EXPECT_EQ(dialogs.shown[0].kind, ScriptedDialogs::Kind::Notice);
    EXPECT_EQ(GetTickCount() - pressed, 2200u);
    EXPECT_EQ(GlobalVar().password, "wrong"); // kept whatever the outcome
}

TEST_F(PasswordTest, RefusalGivesTheLoginMessage)
{
    apSettings.faults.refuse.insert(CMD_LOGIN);
    chooseDevice();
    const std::uint32_t pressed = GetTickCount();
    login("vexil");
    EXPECT_EQ(notices(), QStringList({"Unable to login the deivce."}));
    EXPECT_EQ(current(), page());
    EXPECT_LT(GetTickCount() - pressed, 2200u); // answered at once, no time-out
}

TEST_F(PasswordTest, GetConfigTimeoutGivesTheSameMessageAndStaysLoggedIn)
{
    apSettings.faults.drop[CMD_GET_CONFIG] = 100;
    chooseDevice();
    const std::uint32_t pressed = GetTickCount();
    login("vexil");
    EXPECT_EQ(notices(), QStringList({"Unable to login the deivce."}));
    EXPECT_TRUE(engine->loggedIn());
    EXPECT_EQ(current(), page());
    EXPECT_GE(GetTickCount() - pressed, 2200u);
}

TEST_F(PasswordTest, LateLoginReplyChangesNothing)
{
    apSettings.faults.delayMs[CMD_LOGIN] = 2500;
    chooseDevice();
    login("vexil");
    EXPECT_EQ(notices(), QStringList({"Unable to login the deivce."}));
    runFor(2000); // the late reply arrives now
    EXPECT_EQ(current(), page());
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(PasswordTest, NonWorkingMovesOnAfterTheMessage)
{
    chooseDevice("[Setting]\nNonWorking=1\n");
    login("wrong");
    EXPECT_EQ(notices(), QStringList({"Unable to login the deivce."}));
    EXPECT_EQ(current(), static_cast<TFrameBase*>(wizard->FrameSetupMethod1));
}

TEST_F(PasswordTest, ForwardEntryShowsTheLastPasswordBackwardLeavesTheField)
{
    chooseDevice();
    login("wrong");
    page()->EdtPassword->setText("typed but not sent");
    request(WIZ_BACK);
    ASSERT_EQ(current(), wizard->FrameDevList1);
    ASSERT_TRUE(wizard->SwitchPage(page(), NavBack, 0));
    EXPECT_EQ(page()->EdtPassword->text(), "typed but not sent");
    request(WIZ_BACK);
    request(WIZ_NEXT);
    EXPECT_EQ(page()->EdtPassword->text(), "wrong");
}

TEST_F(PasswordTest, EmptyPasswordUsesTheBuiltInKey)
{
    apSettings.password = "";
    chooseDevice();
    login("");
    EXPECT_EQ(current(), static_cast<TFrameBase*>(wizard->FrameSetupMethod1));
    EXPECT_TRUE(notices().isEmpty());
}

TEST_F(PasswordTest, OtherResultsDoNotEndTheDialog)
{
    apSettings.faults.delayMs[CMD_LOGIN] = 1500;
    chooseDevice();
    bool openAfterStrayResult = false;
    TTimer stray(400, true);
    stray.OnTimer = [&] {
        stray.SetEnabled(false);
        PostMessage(MainWindow(), UM_UDP_RESULT, OP_SET_IP, 1);
        WaitWithMessages(100);
        openAfterStrayResult = page()->progress != nullptr && page()->progress->isVisible();
    };
    login("vexil");
    EXPECT_TRUE(openAfterStrayResult);
    EXPECT_EQ(current(), static_cast<TFrameBase*>(wizard->FrameSetupMethod1));
}

TEST_F(PasswordTest, DialogLimitEndsAStuckLoginInMillisecondsOfRealTime)
{
    chooseDevice();
    SetMainWindow(nullptr); // no notification reaches the page: only the limit ends it
    QElapsedTimer real;
    real.start();
    const std::uint32_t pressed = GetTickCount();
    page()->EdtPassword->setText("vexil");
    page()->BtnLogin->click();
    EXPECT_EQ(GetTickCount() - pressed, 200u * 1501);
    SetMainWindow(autorun.get());
    EXPECT_EQ(notices(), QStringList({"Unable to login the deivce."}));
    RecordProperty("real_ms", static_cast<int>(real.elapsed()));
}

} // namespace
