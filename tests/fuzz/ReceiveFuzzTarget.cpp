#include "ReceiveFuzzTarget.h"

#include "app/Uglobalvar.h"
#include "platform/ProgramLocation.h"
#include "platform/testing/ScriptedDialogs.h"
#include "protocol/Uformudp.h"
#include "protocol/testing/MemoryNetwork.h"
#include "protocol/testing/Notifications.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace {

const MacAddress kAdapter = {0x02, 0xC0, 0x00, 0x00, 0x00, 0x0A};
const MacAddress kDevice = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};

struct Harness
{
    Harness()
    {
        network.AddAdapter(kAdapter, "lab0", "192.0.2.1", "255.255.255.0", 0);
        engine = std::make_unique<TFormUDP>(network);
    }
    ScriptedDialogs dialogs;
    MemoryNetwork network;
    NotificationRecorder main;
    std::unique_ptr<TFormUDP> engine;
};

Harness* harness = nullptr;

void deliver(const std::vector<std::uint8_t>& datagram)
{
    harness->network.InjectToClient(
        0, {datagram, "192.0.2.10", kDevicePort, kBroadcastAddress, kClientPort});
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::processEvents();
}

void openSession()
{
    harness->engine->SendLogin(60000);
    std::vector<std::uint8_t> accept = BuildHeader(kDevice);
    AppendByteItem(accept, Tlv::RESULT, 1);
    AppendU16Item(accept, Tlv::PORT, 6000);
    FinishPacket(accept, CMD_LOGIN);
    CipherPayload(accept.data(), accept.size(), GlobalVar().password.toStdString());
    deliver(accept);
}

void makePending(int op)
{
    TFormUDP& e = *harness->engine;
    switch (op) {
    case OP_DISCOVER:
        e.SendDiscover(60000);
        break;
    case OP_LOGIN:
        e.SendLogin(60000);
        break;
    case OP_LOGOUT:
        e.SendLogout();
        break;
    case OP_SET_IP:
        e.SendIPSetting(60000);
        break;
    case OP_SET_WIRELESS:
        e.SendWlSetting(60000);
        break;
    case OP_GET_CONFIG:
        e.SendGetConfig(60000);
        break;
    case OP_WPS_PBC:
        e.SendWPSPBC(60000);
        break;
    case OP_WPS_PIN:
        e.SendWPSPIN(60000);
        break;
    default:
        break;
    }
}

// The log goes to /dev/null, so that its formatting runs without filling a disk.
void logToNowhere()
{
    static QTemporaryDir folder;
    const QString log = QDir(folder.path()).filePath("Setup.Log");
    if (QFile::link("/dev/null", log))
        ProgramLocation::OverrideProgramFile(QDir(folder.path()).filePath("Setup").toStdString());
}

} // namespace

void InitReceiveFuzzTarget()
{
    static int argc = 1;
    static char name[] = "fuzz_receive";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    logToNowhere();
    harness = new Harness; // lives for the whole run
}

void RunReceiveFuzzInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return;
    const std::uint8_t state = data[0];
    CGlobalVar& g = GlobalVar();
    g.password = (state & kFuzzEmptyPassword) ? QString() : QStringLiteral("vexil");
    std::copy(kDevice.begin(), kDevice.end(), g.currentDevice.mac);
    harness->engine->SendDiscover(0); // a fresh start: logged out, every device accepted
    if (state & kFuzzLoggedIn)
        openSession();
    makePending(state & 0x0F);
    deliver(std::vector<std::uint8_t>(data + 1, data + size));
    harness->main.messages.clear();
    harness->network.sent.clear();
}

std::vector<std::uint8_t> MakeReceiveSeed(std::uint8_t state, std::vector<std::uint8_t> packet)
{
    if (packet.size() >= kHeaderSize && PacketOpcode(packet.data()) != CMD_DISCOVER)
        CipherPayload(packet.data(), packet.size(), (state & kFuzzEmptyPassword) ? "" : "vexil");
    packet.insert(packet.begin(), state);
    return packet;
}
