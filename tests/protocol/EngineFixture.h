#pragma once

#include "app/Uglobalvar.h"
#include "platform/testing/ScriptedDialogs.h"
#include "platform/testing/VirtualClock.h"
#include "protocol/Packet.h"
#include "protocol/Uformudp.h"
#include "protocol/testing/LogCapture.h"
#include "protocol/testing/MemoryNetwork.h"
#include "protocol/testing/Notifications.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

inline const MacAddress kAdapterA = {0x02, 0xC0, 0x00, 0x00, 0x00, 0x0A};
inline const MacAddress kAdapterB = {0x02, 0xC0, 0x00, 0x00, 0x00, 0x0B};
inline const MacAddress kDevice = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
inline const MacAddress kOtherDevice = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x99};
inline constexpr char kDeviceIp[] = "192.0.2.10";

// The engine on an in-memory network with one adapter (link 0, 192.0.2.1/24), the virtual
// clock, scripted dialogs and a recording main window. A peer on link 0 records what it hears.
class EngineTest : public ::testing::Test
{
public:
    static Bytes Name(const std::string& name)
    {
        Bytes item;
        AppendTextItem(item, Tlv::DEV_NAME, name);
        return item;
    }

protected:
    void SetUp() override
    {
        network.AddAdapter(kAdapterA, "lab0", "192.0.2.1", "255.255.255.0", 0);
        CGlobalVar& g = GlobalVar();
        g.password = "secret";
        g.appTitle = "KZL Setup";
        g.ResetIpSettings(g.currentIp);
        g.ResetIpSettings(g.pendingIp);
        g.currentWireless = WirelessSettings{};
        g.pendingWireless = WirelessSettings{};
        std::copy(kDevice.begin(), kDevice.end(), g.currentDevice.mac);
        peer = network.AttachPeer(0, kDeviceIp,
                                  [this](const MemoryNetwork::Datagram& d) { heard.push_back(d); });
    }
    void TearDown() override { engine.reset(); }

    TFormUDP& Engine()
    {
        if (!engine)
            engine = std::make_unique<TFormUDP>(network);
        return *engine;
    }

    // A packet from `from` with the given items (already encoded), enciphered with the
    // password unless it is a Discover reply.
    static Bytes Packet(std::uint8_t opcode, const Bytes& items, const MacAddress& from = kDevice)
    {
        Bytes packet = BuildHeader(from);
        packet.insert(packet.end(), items.begin(), items.end());
        FinishPacket(packet, opcode);
        if (opcode != CMD_DISCOVER)
            CipherPayload(packet.data(), packet.size(), GlobalVar().password.toStdString());
        return packet;
    }
    void Deliver(const Bytes& datagram, int link = 0, const std::string& fromIp = kDeviceIp)
    {
        network.InjectToClient(link,
                               {datagram, fromIp, kDevicePort, kBroadcastAddress, kClientPort});
        RunFor(0);
    }
    void Reply(std::uint8_t opcode, const Bytes& items, const MacAddress& from = kDevice)
    {
        Deliver(Packet(opcode, items, from));
    }
    // A search that finds kDevice, then a login it accepts on port 6000.
    void SearchAndLogin()
    {
        ASSERT_TRUE(Engine().SendDiscover(4000));
        Reply(CMD_DISCOVER, Name("AP"));
        RunFor(4000);
        ASSERT_TRUE(Engine().SendLogin(2000));
        Reply(CMD_LOGIN, {Tlv::RESULT, 1, 1, Tlv::PORT, 2, 0x17, 0x70});
        ASSERT_TRUE(Engine().loggedIn());
        main.messages.clear();
        network.sent.clear();
        log.clear();
    }

    // The payload of a sent datagram, deciphered with the password.
    static Bytes ClearPacket(const MemoryNetwork::Sent& sent)
    {
        Bytes packet = sent.datagram.bytes;
        CipherPayload(packet.data(), packet.size(), GlobalVar().password.toStdString());
        return packet;
    }

    bool Logged(const std::string& line) const
    {
        const std::vector<std::string> lines = log.lines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    // The lines after the first one equal to `from`, up to (not including) the next line that
    // does not start with two blanks.
    std::vector<std::string> DetailLines(const std::string& from) const
    {
        const std::vector<std::string> lines = log.lines();
        auto it = std::find(lines.begin(), lines.end(), from);
        std::vector<std::string> details;
        if (it == lines.end())
            return details;
        for (++it; it != lines.end() && it->rfind("  ", 0) == 0; ++it)
            details.push_back(*it);
        return details;
    }

    VirtualClock clock;
    ScriptedDialogs dialogs;
    MemoryNetwork network;
    NotificationRecorder main;
    LogCapture log;
    std::unique_ptr<TFormUDP> engine;
    std::vector<MemoryNetwork::Datagram> heard;
    int peer = 0;
};

using Message = NotificationRecorder::Message;
inline Message Result(int op, LPARAM value)
{
    return {UM_UDP_RESULT, static_cast<WPARAM>(op), value, 0};
}
inline Message Timeout(int op)
{
    return {UM_UDP_TIMEOUT, static_cast<WPARAM>(op), 0, 0};
}
inline Message WpsEvent(LPARAM status)
{
    return {UM_UDP_EVENT, 150, status, 0};
}
