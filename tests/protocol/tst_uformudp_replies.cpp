// How the engine handles what arrives: discovery, login, configuration, events, time-outs.
#include "EngineFixture.h"

namespace {

using Messages = std::vector<Message>;

// --- Discovery -----------------------------------------------------------------------------

TEST_F(EngineTest, SearchWithoutReplyEndsWithOneTimeoutAfterTheWait)
{
    const std::uint32_t start = GetTickCount();
    ASSERT_TRUE(Engine().SendDiscover(4000));
    EXPECT_EQ(Engine().pendingOp(), OP_DISCOVER);
    RunFor(10000);
    ASSERT_EQ(main.messages, Messages{Timeout(OP_DISCOVER)});
    EXPECT_EQ(main.messages[0].tick - start, 4000u);
    EXPECT_EQ(Engine().pendingOp(), OP_NONE);
    EXPECT_TRUE(Logged("TFormUDP::TimerWaitTimer() 1"));
}

TEST_F(EngineTest, SearchListsEachDeviceOnceWithItsAddresses)
{
    ASSERT_TRUE(Engine().SendDiscover(4000));
    ASSERT_EQ(heard.size(), 0u); // nothing arrives while the sender is at work
    RunFor(0);
    ASSERT_EQ(heard.size(), 1u);
    Reply(CMD_DISCOVER, Name("Office AP"));
    Reply(CMD_DISCOVER, Name("Office AP"));
    Reply(CMD_DISCOVER, Name("Office AP"), kOtherDevice);
    RunFor(4000);
    std::vector<DeviceInfo> list;
    Engine().GetDeviceList(list);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_STREQ(list[0].name, "Office AP");
    EXPECT_EQ(list[0].localIp, 0xC0000201u);
    EXPECT_EQ(list[0].localMask, 0xFFFFFF00u);
    EXPECT_EQ(list[0].deviceIp, 0xC000020Au);
    EXPECT_TRUE(std::equal(kDevice.begin(), kDevice.end(), list[0].mac));
    EXPECT_TRUE(std::equal(kOtherDevice.begin(), kOtherDevice.end(), list[1].mac));
    EXPECT_EQ(DetailLines("TFormUDP::RecvDiscover()"),
              std::vector<std::string>{"  DevName=Office AP"});
    EXPECT_TRUE(Logged("  already exist"));
    EXPECT_TRUE(Logged("Local IP:192.0.2.1"));
    EXPECT_TRUE(Logged("CUDPSocket::OnUMSocket(02:C0:00:00:00:0A) 100 1"));
    EXPECT_EQ(Engine().lastLocalIp(), "192.0.2.1");
    EXPECT_EQ(main.messages, Messages{Timeout(OP_DISCOVER)});
}

struct DiscoverCase
{
    const char* name;
    Bytes items;
    bool listed;
    std::string storedName;
    std::vector<std::string> details;
};

class DiscoverReplies : public EngineTest, public ::testing::WithParamInterface<DiscoverCase>
{};

TEST_P(DiscoverReplies, AreListedByTheirItems)
{
    const DiscoverCase& c = GetParam();
    ASSERT_TRUE(Engine().SendDiscover(4000));
    log.clear();
    Reply(CMD_DISCOVER, c.items);
    std::vector<DeviceInfo> list;
    Engine().GetDeviceList(list);
    ASSERT_EQ(list.size(), c.listed ? 1u : 0u);
    if (c.listed) {
        EXPECT_EQ(std::string(list[0].name), c.storedName);
    }
    EXPECT_EQ(DetailLines("TFormUDP::RecvDiscover()"), c.details);
}

const std::string k40(40, 'N');
INSTANTIATE_TEST_SUITE_P(
    Engine, DiscoverReplies,
    ::testing::Values(DiscoverCase{"EmptyPayloadIsIgnored", {}, false, "", {}},
                      DiscoverCase{"OtherItemsOnlyGiveAnEmptyName", {0x77, 1, 5}, true, "", {}},
                      DiscoverCase{"NameOf40IsCutTo33",
                                   EngineTest::Name(k40),
                                   true,
                                   std::string(33, 'N'),
                                   {"  DevName=" + std::string(33, 'N')}},
                      DiscoverCase{"ItemRunningPastThePayloadAfterAName",
                                   [] {
                                       Bytes b = EngineTest::Name("AP");
                                       b.insert(b.end(), {0x01, 9, 'x'});
                                       return b;
                                   }(),
                                   true,
                                   "AP",
                                   {"  DevName=AP", "  not enough bytes in buffer"}},
                      DiscoverCase{"LoneBrokenItemAddsNothing",
                                   {0x01, 9, 'x'},
                                   false,
                                   "",
                                   {"  not enough bytes in buffer"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EngineTest, DiscoverReplyIsReadInClearWhileAPasswordIsSet)
{
    GlobalVar().password = "another";
    ASSERT_TRUE(Engine().SendDiscover(4000));
    Reply(CMD_DISCOVER, Name("Clear"));
    std::vector<DeviceInfo> list;
    Engine().GetDeviceList(list);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_STREQ(list[0].name, "Clear");
}

TEST_F(EngineTest, LateDiscoverReplyLeavesTheListAlone)
{
    ASSERT_TRUE(Engine().SendDiscover(4000));
    Reply(CMD_DISCOVER, Name("First"));
    RunFor(4000);
    log.clear();
    Reply(CMD_DISCOVER, Name("Late"), kOtherDevice);
    std::vector<DeviceInfo> list;
    Engine().GetDeviceList(list);
    EXPECT_EQ(list.size(), 1u);
    EXPECT_EQ(DetailLines("TFormUDP::RecvDiscover()"), std::vector<std::string>{"  ignore data"});
    EXPECT_EQ(main.messages, Messages{Timeout(OP_DISCOVER)});
}

TEST_F(EngineTest, SearchWithWaitZeroCollectsNothing)
{
    ASSERT_TRUE(Engine().SendDiscover(0));
    EXPECT_EQ(Engine().pendingOp(), OP_NONE);
    Reply(CMD_DISCOVER, Name("AP"));
    RunFor(5000);
    std::vector<DeviceInfo> list;
    Engine().GetDeviceList(list);
    EXPECT_TRUE(list.empty());
    EXPECT_TRUE(main.messages.empty());
}

struct AdapterFailureCase
{
    const char* name;
    std::function<void(MemoryNetwork&)> breakIt;
};

class AdapterFailures : public EngineTest, public ::testing::WithParamInterface<AdapterFailureCase>
{};

TEST_P(AdapterFailures, EndTheSearchWithTheAdapterMessage)
{
    MemoryNetwork broken;
    GetParam().breakIt(broken);
    TFormUDP failing(broken);
    EXPECT_FALSE(failing.SendDiscover(4000));
    EXPECT_EQ(failing.pendingOp(), OP_NONE);
    EXPECT_TRUE(broken.sent.empty());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, ScriptedDialogs::Kind::Plain);
    EXPECT_EQ(dialogs.shown[0].text, "Unable to initialize adapter interface.");
    EXPECT_EQ(dialogs.shown[0].title, "KZL Setup");
    EXPECT_TRUE(Logged("TFormUDP::SendDiscover() FAIL init interface"));
    RunFor(10000);
    EXPECT_TRUE(main.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Engine, AdapterFailures,
                         ::testing::Values(AdapterFailureCase{"NoAdapterList",
                                                              [](MemoryNetwork& n) {
                                                                  n.SetAdapterListAvailable(false);
                                                              }},
                                           AdapterFailureCase{"NoAdapter", [](MemoryNetwork&) {}},
                                           AdapterFailureCase{"OnlyUnaddressed",
                                                              [](MemoryNetwork& n) {
                                                                  n.AddAdapter(kAdapterA, "lab0",
                                                                               "0.0.0.0", "0.0.0.0",
                                                                               0);
                                                              }},
                                           AdapterFailureCase{"SocketsDoNotOpen",
                                                              [](MemoryNetwork& n) {
                                                                  n.AddAdapter(kAdapterA, "lab0",
                                                                               "192.0.2.1",
                                                                               "255.255.255.0", 0);
                                                                  n.SetOpenFails(true);
                                                              }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EngineTest, OwnBroadcastHeardBackIsDropped)
{
    network.AddAdapter(kAdapterB, "lab1", "198.51.100.1", "255.255.255.0", 0);
    ASSERT_TRUE(Engine().SendDiscover(4000));
    log.clear();
    Reply(CMD_DISCOVER, Name("echo"), kAdapterB);
    Reply(CMD_DISCOVER, Name("echo"), Engine().localMac());
    std::vector<DeviceInfo> list;
    Engine().GetDeviceList(list);
    EXPECT_TRUE(list.empty());
    const std::vector<std::string> lines = log.lines();
    // Each datagram reaches both sockets of the link.
    EXPECT_EQ(
        std::count(lines.begin(), lines.end(), "TFormUDP::ProcRecvData() FAIL received a request"),
        4);
}

TEST_F(EngineTest, ReceiveErrorIsLoggedAndIgnored)
{
    ASSERT_TRUE(Engine().SendDiscover(4000));
    log.clear();
    network.ReportReadableWithoutData(0);
    EXPECT_EQ(log.lines(),
              (std::vector<std::string>{"CUDPSocket::OnUMSocket(02:C0:00:00:00:0A) 100 1",
                                        "Local IP:192.0.2.1", "TFormUDP::UDPSocketRead() -1"}));
    RunFor(4000);
    EXPECT_EQ(main.messages, Messages{Timeout(OP_DISCOVER)});
}

TEST_F(EngineTest, OnlyReadEventsOfTheSocketItselfAreRead)
{
    ASSERT_TRUE(Engine().SendDiscover(4000));
    log.clear();
    network.ReportSocketEvent(0, FD_READ, true); // another socket's handle
    network.ReportSocketEvent(0, 0x20, false);   // a close event
    network.ReportSocketEvent(0, 0x10, false);   // a connect event
    EXPECT_EQ(log.lines(),
              (std::vector<std::string>{"CUDPSocket::OnUMSocket(02:C0:00:00:00:0A) 1100 1",
                                        "CUDPSocket::OnUMSocket(02:C0:00:00:00:0A) 100 20",
                                        "CUDPSocket::OnUMSocket(02:C0:00:00:00:0A) 100 10"}));
}

TEST_F(EngineTest, ReceivedPacketIsTracedDecipheredBeforeDispatch)
{
    SearchAndLogin();
    Engine().SendGetConfig(2000);
    Reply(CMD_GET_CONFIG, {Tlv::IP_MODE, 1, 0});
    const std::vector<std::string> lines = log.lines();
    const auto title = std::find(lines.begin(), lines.end(), "[Rx] 192.0.2.10:5432 size=21");
    ASSERT_NE(title, lines.end());
    EXPECT_EQ(title[2], "00 03 30 01 00 ");
    EXPECT_EQ(title[3], "TFormUDP::RecvGetConfig()");
}

// --- Login and logout ----------------------------------------------------------------------

TEST_F(EngineTest, AcceptedLoginMovesTheSessionToItsPort)
{
    ASSERT_TRUE(Engine().SendDiscover(4000));
    Reply(CMD_DISCOVER, Name("AP"));
    RunFor(4000);
    main.messages.clear();
    ASSERT_TRUE(Engine().SendLogin(2000));
    EXPECT_EQ(Engine().pendingOp(), OP_LOGIN);
    Reply(CMD_LOGIN, {Tlv::RESULT, 1, 1, Tlv::PORT, 2, 0x17, 0x70});
    EXPECT_EQ(main.messages, Messages{Result(OP_LOGIN, 1)});
    EXPECT_TRUE(Engine().loggedIn());
    EXPECT_EQ(Engine().remotePort(), 6000);
    EXPECT_EQ(Engine().targetMac(), kDevice);
    EXPECT_EQ(DetailLines("TFormUDP::RecvLogin()"),
              (std::vector<std::string>{"  Result=1", "  Port=6000"}));
    network.sent.clear();
    Engine().SendGetConfig(2000);
    ASSERT_EQ(network.sent.size(), 1u);
    EXPECT_EQ(network.sent[0].datagram.toPort, 6000);
    // Only the session's device passes from now on.
    log.clear();
    Reply(CMD_GET_CONFIG, {Tlv::IP_MODE, 1, 0}, kOtherDevice);
    EXPECT_TRUE(Logged("TFormUDP::ProcRecvData() FAIL destination address doesn't match"));
    RunFor(3000);
    EXPECT_EQ(main.messages.back(), Timeout(OP_GET_CONFIG));
}

struct LoginCase
{
    const char* name;
    Bytes items;
    LPARAM result;
    bool loggedIn;
    std::uint16_t port;
};

class LoginReplies : public EngineTest, public ::testing::WithParamInterface<LoginCase>
{};

TEST_P(LoginReplies, ReportTheirResult)
{
    const LoginCase& c = GetParam();
    ASSERT_TRUE(Engine().SendDiscover(0));
    ASSERT_TRUE(Engine().SendLogin(2000));
    Reply(CMD_LOGIN, c.items);
    EXPECT_EQ(main.messages, Messages{Result(OP_LOGIN, c.result)});
    EXPECT_EQ(Engine().loggedIn(), c.loggedIn);
    EXPECT_EQ(Engine().remotePort(), c.port);
    EXPECT_EQ(Engine().targetMac(), c.loggedIn ? kDevice : kBroadcastMac);
    RunFor(5000); // the reply stopped the wait
    EXPECT_EQ(main.messages.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Engine, LoginReplies,
    ::testing::Values(
        LoginCase{"RefusedStillTakesThePort",
                  {Tlv::PORT, 2, 0x17, 0x71, Tlv::RESULT, 1, 0},
                  0,
                  false,
                  6001},
        LoginCase{"WithoutResultIsRefused", {Tlv::PORT, 2, 0x17, 0x70}, 0, false, 6000},
        LoginCase{"AnyNonZeroResultAccepts", {Tlv::RESULT, 1, 7}, 7, true, 5432},
        LoginCase{"ShortItemsAreIgnored", {Tlv::RESULT, 0, Tlv::PORT, 1, 0x17}, 0, false, 5432},
        LoginCase{"UnknownItemsAreSkipped", {0x55, 2, 1, 2, Tlv::RESULT, 1, 1}, 1, true, 5432}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EngineTest, LoginReplyDecipheredWithTheWrongKeyIsRefused)
{
    ASSERT_TRUE(Engine().SendDiscover(0));
    ASSERT_TRUE(Engine().SendLogin(2000));
    Bytes reply = BuildHeader(kDevice);
    reply.insert(reply.end(), {Tlv::RESULT, 1, 1, Tlv::PORT, 2, 0x17, 0x70});
    FinishPacket(reply, CMD_LOGIN);
    CipherPayload(reply.data(), reply.size(), "device-password");
    Deliver(reply);
    // The items read as whatever the bytes give: here no RESULT item, so a refusal.
    EXPECT_EQ(main.messages, Messages{Result(OP_LOGIN, 0)});
    EXPECT_FALSE(Engine().loggedIn());
}

TEST_F(EngineTest, LoginReplyAfterTheTimeoutIsIgnored)
{
    ASSERT_TRUE(Engine().SendDiscover(0));
    ASSERT_TRUE(Engine().SendLogin(2000));
    RunFor(2000);
    log.clear();
    Reply(CMD_LOGIN, {Tlv::RESULT, 1, 1});
    EXPECT_EQ(main.messages, Messages{Timeout(OP_LOGIN)});
    EXPECT_FALSE(Engine().loggedIn());
    EXPECT_EQ(DetailLines("TFormUDP::RecvLogin()"), std::vector<std::string>{"  ignore data"});
}

TEST_F(EngineTest, NewLoginStartsOnTheDefaultPort)
{
    SearchAndLogin();
    Engine().SendLogout();
    Engine().SendLogin(2000);
    ASSERT_EQ(network.sent.size(), 2u);
    EXPECT_EQ(network.sent[0].datagram.toPort, 6000); // the Logout goes to the session port
    EXPECT_EQ(network.sent[1].datagram.toPort, kDevicePort);
}

TEST_F(EngineTest, AfterLogoutNothingIsReported)
{
    SearchAndLogin();
    EXPECT_TRUE(Engine().SendLogout());
    EXPECT_FALSE(Engine().loggedIn());
    EXPECT_EQ(Engine().pendingOp(), OP_NONE);
    Reply(CMD_LOGOUT, {Tlv::RESULT, 1, 1});
    RunFor(10000);
    EXPECT_TRUE(main.messages.empty());
    EXPECT_EQ(DetailLines("TFormUDP::RecvLogout()"), std::vector<std::string>{"  ignore data"});
}

TEST_F(EngineTest, SearchWhileLoggedInLogsOutThroughTheOldSockets)
{
    SearchAndLogin();
    ASSERT_TRUE(Engine().SendDiscover(4000));
    ASSERT_EQ(network.sent.size(), 2u);
    EXPECT_EQ(PacketOpcode(network.sent[0].datagram.bytes.data()), CMD_LOGOUT);
    EXPECT_EQ(network.sent[0].datagram.toPort, 6000);
    EXPECT_EQ(PacketOpcode(network.sent[1].datagram.bytes.data()), CMD_DISCOVER);
    EXPECT_EQ(network.sent[1].datagram.toPort, kDevicePort);
    EXPECT_FALSE(Engine().loggedIn());
    EXPECT_EQ(Engine().targetMac(), kBroadcastMac);
}

TEST_F(EngineTest, ClosingWhileLoggedInSendsALogout)
{
    SearchAndLogin();
    engine.reset();
    ASSERT_EQ(network.sent.size(), 1u);
    EXPECT_EQ(PacketOpcode(network.sent[0].datagram.bytes.data()), CMD_LOGOUT);
    EXPECT_EQ(network.OpenSocketCount(), 0);
}

TEST_F(EngineTest, ClosingLoggedOutSendsNothing)
{
    ASSERT_TRUE(Engine().SendDiscover(0));
    network.sent.clear();
    engine.reset();
    EXPECT_TRUE(network.sent.empty());
}

// --- Configuration -------------------------------------------------------------------------

TEST_F(EngineTest, GetConfigStoresEveryItemAndLogsIt)
{
    SearchAndLogin();
    ASSERT_TRUE(Engine().SendGetConfig(2000));
    Bytes items = {Tlv::IP_MODE,
                   1,
                   5,
                   Tlv::LAN_IP,
                   4,
                   0xC0,
                   0xA8,
                   0x0A,
                   0x64,
                   Tlv::LAN_NETMASK,
                   4,
                   0xFF,
                   0xFF,
                   0xFF,
                   0x00,
                   Tlv::LAN_GATEWAY,
                   4,
                   0xC0,
                   0xA8,
                   0x0A,
                   0x01,
                   Tlv::WL_SSID,
                   4,
                   'h',
                   'o',
                   'm',
                   'e',
                   Tlv::WL_CH_LIST,
                   11,
                   1,
                   2,
                   3,
                   4,
                   5,
                   6,
                   7,
                   8,
                   9,
                   10,
                   11,
                   Tlv::WL_EXT_CH,
                   1,
                   2,
                   Tlv::WL_STD_CH,
                   1,
                   6,
                   Tlv::WL_SECURITY_MODE,
                   1,
                   2,
                   Tlv::WL_AUTH_MODE,
                   1,
                   1,
                   Tlv::WL_WEPKEY_LEN,
                   1,
                   1,
                   Tlv::WL_WEPKEY_INDEX,
                   1,
                   3,
                   Tlv::WL_WPA_MODE,
                   1,
                   1,
                   Tlv::WL_WPA_CIPHER,
                   1,
                   0,
                   Tlv::WL_WPS_PIN,
                   4,
                   0x00,
                   0xBC,
                   0x61,
                   0x4E,
                   0x77,
                   1,
                   0};
    Reply(CMD_GET_CONFIG, items);
    EXPECT_EQ(main.messages, Messages{Result(OP_GET_CONFIG, 1)});
    const CGlobalVar& g = GlobalVar();
    EXPECT_EQ(g.currentIp.ipMode, 1);
    EXPECT_EQ(g.currentIp.ipAddress, 0xC0A80A64u);
    EXPECT_EQ(g.currentIp.subnetMask, 0xFFFFFF00u);
    EXPECT_EQ(g.currentIp.gateway, 0xC0A80A01u);
    EXPECT_STREQ(g.currentWireless.ssid, "home");
    const std::uint8_t channels[13] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 0};
    EXPECT_TRUE(std::equal(channels, channels + 13, g.currentWireless.channelList));
    EXPECT_EQ(g.currentWireless.extChannel, 2);
    EXPECT_EQ(g.currentWireless.stdChannel, 6);
    EXPECT_EQ(g.currentWireless.securityMode, 2);
    EXPECT_EQ(g.currentWireless.authMode, 1);
    EXPECT_EQ(g.currentWireless.wepKeyLength, 1);
    EXPECT_EQ(g.currentWireless.wepKeyIndex, 1); // not taken from the device
    EXPECT_EQ(g.currentWireless.wpaMode, 1);
    EXPECT_EQ(g.currentWireless.wpaCipher, 0);
    EXPECT_EQ(g.currentWireless.devicePin, 12345678u);
    EXPECT_EQ(
        DetailLines("TFormUDP::RecvGetConfig()"),
        (std::vector<std::string>{"  IP_MODE=1", "  LAN_IP=C0A80A64", "  LAN_NETMASK=FFFFFF00",
                                  "  LAN_GATEWAY=C0A80A01", "  WL_SSID=home",
                                  "  WL_CH_LIST=(11)  1 2 3 4 5 6 7 8 9 10 11", "  WL_EXT_CH=2",
                                  "  WL_STD_CH=6", "  WL_SECURITY_MODE=2", "  WL_AUTH_MODE=1",
                                  "  WL_WEPKEY_LEN=1", "  WL_WEPKEY_INDEX=3", "  WL_WPA_MODE=1",
                                  "  WL_WPA_CIPHER=0", "  WL_WPS_PIN=0x00BC614E", "  TLV=0x77"}));
    RunFor(5000);
    EXPECT_EQ(main.messages.size(), 1u);
}

struct ConfigCase
{
    const char* name;
    Bytes items;
    std::function<void(const CGlobalVar&)> check;
    std::vector<std::string> details;
};

class ConfigReplies : public EngineTest, public ::testing::WithParamInterface<ConfigCase>
{};

TEST_P(ConfigReplies, StoreWhatFitsAndAlwaysSucceed)
{
    const ConfigCase& c = GetParam();
    SearchAndLogin();
    GlobalVar().currentIp.ipAddress = 0x01020304;
    ASSERT_TRUE(Engine().SendGetConfig(2000));
    Reply(CMD_GET_CONFIG, c.items);
    EXPECT_EQ(main.messages, Messages{Result(OP_GET_CONFIG, 1)});
    c.check(GlobalVar());
    EXPECT_EQ(DetailLines("TFormUDP::RecvGetConfig()"), c.details);
}

INSTANTIATE_TEST_SUITE_P(
    Engine, ConfigReplies,
    ::testing::Values(
        ConfigCase{"EmptyReply",
                   {},
                   [](const CGlobalVar& g) { EXPECT_EQ(g.currentIp.ipAddress, 0x01020304u); },
                   {}},
        ConfigCase{"CutShortKeepsTheItemsBefore",
                   {Tlv::IP_MODE, 1, 0, Tlv::LAN_IP, 8, 1},
                   [](const CGlobalVar& g) {
                       EXPECT_EQ(g.currentIp.ipMode, 0);
                       EXPECT_EQ(g.currentIp.ipAddress, 0x01020304u);
                   },
                   {"  IP_MODE=0", "  not enough bytes in buffer"}},
        ConfigCase{"ShortAddressIsIgnored",
                   {Tlv::LAN_IP, 2, 0xC0, 0xA8},
                   [](const CGlobalVar& g) { EXPECT_EQ(g.currentIp.ipAddress, 0x01020304u); },
                   {}},
        ConfigCase{"LongSsidIsCutTo32",
                   [] {
                       Bytes b = {Tlv::WL_SSID, 40};
                       b.insert(b.end(), 40, 'S');
                       return b;
                   }(),
                   [](const CGlobalVar& g) {
                       EXPECT_EQ(std::string(g.currentWireless.ssid), std::string(32, 'S'));
                   },
                   {"  WL_SSID=" + std::string(32, 'S')}},
        ConfigCase{"FullChannelList",
                   [] {
                       Bytes b = {Tlv::WL_CH_LIST, 255};
                       for (int n = 0; n < 255; ++n)
                           b.push_back(static_cast<std::uint8_t>(n + 1));
                       return b;
                   }(),
                   [](const CGlobalVar& g) {
                       EXPECT_EQ(g.currentWireless.channelList[254], 255);
                       EXPECT_EQ(g.currentWireless.channelList[255], 0);
                   },
                   {[] {
                       std::string line = "  WL_CH_LIST=(255) ";
                       for (int n = 1; n <= 255; ++n)
                           line += " " + std::to_string(n);
                       return line;
                   }()}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EngineTest, GetConfigWithWaitZeroLeavesTheEngineIdle)
{
    SearchAndLogin();
    ASSERT_TRUE(Engine().SendGetConfig(0));
    EXPECT_EQ(Engine().pendingOp(), OP_NONE);
    Reply(CMD_GET_CONFIG, {Tlv::IP_MODE, 1, 0});
    RunFor(5000);
    EXPECT_TRUE(main.messages.empty());
    EXPECT_EQ(DetailLines("TFormUDP::RecvGetConfig()"), std::vector<std::string>{"  ignore data"});
}

struct SetConfigCase
{
    const char* name;
    std::function<void(TFormUDP&)> send;
    Bytes items;
    Messages expected;
};

class SetConfigReplies : public EngineTest, public ::testing::WithParamInterface<SetConfigCase>
{};

TEST_P(SetConfigReplies, AnswerWhicheverSettingIsPending)
{
    const SetConfigCase& c = GetParam();
    SearchAndLogin();
    c.send(Engine());
    Reply(CMD_SET_CONFIG, c.items);
    EXPECT_EQ(main.messages, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Engine, SetConfigReplies,
    ::testing::Values(SetConfigCase{"Wireless",
                                    [](TFormUDP& e) { e.SendWlSetting(60000); },
                                    {Tlv::RESULT, 1, 1},
                                    {Result(OP_SET_WIRELESS, 1)}},
                      SetConfigCase{"Ip",
                                    [](TFormUDP& e) { e.SendIPSetting(32000); },
                                    {Tlv::RESULT, 1, 0},
                                    {Result(OP_SET_IP, 0)}},
                      SetConfigCase{"WpsPin",
                                    [](TFormUDP& e) { e.SendWPSPIN(10000); },
                                    {Tlv::RESULT, 1, 1},
                                    {Result(OP_WPS_PIN, 1)}},
                      SetConfigCase{"WpsPushButton",
                                    [](TFormUDP& e) { e.SendWPSPBC(10000); },
                                    {Tlv::RESULT, 1, 1},
                                    {Result(OP_WPS_PBC, 1)}},
                      SetConfigCase{"WithoutResultIsRefused",
                                    [](TFormUDP& e) { e.SendIPSetting(32000); },
                                    {0x77, 1, 1},
                                    {Result(OP_SET_IP, 0)}},
                      SetConfigCase{"WhileLoginIsPendingIsIgnored",
                                    [](TFormUDP& e) { e.SendLogin(2000); },
                                    {Tlv::RESULT, 1, 1},
                                    {}},
                      SetConfigCase{
                          "WhileIdleIsIgnored", [](TFormUDP&) {}, {Tlv::RESULT, 1, 1}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EngineTest, SetConfigReplyStopsTheWait)
{
    SearchAndLogin();
    Engine().SendWlSetting(60000);
    Reply(CMD_SET_CONFIG, {Tlv::RESULT, 1, 1});
    EXPECT_EQ(Engine().pendingOp(), OP_NONE);
    RunFor(70000);
    EXPECT_EQ(main.messages, Messages{Result(OP_SET_WIRELESS, 1)});
    EXPECT_EQ(DetailLines("TFormUDP::RecvSetConfig()"), std::vector<std::string>{"  Result=1"});
}

TEST_F(EngineTest, NewRequestReplacesThePendingOne)
{
    SearchAndLogin();
    Engine().SendGetConfig(15000);
    RunFor(10000);
    const std::uint32_t second = GetTickCount();
    Engine().SendIPSetting(32000);
    Reply(CMD_GET_CONFIG, {Tlv::IP_MODE, 1, 0});
    RunFor(40000);
    ASSERT_EQ(main.messages, Messages{Timeout(OP_SET_IP)});
    // The second send restarted the wait from zero.
    EXPECT_EQ(main.messages[0].tick - second, 32000u);
}

TEST_F(EngineTest, RequestWithoutWaitCancelsTheEarlierWait)
{
    SearchAndLogin();
    Engine().SendGetConfig(2000);
    Engine().SendLogout();
    RunFor(5000);
    Engine().SendLogin(2000);
    Engine().SendGetConfig(0);
    RunFor(5000);
    EXPECT_TRUE(main.messages.empty());
}

TEST_F(EngineTest, TimeoutNamesThePendingRequest)
{
    SearchAndLogin();
    const std::uint32_t start = GetTickCount();
    Engine().SendWPSPBC(10000);
    RunFor(20000);
    ASSERT_EQ(main.messages, Messages{Timeout(OP_WPS_PBC)});
    EXPECT_EQ(main.messages[0].tick - start, 10000u);
    EXPECT_TRUE(Logged("TFormUDP::TimerWaitTimer() 7"));
}

// --- Events --------------------------------------------------------------------------------

TEST_F(EngineTest, WpsStatusEventsArriveInOrderWhateverIsPending)
{
    SearchAndLogin();
    Engine().SendGetConfig(15000);
    Reply(CMD_EVENT, {Tlv::TLVTYPE_OTHER_WPS_STATUS, 4, 0, 0, 0, 3});
    Reply(CMD_EVENT, {Tlv::TLVTYPE_OTHER_WPS_STATUS, 4, 0, 0, 0, 4, 0x99, 0,
                      Tlv::TLVTYPE_OTHER_WPS_STATUS, 4, 0, 0, 0, 34});
    EXPECT_EQ(main.messages, (Messages{WpsEvent(3), WpsEvent(4), WpsEvent(34)}));
    EXPECT_EQ(Engine().pendingOp(), OP_GET_CONFIG);
    EXPECT_TRUE(Logged("  TLVTYPE_OTHER_WPS_STATUS 34"));
    EXPECT_TRUE(Logged("  TLV=0x99"));
}

TEST_F(EngineTest, ConnectionTimeoutEventEndsTheSessionSilently)
{
    SearchAndLogin();
    Reply(CMD_EVENT, {Tlv::TLVTYPE_OTHER_CONNECTTIMEOUT, 0});
    EXPECT_FALSE(Engine().loggedIn());
    EXPECT_TRUE(main.messages.empty());
    EXPECT_EQ(DetailLines("TFormUDP::RecvEvent()"),
              std::vector<std::string>{"  TLVTYPE_OTHER_CONNECTTIMEOUT"});
}

TEST_F(EngineTest, ShortWpsStatusIsIgnored)
{
    SearchAndLogin();
    Reply(CMD_EVENT, {Tlv::TLVTYPE_OTHER_WPS_STATUS, 2, 0, 3});
    EXPECT_TRUE(main.messages.empty());
}

TEST_F(EngineTest, UnknownOpcodesAreTracedAndDropped)
{
    SearchAndLogin();
    Engine().SendGetConfig(2000);
    Reply(5, {Tlv::RESULT, 1, 1});
    Reply(7, {});
    EXPECT_TRUE(main.messages.empty());
    EXPECT_TRUE(Logged("[Rx] 192.0.2.10:5432 size=21"));
    EXPECT_EQ(Engine().pendingOp(), OP_GET_CONFIG);
}

} // namespace
