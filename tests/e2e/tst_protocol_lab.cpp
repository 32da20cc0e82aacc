// The real engine and apsim over real sockets, in the network lab (scripts/netns-lab): the
// client namespace with lab0 (192.0.2.1/24) and lab1 (198.51.100.1/24), access point 1 on
// lab0's link at 192.0.2.10 and access point 2 on lab1's link at 203.0.113.20, another subnet.
// Refuses to start anywhere else, before it opens any socket.
#include "app/Uglobalvar.h"
#include "platform/testing/ScriptedDialogs.h"
#include "protocol/Ucudpsocket.h"
#include "protocol/Uformudp.h"
#include "protocol/Uiphelp.h"
#include "protocol/testing/LogCapture.h"
#include "protocol/testing/Notifications.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <net/if.h>
#include <set>
#include <sstream>

namespace {

using Message = NotificationRecorder::Message;
using Messages = std::vector<Message>;

std::vector<std::string> splitWords(const char* text)
{
    std::vector<std::string> words;
    std::istringstream in(text ? text : "");
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// Empty when this process runs in the lab: every interface here is the loopback or one the
// lab made. Otherwise the reason to refuse.
std::string outsideTheLab()
{
    const char* lab = std::getenv("KZL_LAB");
    const std::vector<std::string> labInterfaces = splitWords(std::getenv("KZL_LAB_IFACES"));
    if (lab == nullptr || std::string(lab) != "1" || labInterfaces.empty())
        return "KZL_LAB is not set";
    const std::set<std::string> allowed(labInterfaces.begin(), labInterfaces.end());
    std::set<std::string> present;
    struct if_nameindex* names = if_nameindex();
    if (names == nullptr)
        return "the interfaces cannot be listed";
    for (struct if_nameindex* n = names; n->if_index != 0; ++n) {
        const std::string name = n->if_name;
        present.insert(name);
        if (name != "lo" && allowed.count(name) == 0) {
            if_freenameindex(names);
            return "found interface " + name + ", which the lab did not make";
        }
    }
    if_freenameindex(names);
    for (const std::string& name : allowed) {
        if (present.count(name) == 0)
            return "the lab interface " + name + " is missing";
    }
    return {};
}

Message result(int op, LPARAM value)
{
    return {UM_UDP_RESULT, static_cast<WPARAM>(op), value, 0};
}

// One apsim in an access-point namespace of the lab, stopped with the test.
class ApSim
{
public:
    ApSim(const std::string& ns, const QStringList& options, const QString& logFile)
    {
        QStringList args = {
            "netns",        "exec",    QString::fromStdString(ns),
            KZL_APSIM_PATH, "--iface", qEnvironmentVariable("KZL_LAB_AP_IFACE", "ap0"),
            "--log",        logFile};
        args += options;
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start("ip", args);
    }
    ~ApSim()
    {
        process_.terminate();
        if (!process_.waitForFinished(2000))
            process_.kill();
        process_.waitForFinished(2000);
    }
    // Waits (in real time) for the line that says its sockets are open.
    bool WaitReady()
    {
        while (!process_.canReadLine()) {
            if (!process_.waitForReadyRead(5000))
                return false;
        }
        return process_.readLine().startsWith("apsim: ready");
    }

private:
    QProcess process_;
};

class ProtocolLab : public ::testing::Test
{
protected:
    void SetUp() override
    {
        aps = splitWords(std::getenv("KZL_LAB_AP_NS"));
        ASSERT_EQ(aps.size(), 2u);
        CGlobalVar& g = GlobalVar();
        g.appTitle = "KZL Setup";
        g.currentWireless = WirelessSettings{};
        g.pendingWireless = WirelessSettings{};
        g.ResetIpSettings(g.currentIp);
    }
    void TearDown() override
    {
        engine.reset();
        sims.clear();
    }

    QString LogOf(int ap) const { return folder.filePath(QString("ap%1.log").arg(ap + 1)); }

    void StartAp(int ap, QStringList options)
    {
        sims.push_back(
            std::make_unique<ApSim>(aps[static_cast<std::size_t>(ap)], options, LogOf(ap)));
        ASSERT_TRUE(sims.back()->WaitReady()) << "apsim " << ap + 1 << " did not start";
    }

    void StartBoth()
    {
        StartAp(0, {"--name", "Lab AP 1", "--mac", "00:1A:2B:00:01:01", "--password", "one", "--ip",
                    "192.0.2.10/24", "--session-port", "6001"});
        StartAp(1, {"--name", "Lab AP 2", "--mac", "00:1A:2B:00:02:01", "--password", "two", "--ip",
                    "203.0.113.20/24", "--gateway", "203.0.113.1", "--session-port", "6002",
                    "--ssid", "far-away", "--wps-script", "3@100,4@100"});
        engine = std::make_unique<TFormUDP>();
    }

    Messages Await(std::uint32_t limitMs, std::size_t count = 1)
    {
        RunUntil([&] { return main.messages.size() >= count; }, limitMs);
        Messages m = main.messages;
        main.messages.clear();
        return m;
    }

    std::vector<DeviceInfo> Search()
    {
        EXPECT_TRUE(engine->SendDiscover(1500));
        EXPECT_EQ(Await(3000), (Messages{{UM_UDP_TIMEOUT, OP_DISCOVER, 0, 0}}));
        std::vector<DeviceInfo> list;
        engine->GetDeviceList(list);
        return list;
    }

    const DeviceInfo* Named(const std::vector<DeviceInfo>& list, const char* name)
    {
        for (const DeviceInfo& device : list) {
            if (std::string(device.name) == name)
                return &device;
        }
        return nullptr;
    }

    QString ApLog(int ap) const
    {
        QFile file(LogOf(ap));
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }

    QTemporaryDir folder;
    std::vector<std::string> aps;
    ScriptedDialogs dialogs;
    NotificationRecorder main;
    std::vector<std::unique_ptr<ApSim>> sims;
    std::unique_ptr<TFormUDP> engine;
};

TEST_F(ProtocolLab, DiscoversADeviceInAnotherSubnetThroughEachAdapter)
{
    StartBoth();
    const std::vector<DeviceInfo> list = Search();
    ASSERT_EQ(list.size(), 2u);
    const DeviceInfo* near = Named(list, "Lab AP 1");
    const DeviceInfo* far = Named(list, "Lab AP 2");
    ASSERT_TRUE(near && far);
    EXPECT_EQ(near->localIp, 0xC0000201u);  // 192.0.2.1, lab0
    EXPECT_EQ(near->deviceIp, 0xC000020Au); // 192.0.2.10
    EXPECT_EQ(far->localIp, 0xC6336401u);   // 198.51.100.1, lab1
    EXPECT_EQ(far->localMask, 0xFFFFFF00u);
    EXPECT_EQ(far->deviceIp, 0xCB007114u); // 203.0.113.20
    // Each adapter sent its own copy, with its own MAC, and each device heard one.
    const std::optional<AdapterList> adapters = CIPHelp().GetAdapters();
    ASSERT_TRUE(adapters && adapters->size() == 2u);
    for (int ap = 0; ap < 2; ++ap) {
        const QString mac =
            QString::fromStdString(MacText((*adapters)[static_cast<std::size_t>(ap)].mac));
        EXPECT_TRUE(ApLog(ap).contains("op=discover(0) mac=" + mac + " len=0"))
            << ApLog(ap).toStdString();
        EXPECT_EQ(ApLog(ap).count("op=discover(0) mac="), 2); // in and out
    }
}

TEST_F(ProtocolLab, LogsInReadsAndSetsTheFarDeviceAndFollowsWps)
{
    StartBoth();
    const std::vector<DeviceInfo> list = Search();
    const DeviceInfo* far = Named(list, "Lab AP 2");
    ASSERT_NE(far, nullptr);
    CGlobalVar& g = GlobalVar();
    g.currentDevice = *far;
    g.password = "two";
    engine->SendLogin(2000);
    ASSERT_EQ(Await(3000), Messages{result(OP_LOGIN, 1)});
    EXPECT_EQ(engine->remotePort(), 6002);
    EXPECT_EQ(engine->lastLocalIp(), "198.51.100.1");

    engine->SendGetConfig(2000);
    ASSERT_EQ(Await(3000), Messages{result(OP_GET_CONFIG, 1)});
    EXPECT_STREQ(g.currentWireless.ssid, "far-away");
    EXPECT_EQ(g.currentIp.ipAddress, 0xCB007114u);
    EXPECT_EQ(g.currentIp.gateway, 0xCB007101u);

    g.pendingWireless = g.currentWireless;
    SetFixedText(g.pendingWireless.ssid, "lab-renamed", 11);
    g.pendingWireless.securityMode = 2;
    SetFixedText(g.pendingWireless.passphrase, "lab passphrase", 14);
    engine->SendWlSetting(5000);
    ASSERT_EQ(Await(6000), Messages{result(OP_SET_WIRELESS, 1)});
    engine->SendGetConfig(2000);
    ASSERT_EQ(Await(3000), Messages{result(OP_GET_CONFIG, 1)});
    EXPECT_STREQ(g.currentWireless.ssid, "lab-renamed");
    EXPECT_EQ(g.currentWireless.securityMode, 2);

    engine->SendWPSPBC(5000);
    const Messages wps = Await(5000, 3);
    ASSERT_EQ(wps.size(), 3u);
    EXPECT_EQ(wps[0], result(OP_WPS_PBC, 1));
    EXPECT_EQ(wps[1], (Message{UM_UDP_EVENT, 150, 3, 0}));
    EXPECT_EQ(wps[2], (Message{UM_UDP_EVENT, 150, 4, 0}));

    engine.reset(); // logs out on close
    RunUntil([&] { return ApLog(1).contains("op=logout(2)"); }, 2000);
    EXPECT_TRUE(ApLog(1).contains("op=logout(2)"));
}

TEST_F(ProtocolLab, WrongPasswordTimesOutAndOnlyTheNamedDeviceAnswers)
{
    StartBoth();
    const std::vector<DeviceInfo> list = Search();
    const DeviceInfo* near = Named(list, "Lab AP 1");
    ASSERT_NE(near, nullptr);
    GlobalVar().currentDevice = *near;
    GlobalVar().password = "not-one";
    engine->SendLogin(1000);
    EXPECT_EQ(Await(2000), (Messages{{UM_UDP_TIMEOUT, OP_LOGIN, 0, 0}}));
    GlobalVar().password = "one";
    engine->SendLogin(2000);
    EXPECT_EQ(Await(3000), Messages{result(OP_LOGIN, 1)});
    EXPECT_FALSE(ApLog(1).contains("op=login(1) mac=00:1A:2B:00:02:01"));
}

// Stands in for the engine: reads the datagram of every UM_SOCKET it is sent.
class SocketOwner final : public QObject
{
public:
    bool event(QEvent* e) override
    {
        WindowMessageEvent* message = AsWindowMessage(e);
        if (message == nullptr || message->msg != UM_SOCKET || message->wParam != 1)
            return QObject::event(e);
        auto* socket = reinterpret_cast<UdpSocket*>(message->lParam);
        std::uint8_t buffer[64];
        received = socket->Recv(buffer, sizeof buffer, senderPort, senderAddress);
        from = socket;
        return true;
    }
    UdpSocket* from = nullptr;
    int received = 0;
    std::uint16_t senderPort = 0;
    std::string senderAddress;
};

TEST(CUDPSocketLab, ReportsAReadableDatagramToItsOwner)
{
    SocketOwner owner;
    CUDPSocket receiver;
    receiver.ipAddress = "127.0.0.1";
    ASSERT_TRUE(receiver.Open(&owner, UM_SOCKET));
    EXPECT_NE(receiver.port, 0);
    CUDPSocket sender;
    ASSERT_TRUE(sender.Open(&owner, UM_SOCKET));
    EXPECT_EQ(sender.ipAddress, "0.0.0.0"); // no address: the any-address, reported as bound
    const std::uint8_t hello[5] = {'h', 'e', 'l', 'l', 'o'};
    ASSERT_TRUE(
        sender.SendTo(hello, sizeof hello, static_cast<std::uint16_t>(receiver.port), "127.0.0.1"));
    EXPECT_TRUE(RunUntil([&] { return owner.from != nullptr; }, 2000));
    EXPECT_EQ(owner.from, &receiver);
    EXPECT_EQ(owner.received, 5);
    EXPECT_EQ(owner.senderAddress, "127.0.0.1");
    EXPECT_EQ(owner.senderPort, sender.port);
    receiver.Close();
    std::uint8_t buffer[8];
    std::uint16_t port = 0;
    std::string address;
    EXPECT_FALSE(receiver.SendTo(hello, sizeof hello, 5432, "127.0.0.1"));
    EXPECT_EQ(receiver.Recv(buffer, sizeof buffer, port, address), 0);
}

TEST(CIPHelpLab, ListsTheLabAdaptersInIndexOrder)
{
    const std::optional<AdapterList> adapters = CIPHelp().GetAdapters();
    ASSERT_TRUE(adapters.has_value());
    ASSERT_EQ(adapters->size(), 2u); // the loopback is no adapter
    EXPECT_EQ((*adapters)[0].description, "lab0");
    EXPECT_EQ((*adapters)[1].description, "lab1");
    ASSERT_EQ((*adapters)[1].addresses.size(), 1u);
    EXPECT_EQ((*adapters)[1].addresses[0].ipAddress, "198.51.100.1");
    EXPECT_EQ((*adapters)[1].addresses[0].netmask, "255.255.255.0");
    EXPECT_NE((*adapters)[0].mac, MacAddress{});
    MacAddress first{};
    EXPECT_TRUE(CIPHelp().FindFirstAdapter(first));
    EXPECT_EQ(first, (*adapters)[0].mac);
}

} // namespace

int main(int argc, char** argv)
{
    const std::string refusal = outsideTheLab();
    if (!refusal.empty()) {
        std::cerr << "tst_protocol_lab: refuses to start outside the network lab (" << refusal
                  << "); run it through scripts/netns-lab\n";
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    SwitchOnTestLog();
    return RUN_ALL_TESTS();
}
