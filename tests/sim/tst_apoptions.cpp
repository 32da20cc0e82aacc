#include "sim/ApOptions.h"

#include <gtest/gtest.h>

namespace {

TEST(ApOptions, ReadsEveryOption)
{
    ApOptions o;
    std::string error;
    ASSERT_TRUE(ParseApOptions({"--iface",
                                "ap0",
                                "--iface",
                                "ap1",
                                "--name",
                                "Hall",
                                "--mac",
                                "02:00:00:00:00:07",
                                "--password",
                                "pw",
                                "--session-port",
                                "6001",
                                "--ip",
                                "203.0.113.20/26",
                                "--gateway",
                                "203.0.113.1",
                                "--dhcp",
                                "--ssid",
                                "lab",
                                "--wps-script",
                                "3@500,4@200,34@1000",
                                "--session-timeout",
                                "60",
                                "--drop",
                                "login:2",
                                "--delay",
                                "getconfig:300",
                                "--refuse",
                                "setconfig",
                                "--malformed",
                                "4",
                                "--devices",
                                "1000",
                                "--log",
                                "/tmp/ap.log"},
                               o, error))
        << error;
    EXPECT_EQ(o.interfaces, (std::vector<std::string>{"ap0", "ap1"}));
    const ApSettings& s = o.settings;
    EXPECT_EQ(s.name, "Hall");
    EXPECT_EQ(s.mac, (MacAddress{2, 0, 0, 0, 0, 7}));
    EXPECT_EQ(s.password, "pw");
    EXPECT_EQ(s.sessionPort, 6001);
    EXPECT_EQ(s.ip, 0xCB007114u);
    EXPECT_EQ(s.netmask, 0xFFFFFFC0u);
    EXPECT_EQ(s.gateway, 0xCB007101u);
    EXPECT_TRUE(s.dhcp);
    EXPECT_EQ(s.ssid, "lab");
    ASSERT_EQ(s.wpsScript.size(), 3u);
    EXPECT_EQ(s.wpsScript[2].status, 34u);
    EXPECT_EQ(s.wpsScript[2].delayMs, 1000u);
    EXPECT_EQ(s.sessionTimeoutS, 60u);
    EXPECT_EQ(s.faults.drop.at(CMD_LOGIN), 2);
    EXPECT_EQ(s.faults.delayMs.at(CMD_GET_CONFIG), 300u);
    EXPECT_EQ(s.faults.refuse.count(CMD_SET_CONFIG), 1u);
    EXPECT_EQ(s.faults.malformed.count(CMD_SET_CONFIG), 1u);
    EXPECT_EQ(o.devices, 1000);
    EXPECT_EQ(o.logFile, "/tmp/ap.log");
}

struct BadCase
{
    const char* name;
    std::vector<std::string> args;
};

class BadOptions : public ::testing::TestWithParam<BadCase>
{};

TEST_P(BadOptions, AreRefusedWithAMessage)
{
    ApOptions o;
    std::string error;
    EXPECT_FALSE(ParseApOptions(GetParam().args, o, error));
    EXPECT_FALSE(error.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Sim, BadOptions,
    ::testing::Values(BadCase{"NoInterface", {"--name", "x"}},
                      BadCase{"UnknownOption", {"--iface", "a", "--frobnicate", "1"}},
                      BadCase{"MissingValue", {"--iface"}},
                      BadCase{"BadMac", {"--iface", "a", "--mac", "00:11"}},
                      BadCase{"BadIp", {"--iface", "a", "--ip", "300.1.1.1/24"}},
                      BadCase{"BadMaskBits", {"--iface", "a", "--ip", "1.1.1.1/33"}},
                      BadCase{"PortZero", {"--iface", "a", "--session-port", "0"}},
                      BadCase{"BadScript", {"--iface", "a", "--wps-script", "3@"}},
                      BadCase{"BadOperation", {"--iface", "a", "--drop", "reboot:1"}},
                      BadCase{"LongSsid", {"--iface", "a", "--ssid", std::string(33, 's')}},
                      BadCase{"HugeValue", {"--iface", "a", "--devices", std::string(3000, '9')}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ApOptions, HelpListsEveryOption)
{
    const std::string help = ApOptionsHelp();
    for (const char* option :
         {"--iface", "--name", "--mac", "--password", "--session-port", "--ip", "--gateway",
          "--dhcp", "--ssid", "--wps-script", "--session-timeout", "--drop", "--delay", "--refuse",
          "--malformed", "--devices", "--log", "--help"})
        EXPECT_NE(help.find(option), std::string::npos) << option;
}

} // namespace
