// The emulated access point against the real engine, in-process on the in-memory network.
#include "app/Uglobalvar.h"
#include "platform/testing/ScriptedDialogs.h"
#include "platform/testing/VirtualClock.h"
#include "protocol/Uformudp.h"
#include "protocol/testing/MemoryNetwork.h"
#include "protocol/testing/Notifications.h"
#include "sim/testing/MemoryApHost.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Message = NotificationRecorder::Message;
using Messages = std::vector<Message>;

const MacAddress kAdapter = {0x02, 0xC0, 0x00, 0x00, 0x00, 0x0A};
const MacAddress kApMac = {0x00, 0x1A, 0x2B, 0x00, 0x00, 0x10};

Message result(int op, LPARAM value)
{
    return {UM_UDP_RESULT, static_cast<WPARAM>(op), value, 0};
}
Message timeout(int op)
{
    return {UM_UDP_TIMEOUT, static_cast<WPARAM>(op), 0, 0};
}

class AccessPointTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        network.AddAdapter(kAdapter, "lab0", "192.0.2.1", "255.255.255.0", 0);
        settings.mac = kApMac;
        settings.name = "Lab AP";
        settings.password = "s3cret";
        settings.sessionPort = 6001;
        GlobalVar().password = "s3cret";
        GlobalVar().pendingWireless = WirelessSettings{};
        GlobalVar().currentWireless = WirelessSettings{};
        GlobalVar().ResetIpSettings(GlobalVar().currentIp);
    }

    void Start(int count = 1)
    {
        ap = std::make_unique<MemoryApHost>(
            network, 0, "192.0.2.20", settings, count,
            [this](const std::string& line) { apLog.push_back(line); });
        engine = std::make_unique<TFormUDP>(network);
    }

    std::vector<DeviceInfo> Search()
    {
        EXPECT_TRUE(engine->SendDiscover(4000));
        RunUntil([this] { return !main.messages.empty(); }, 5000);
        std::vector<DeviceInfo> list;
        engine->GetDeviceList(list);
        main.messages.clear();
        return list;
    }

    void Choose(const DeviceInfo& device) { GlobalVar().currentDevice = device; }

    Messages LoginAndWait()
    {
        engine->SendLogin(2000);
        RunUntil([this] { return !main.messages.empty(); }, 3000);
        Messages m = main.messages;
        main.messages.clear();
        return m;
    }

    Messages Await(std::uint32_t limitMs, std::size_t count = 1)
    {
        RunUntil([&] { return main.messages.size() >= count; }, limitMs);
        Messages m = main.messages;
        main.messages.clear();
        return m;
    }

    VirtualClock clock;
    ScriptedDialogs dialogs;
    MemoryNetwork network;
    NotificationRecorder main;
    ApSettings settings;
    std::vector<std::string> apLog;
    std::unique_ptr<MemoryApHost> ap;
    std::unique_ptr<TFormUDP> engine;
};

TEST_F(AccessPointTest, IsFoundLoggedIntoAndReadBack)
{
    settings.ip = 0xC0000214;
    settings.gateway = 0xC0000201;
    settings.ssid = "lab-net";
    Start();
    const std::vector<DeviceInfo> list = Search();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_STREQ(list[0].name, "Lab AP");
    EXPECT_EQ(list[0].deviceIp, 0xC0000214u);
    Choose(list[0]);
    EXPECT_EQ(LoginAndWait(), Messages{result(OP_LOGIN, 1)});
    EXPECT_EQ(engine->remotePort(), 6001);
    engine->SendGetConfig(2000);
    EXPECT_EQ(Await(3000), Messages{result(OP_GET_CONFIG, 1)});
    const CGlobalVar& g = GlobalVar();
    EXPECT_EQ(g.currentIp.ipMode, 0);
    EXPECT_EQ(g.currentIp.ipAddress, 0xC0000214u);
    EXPECT_EQ(g.currentIp.gateway, 0xC0000201u);
    EXPECT_STREQ(g.currentWireless.ssid, "lab-net");
    EXPECT_EQ(g.currentWireless.channelList[10], 11);
    EXPECT_EQ(g.currentWireless.devicePin, 12345670u);
}

TEST_F(AccessPointTest, WrongPasswordEndsInTheClientsTimeout)
{
    Start();
    Choose(Search().at(0));
    GlobalVar().password = "guess";
    EXPECT_EQ(LoginAndWait(), Messages{timeout(OP_LOGIN)});
    EXPECT_FALSE(ap->device().sessionOpen());
}

TEST_F(AccessPointTest, RefusedLoginIsAnsweredWithResultZero)
{
    settings.faults.refuse.insert(CMD_LOGIN);
    Start();
    Choose(Search().at(0));
    EXPECT_EQ(LoginAndWait(), Messages{result(OP_LOGIN, 0)});
    EXPECT_FALSE(engine->loggedIn());
}

