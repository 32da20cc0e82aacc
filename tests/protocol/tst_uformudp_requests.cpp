// Every request the engine sends, byte for byte, as it leaves each adapter.
#include "EngineFixture.h"
#include "protocol/Urc4encry.h"

#include <functional>

namespace {

Bytes header(std::uint8_t opcode, std::uint16_t length, const MacAddress& mac = kAdapterA)
{
    Bytes bytes = {'S', 'W', 'P', '1', '2', '3', '4', '5', 2};
    bytes.insert(bytes.end(), mac.begin(), mac.end());
    bytes.push_back(opcode);
    bytes.push_back(static_cast<std::uint8_t>(length >> 8));
    bytes.push_back(static_cast<std::uint8_t>(length));
    return bytes;
}

Bytes concat(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes text(std::uint8_t type, const std::string& value)
{
    Bytes item;
    AppendTextItem(item, type, value);
    return item;
}

struct RequestCase
{
    const char* name;
    std::function<void(CGlobalVar&)> prepare;
    std::function<void(TFormUDP&)> send;
    Bytes expected; // in clear
    std::uint16_t port;
};

class RequestBytes : public EngineTest, public ::testing::WithParamInterface<RequestCase>
{};

TEST_P(RequestBytes, LeaveAsDefined)
{
    const RequestCase& c = GetParam();
    ASSERT_TRUE(Engine().SendDiscover(0));
    network.sent.clear();
    CGlobalVar& g = GlobalVar();
    c.prepare(g);
    c.send(Engine());
    ASSERT_EQ(network.sent.size(), 1u);
    const MemoryNetwork::Sent& sent = network.sent[0];
    EXPECT_EQ(sent.datagram.toIp, "255.255.255.255");
    EXPECT_EQ(sent.datagram.toPort, c.port);
    EXPECT_EQ(sent.datagram.fromPort, kClientPort);
    // On the wire the header is clear and the payload is RC4 with the password (or the
    // built-in key while it is empty).
    Bytes wire = c.expected;
    const std::string key = g.password.isEmpty() ? RC4_DEFAULT_KEY : g.password.toStdString();
    RC4Crypt(reinterpret_cast<const std::uint8_t*>(key.data()), static_cast<int>(key.size()),
             wire.data() + 18, static_cast<int>(wire.size()) - 18);
    EXPECT_EQ(sent.datagram.bytes, wire);
}

const auto nothing = [](CGlobalVar&) {};

const Bytes kLoginPayload = concat({Tlv::DEV_MAC, 6, 0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E},
                                   text(Tlv::AUTH_TEXT, std::string(kAuthText)));

void wireless(CGlobalVar& g, std::int32_t security, std::uint8_t channel)
{
    WirelessSettings& wl = g.pendingWireless;
    SetFixedText(wl.ssid, "lab-net", 7);
    wl.stdChannel = channel;
    wl.extChannel = 2;
    wl.securityMode = security;
    wl.authMode = 1;
    SetFixedText(wl.wepKey, "1234567890", 10);
    wl.wpaMode = 1;
    wl.wpaCipher = 0;
    SetFixedText(wl.passphrase, "correct horse", 13);
}

const Bytes kWlHead = concat(text(Tlv::WL_SSID, "lab-net"), {Tlv::WL_STD_CH, 1, 0});

INSTANTIATE_TEST_SUITE_P(
    Engine, RequestBytes,
    ::testing::Values(
        RequestCase{"Discover", nothing, [](TFormUDP& e) { e.SendDiscover(4000); },
                    header(CMD_DISCOVER, 0), kDevicePort},
        RequestCase{"Login", nothing, [](TFormUDP& e) { e.SendLogin(2000); },
                    concat(header(CMD_LOGIN, 101), kLoginPayload), kDevicePort},
        RequestCase{"LoginWithEmptyPassword", [](CGlobalVar& g) { g.password.clear(); },
                    [](TFormUDP& e) { e.SendLogin(2000); },
                    concat(header(CMD_LOGIN, 101), kLoginPayload), kDevicePort},
        RequestCase{"Logout", nothing, [](TFormUDP& e) { e.SendLogout(); }, header(CMD_LOGOUT, 0),
                    kDevicePort},
        RequestCase{"GetConfig", nothing, [](TFormUDP& e) { e.SendGetConfig(2000); },
                    concat(header(CMD_GET_CONFIG, 3), {Tlv::CFG_QUERY, 1, 0}), kDevicePort},
        RequestCase{"IpDhcpIgnoresTheAddresses",
                    [](CGlobalVar& g) {
                        g.pendingIp.ipMode = 1;
                        g.pendingIp.ipAddress = 0xC0A80A64;
                    },
                    [](TFormUDP& e) { e.SendIPSetting(32000); },
                    concat(header(CMD_SET_CONFIG, 3), {Tlv::IP_MODE, 1, 1}), kDevicePort},
        RequestCase{
            "IpStatic",
            [](CGlobalVar& g) {
                g.pendingIp.ipMode = 0;
                g.pendingIp.ipAddress = 0xC0A80A64;
                g.pendingIp.subnetMask = 0xFFFFFF00;
                g.pendingIp.gateway = 0xC0A80A01;
            },
            [](TFormUDP& e) { e.SendIPSetting(35000); },
            concat(header(CMD_SET_CONFIG, 21), {Tlv::IP_MODE, 1,    0,    Tlv::LAN_IP,      4, 0xC0,
                                                0xA8,         0x0A, 0x64, Tlv::LAN_NETMASK, 4, 0xFF,
                                                0xFF,         0xFF, 0x00, Tlv::LAN_GATEWAY, 4, 0xC0,
                                                0xA8,         0x0A, 0x01}),
            kDevicePort},
        RequestCase{
            "WirelessNoSecurityAutoChannel", [](CGlobalVar& g) { wireless(g, 0, 0); },
            [](TFormUDP& e) { e.SendWlSetting(60000); },
            concat(header(CMD_SET_CONFIG, 15), concat(kWlHead, {Tlv::WL_SECURITY_MODE, 1, 0})),
            kDevicePort},
        RequestCase{"WirelessChannelSixAddsTheExtensionChannel",
                    [](CGlobalVar& g) { wireless(g, 0, 6); },
                    [](TFormUDP& e) { e.SendWlSetting(60000); },
                    concat(header(CMD_SET_CONFIG, 18), concat(text(Tlv::WL_SSID, "lab-net"),
                                                              {Tlv::WL_STD_CH, 1, 6, Tlv::WL_EXT_CH,
                                                               1, 2, Tlv::WL_SECURITY_MODE, 1, 0})),
                    kDevicePort},
        RequestCase{
            "WirelessWep", [](CGlobalVar& g) { wireless(g, 1, 0); },
            [](TFormUDP& e) { e.SendWlSetting(60000); },
            concat(header(CMD_SET_CONFIG, 33),
                   concat(concat(kWlHead, {Tlv::WL_SECURITY_MODE, 1, 1, Tlv::WL_AUTH_MODE, 1, 1}),
                          concat(text(Tlv::WL_WEPKEY, "1234567890"),
                                 {Tlv::WL_WEPKEY_INDEX, 1, 0}))),
            kDevicePort},
        RequestCase{"WirelessWpaPsk", [](CGlobalVar& g) { wireless(g, 2, 0); },
                    [](TFormUDP& e) { e.SendWlSetting(60000); },
                    concat(header(CMD_SET_CONFIG, 36),
                           concat(concat(kWlHead, {Tlv::WL_SECURITY_MODE, 1, 2, Tlv::WL_WPA_MODE, 1,
                                                   1, Tlv::WL_WPA_CIPHER, 1, 0}),
                                  text(Tlv::WL_WPA_PSK, "correct horse"))),
                    kDevicePort},
        RequestCase{
            "WirelessWpaEndsAfterTheMode", [](CGlobalVar& g) { wireless(g, 3, 0); },
            [](TFormUDP& e) { e.SendWlSetting(60000); },
            concat(header(CMD_SET_CONFIG, 15), concat(kWlHead, {Tlv::WL_SECURITY_MODE, 1, 3})),
            kDevicePort},
        RequestCase{"WpsPushButton", nothing, [](TFormUDP& e) { e.SendWPSPBC(10000); },
                    concat(header(CMD_SET_CONFIG, 2), {Tlv::WL_WPS_PBC, 0}), kDevicePort},
        RequestCase{
            "WpsPinWithLeadingZero", [](CGlobalVar& g) { g.pendingWireless.enrolleePin = 1234567; },
            [](TFormUDP& e) { e.SendWPSPIN(10000); },
            concat(header(CMD_SET_CONFIG, 10), text(Tlv::WL_WPS_PIN, "01234567")), kDevicePort}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EngineTest, TwoAdaptersSendEveryRequestTwiceAndTraceItOnce)
{
    network.AddAdapter(kAdapterB, "lab1", "198.51.100.1", "255.255.255.0", 1);
    ASSERT_TRUE(Engine().SendDiscover(4000));
    ASSERT_TRUE(Engine().SendGetConfig(2000));
    ASSERT_EQ(network.sent.size(), 4u);
    for (std::size_t n = 0; n < 4; n += 2) {
        const Bytes first = network.sent[n].datagram.bytes;
        const Bytes second = network.sent[n + 1].datagram.bytes;
        EXPECT_EQ(PacketAddress(first.data()), kAdapterA);
        EXPECT_EQ(PacketAddress(second.data()), kAdapterB);
        EXPECT_EQ(network.sent[n + 1].link, 1);
        // The copies differ only in the address field.
        EXPECT_TRUE(std::equal(first.begin() + 15, first.end(), second.begin() + 15));
    }
    const std::vector<std::string> lines = log.lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "[Tx] size=18"), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "[Tx] size=21"), 1);
    EXPECT_TRUE(Logged("Addr=02:C0:00:00:00:0A, IP=192.0.2.1, Iface=lab0"));
    EXPECT_TRUE(Logged("Addr=02:C0:00:00:00:0B, IP=198.51.100.1, Iface=lab1"));
}

