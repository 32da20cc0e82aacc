#include "EngineWizardFixture.h"
#include "app/Uutility.h"
#include "controls/Sortlistview.h"
#include "controls/Utrifacebtn.h"
#include "wizard/Uframedevlist.h"
#include "wizard/Uframepassword.h"
#include "wizard/Uframesetupmethod.h"
#include "wizard/Uframetutorial2.h"

#include <QLabel>

namespace {

class DevListTest : public EngineWizardFixture
{
protected:
    TFrameDevList* page() const { return wizard->FrameDevList1; }
    QStringList rows() const
    {
        QStringList list;
        for (int i = 0; i < page()->LvDevList->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = page()->LvDevList->topLevelItem(i);
            list << row->text(0) + " " + row->text(1);
        }
        return list;
    }
};

TEST_F(DevListTest, ForwardEntrySearchesAndListsDevicesInReplyOrder)
{
    startWithDevices(2);
    ASSERT_TRUE(wizard->SwitchPage(wizard->FrameTutorial21, NavNext, 0));
    request(WIZ_NEXT);
    ASSERT_EQ(current(), page());
    EXPECT_FALSE(page()->PlSearch->isHidden());
    EXPECT_FALSE(page()->BtnRefresh->isEnabled());
    EXPECT_FALSE(page()->BtnCfg->isEnabled());
    EXPECT_TRUE(rows().isEmpty());

    const std::uint32_t searchStart = GetTickCount();
    runFor(3999);
    EXPECT_TRUE(rows().isEmpty());
    runFor(1);
    EXPECT_EQ(GetTickCount() - searchStart, 4000u);
    EXPECT_EQ(rows(),
              QStringList({"KZL-958WB-0001 00:1A:2B:00:00:10", "KZL-958WB-0002 00:1A:2B:00:00:11"}))
        << rows().join(", ").toStdString();
    EXPECT_TRUE(page()->PlSearch->isHidden());
    EXPECT_TRUE(page()->BtnRefresh->isEnabled());
    EXPECT_FALSE(page()->BtnCfg->isEnabled());
    EXPECT_FALSE(page()->TimerSearch.Enabled());

    page()->LvDevList->topLevelItem(1)->setSelected(true);
    EXPECT_TRUE(page()->BtnCfg->isEnabled());
    CGlobalVar& g = GlobalVar();
    g.currentIp.ipAddress = 0x01020304;
    g.pendingWireless.securityMode = 2;
    page()->BtnCfg->click();
    settle();
    EXPECT_EQ(current(), wizard->FramePassword1);
    EXPECT_EQ(FormatMac(g.currentDevice.mac), "00:1A:2B:00:00:11");
    EXPECT_STREQ(g.currentDevice.name, "KZL-958WB-0002");
    EXPECT_EQ(g.currentDevice.localIp, 0xC0000201u);
    EXPECT_EQ(g.currentIp.ipAddress, 0u); // the four records were reset
    EXPECT_EQ(g.pendingWireless.securityMode, 0);
    EXPECT_STREQ(g.pendingWireless.ssid, "wireless");
}

TEST_F(DevListTest, BackFromTheLoginPageKeepsTheListWithoutSearching)
{
    startWithDevices(1);
    searchFromTutorial();
    page()->LvDevList->topLevelItem(0)->setSelected(true);
    page()->BtnCfg->click();
    settle();
    const int discovers = sentWithOpcode(CMD_DISCOVER);
    request(WIZ_BACK);
    EXPECT_EQ(current(), page());
    EXPECT_EQ(sentWithOpcode(CMD_DISCOVER), discovers);
    EXPECT_EQ(rows().size(), 1);
    EXPECT_TRUE(page()->BtnCfg->isEnabled());
}

TEST_F(DevListTest, NoDeviceLeavesConfigureDisabledAndRefreshSearchesAgain)
{
    startWithDevices(0);
    searchFromTutorial();
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_FALSE(page()->BtnCfg->isEnabled());
    page()->BtnCfg->click(); // disabled: nothing
    settle();
    EXPECT_EQ(current(), page());

    aps.push_back(std::make_unique<MemoryApHost>(network, 0, "192.0.2.20", apSettings, 1));
    page()->BtnRefresh->click();
    EXPECT_FALSE(page()->BtnRefresh->isEnabled());
    runFor(4000);
    EXPECT_EQ(rows().size(), 1);
}

TEST_F(DevListTest, NonWorkingEnablesConfigureAndKeepsTheDevice)
{
    startWithDevices(0, "[Setting]\nNonWorking=1\n");
    GlobalVar().currentDevice.mac[5] = 0x77;
    searchFromTutorial();
    EXPECT_TRUE(page()->BtnCfg->isEnabled());
    page()->BtnCfg->click();
    settle();
    EXPECT_EQ(current(), wizard->FramePassword1);
    EXPECT_EQ(GlobalVar().currentDevice.mac[5], 0x77);
}

TEST_F(DevListTest, TimeoutOutsideASearchChangesNothing)
{
    startWithDevices(1);
    searchFromTutorial();
    page()->LvDevList->topLevelItem(0)->setSelected(true);
    PostMessage(MainWindow(), UM_UDP_TIMEOUT, 1, 0);
    settle();
    EXPECT_EQ(rows().size(), 1);
    EXPECT_TRUE(page()->BtnCfg->isEnabled());
}

TEST_F(DevListTest, NoAdapterKeepsThePageIdle)
{
    network.SetAdapterListAvailable(false);
    startWithDevices(1);
    ASSERT_TRUE(wizard->SwitchPage(wizard->FrameTutorial21, NavNext, 0));
    request(WIZ_NEXT);
    EXPECT_TRUE(page()->PlSearch->isHidden());
    EXPECT_TRUE(page()->BtnRefresh->isEnabled());
    EXPECT_FALSE(page()->TimerSearch.Enabled());
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown.back().text, "Unable to initialize adapter interface.");
}

TEST_F(DevListTest, StandInTimerEndsASearchWhoseTimeoutNeverCame)
{
    startWithDevices(1);
    ASSERT_TRUE(wizard->SwitchPage(wizard->FrameTutorial21, NavNext, 0));
    request(WIZ_NEXT);
    SetMainWindow(nullptr); // the engine's notification goes nowhere
    runFor(9999);
    EXPECT_FALSE(page()->PlSearch->isHidden());
    runFor(1);
    EXPECT_TRUE(page()->PlSearch->isHidden());
    EXPECT_EQ(rows().size(), 1);
    SetMainWindow(autorun.get());
}

} // namespace