TEST_F(AccessPointTest, OnlyTheNamedDeviceAnswersALogin)
{
    Start(3);
    const std::vector<DeviceInfo> list = Search();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_STREQ(list[2].name, "Lab AP-0003");
    EXPECT_EQ(list[2].mac[5], 0x12);
    Choose(list[1]);
    EXPECT_EQ(LoginAndWait(), Messages{result(OP_LOGIN, 1)});
    EXPECT_FALSE(ap->device(0).sessionOpen());
    EXPECT_TRUE(ap->device(1).sessionOpen());
    EXPECT_FALSE(ap->device(2).sessionOpen());
    EXPECT_EQ(engine->targetMac(), ApFleet::NthMac(kApMac, 1));
}

TEST_F(AccessPointTest, DevicesWithOtherPasswordsIgnoreTheLogin)
{
    ApSettings other = settings;
    other.mac = {0x00, 0x1A, 0x2B, 0x00, 0x00, 0x20};
    other.name = "Other AP";
    other.password = "different";
    std::vector<std::string> secondLog;
    MemoryApHost second(network, 0, "192.0.2.30", other, 1,
                        [&](const std::string& line) { secondLog.push_back(line); });
    Start();
    const std::vector<DeviceInfo> list = Search();
    ASSERT_EQ(list.size(), 2u);
    for (const DeviceInfo& device : list) {
        if (std::string(device.name) == "Lab AP")
            Choose(device);
    }
    EXPECT_EQ(LoginAndWait(), Messages{result(OP_LOGIN, 1)});
    EXPECT_TRUE(ap->device().sessionOpen());
    EXPECT_FALSE(second.device().sessionOpen());
    // Deciphered with its own password, the request names no device it knows.
    EXPECT_EQ(
        std::count(secondLog.begin(), secondLog.end(), "    login for another device, ignored"), 1);
}

TEST_F(AccessPointTest, AnotherAuthenticationTextIsRefused)
{
    Start();
    struct Capture final : ApLink
    {
        void Send(const std::vector<std::uint8_t>& p, const std::string&, std::uint16_t,
                  std::uint16_t) override
        {
            packets.push_back(p);
        }
        std::vector<std::vector<std::uint8_t>> packets;
    } capture;
    std::vector<std::uint8_t> login = BuildHeader(kAdapter);
    AppendItem(login, Tlv::DEV_MAC, kApMac.data(), 6);
    AppendTextItem(login, Tlv::AUTH_TEXT, std::string(91, 'x'));
    FinishPacket(login, CMD_LOGIN);
    CipherPayload(login.data(), login.size(), "s3cret");
    ap->device().Receive(login.data(), login.size(), "192.0.2.1", kClientPort, kDevicePort,
                         capture);
    ASSERT_EQ(capture.packets.size(), 1u);
    std::vector<std::uint8_t> reply = capture.packets[0];
    CipherPayload(reply.data(), reply.size(), "s3cret");
    const std::vector<std::uint8_t> items(reply.begin() + 18, reply.end());
    EXPECT_EQ(items, (std::vector<std::uint8_t>{Tlv::RESULT, 1, 0}));
    EXPECT_EQ(PacketAddress(reply.data()), kApMac);
    EXPECT_FALSE(ap->device().sessionOpen());
}

TEST_F(AccessPointTest, EmptyPasswordUsesTheBuiltInKeyOnBothSides)
{
    settings.password.clear();
    GlobalVar().password.clear();
    Start();
    Choose(Search().at(0));
    EXPECT_EQ(LoginAndWait(), Messages{result(OP_LOGIN, 1)});
}

TEST_F(AccessPointTest, WirelessSettingIsAppliedAndReadBack)
{
    Start();
    Choose(Search().at(0));
    ASSERT_EQ(LoginAndWait(), Messages{result(OP_LOGIN, 1)});
    WirelessSettings& wl = GlobalVar().pendingWireless;
    SetFixedText(wl.ssid, "new-net", 7);
    wl.stdChannel = 6;
    wl.extChannel = 2;
    wl.securityMode = 2;
    wl.wpaMode = 1;
    wl.wpaCipher = 1;
    SetFixedText(wl.passphrase, "passphrase!", 11);
    engine->SendWlSetting(60000);
    EXPECT_EQ(Await(61000), Messages{result(OP_SET_WIRELESS, 1)});
    EXPECT_EQ(ap->device().state().passphrase, "passphrase!");
    engine->SendGetConfig(15000);
    EXPECT_EQ(Await(16000), Messages{result(OP_GET_CONFIG, 1)});
    EXPECT_STREQ(GlobalVar().currentWireless.ssid, "new-net");
    EXPECT_EQ(GlobalVar().currentWireless.stdChannel, 6);
    EXPECT_EQ(GlobalVar().currentWireless.securityMode, 2);
    EXPECT_EQ(GlobalVar().currentWireless.wpaCipher, 1);
}