TEST_F(EngineTest, TheTraceShowsTheLocalMacAndTheClearPayload)
{
    Engine();
    ASSERT_TRUE(Engine().SendDiscover(0));
    log.clear();
    Engine().SendGetConfig(2000);
    const std::vector<std::string> lines = log.lines();
    const auto title = std::find(lines.begin(), lines.end(), "[Tx] size=21");
    ASSERT_NE(title, lines.end());
    ASSERT_NE(title + 2, lines.end());
    const MacAddress mac = Engine().localMac();
    char first[64];
    std::snprintf(first, sizeof first,
                  "53 57 50 31 32 33 34 35 02 %02X %02X %02X %02X %02X %02X 03 ", mac[0], mac[1],
                  mac[2], mac[3], mac[4], mac[5]);
    EXPECT_EQ(title[1], first);
    EXPECT_EQ(title[2], "00 03 93 01 00 ");
}

TEST_F(EngineTest, LocalMacIsTheFirstAdapterWithAnAddress)
{
    MemoryNetwork other;
    AdapterInfo unaddressed;
    unaddressed.mac = {0x02, 1, 1, 1, 1, 1};
    unaddressed.addresses.push_back({"0.0.0.0", "0.0.0.0"});
    other.AddAdapter(unaddressed, 0);
    other.AddAdapter(kAdapterB, "lab1", "198.51.100.1", "255.255.255.0", 0);
    TFormUDP withAdapters(other);
    EXPECT_EQ(withAdapters.localMac(), kAdapterB);
}

TEST_F(EngineTest, LocalMacIsRandomWithoutAnAddressedAdapter)
{
    MemoryNetwork none;
    AdapterInfo unaddressed;
    unaddressed.mac = {0x02, 1, 1, 1, 1, 1};
    unaddressed.addresses.push_back({"0.0.0.0", "0.0.0.0"});
    none.AddAdapter(unaddressed, 0);
    TFormUDP first(none);
    EXPECT_NE(first.localMac(), unaddressed.mac);
    EXPECT_NE(first.localMac(), MacAddress{});
}

} // namespace