TEST_F(AccessPointTest, StaticAddressIsApplied)
{
    Start();
    Choose(Search().at(0));
    ASSERT_EQ(LoginAndWait(), Messages{result(OP_LOGIN, 1)});
    IpSettings& ip = GlobalVar().pendingIp;
    ip.ipMode = 0;
    ip.ipAddress = 0xC0A80A64;
    ip.subnetMask = 0xFFFFFF00;
    ip.gateway = 0xC0A80A01;
    engine->SendIPSetting(32000);
    EXPECT_EQ(Await(33000), Messages{result(OP_SET_IP, 1)});
    EXPECT_EQ(ap->device().state().ip, 0xC0A80A64u);
    EXPECT_FALSE(ap->device().state().dhcp);
}

TEST_F(AccessPointTest, WpsStartIsFollowedByTheScriptedStatusEvents)
{
    settings.wpsScript = {{3, 500}, {4, 200}, {34, 1000}};
    Start();
    Choose(Search().at(0));
    ASSERT_EQ(LoginAndWait(), Messages{result(OP_LOGIN, 1)});
    const std::uint32_t start = GetTickCount();
    engine->SendWPSPBC(10000);
    const Messages m = Await(5000, 4);
    ASSERT_EQ(m.size(), 4u);
    EXPECT_EQ(m[0], result(OP_WPS_PBC, 1));
    EXPECT_EQ(m[1], (Message{UM_UDP_EVENT, 150, 3, 0}));
    EXPECT_EQ(m[1].tick - start, 500u);
    EXPECT_EQ(m[2], (Message{UM_UDP_EVENT, 150, 4, 0}));
    EXPECT_EQ(m[3], (Message{UM_UDP_EVENT, 150, 34, 0}));
    EXPECT_EQ(m[3].tick - start, 1700u);
}

TEST_F(AccessPointTest, IdleSessionEndsWithTheConnectionTimeoutEvent)
{
    settings.sessionTimeoutS = 30;
    Start();
    Choose(Search().at(0));
    ASSERT_EQ(LoginAndWait(), Messages{result(OP_LOGIN, 1)});
    RunFor(29000);
    EXPECT_TRUE(engine->loggedIn());
    RunFor(2000);
    EXPECT_FALSE(engine->loggedIn());
    EXPECT_FALSE(ap->device().sessionOpen());
    EXPECT_TRUE(main.messages.empty());
}

TEST_F(AccessPointTest, DroppedAndDelayedRepliesEndInTimeouts)
{
    settings.faults.drop[CMD_LOGIN] = 1;
    settings.faults.delayMs[CMD_GET_CONFIG] = 3000;
    Start();
    Choose(Search().at(0));
    EXPECT_EQ(LoginAndWait(), Messages{timeout(OP_LOGIN)});
    EXPECT_EQ(LoginAndWait(), Messages{result(OP_LOGIN, 1)});
    engine->SendGetConfig(2000);
    EXPECT_EQ(Await(2500), Messages{timeout(OP_GET_CONFIG)});
    RunFor(2000); // the late reply arrives and is ignored
    EXPECT_TRUE(main.messages.empty());
    engine->SendGetConfig(5000);
    EXPECT_EQ(Await(5000), Messages{result(OP_GET_CONFIG, 1)});
}

TEST_F(AccessPointTest, MalformedRepliesAreDroppedByTheClient)
{
    settings.faults.malformed.insert(CMD_LOGIN);
    Start();
    Choose(Search().at(0));
    EXPECT_EQ(LoginAndWait(), Messages{timeout(OP_LOGIN)});
}

TEST_F(AccessPointTest, LogsOneDecodedLinePerDatagram)
{
    Start();
    Choose(Search().at(0));
    ASSERT_EQ(LoginAndWait(), Messages{result(OP_LOGIN, 1)});
    ASSERT_GE(apLog.size(), 4u);
    EXPECT_EQ(apLog[0], "in  192.0.2.1:5433 -> :5432 op=discover(0) mac=02:C0:00:00:00:0A len=0");
    EXPECT_EQ(apLog[1], "out -> 255.255.255.255:5433 op=discover(0) mac=00:1A:2B:00:00:10 len=8 "
                        "DEV_NAME=\"Lab AP\"");
    EXPECT_EQ(apLog[3], "out -> 255.255.255.255:5433 op=login(1) mac=00:1A:2B:00:00:10 len=7 "
                        "RESULT=1 PORT=6001");
}

TEST_F(AccessPointTest, RequestsOutsideASessionAreIgnored)
{
    Start();
    Search();
    engine->SendGetConfig(2000);
    EXPECT_EQ(Await(3000), Messages{timeout(OP_GET_CONFIG)});
}

} // namespace
