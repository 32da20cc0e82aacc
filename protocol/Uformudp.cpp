#include "Uformudp.h"

#include "ConfigItems.h"
#include "app/Udebug.h"
#include "app/Uglobalvar.h"
#include "platform/Messages.h"
#include "platform/UserDialogs.h"

#include <cstdlib>
#include <cstring>
#include <ctime>

TFormUDP* FormUDP = nullptr;

namespace {

std::uint32_t addressOf(const std::string& dotted)
{
    std::uint32_t address = 0;
    ParseIPv4(dotted, address);
    return address;
}

} // namespace

TFormUDP::TFormUDP(Network& network, QObject* parent)
    : QObject(parent), network_(network), TimerWait(0, false), receiveBuffer_(kReceiveBufferSize)
{
    setObjectName("FormUDP");
    TimerWait.OnTimer = [this] { TimerWaitTimer(); };
    if (!FindFirstAdapter(network_.GetAdapters(), localMac_)) {
        std::srand(static_cast<unsigned>(std::time(nullptr)));
        for (std::uint8_t& byte : localMac_)
            byte = static_cast<std::uint8_t>(std::rand() % 256);
    }
    if (FormUDP == nullptr)
        FormUDP = this;
}

TFormUDP::~TFormUDP()
{
    CloseAdapters();
    ClearDevices();
    if (FormUDP == this)
        FormUDP = nullptr;
}

bool TFormUDP::event(QEvent* e)
{
    WindowMessageEvent* message = AsWindowMessage(e);
    if (message == nullptr)
        return QObject::event(e);
    if (message->msg == UM_SOCKET && message->wParam == 1)
        UDPSocketRead(reinterpret_cast<UdpSocket*>(message->lParam));
    return true;
}

// --- Adapters and devices ------------------------------------------------------------------

bool TFormUDP::InitAdapters()
{
    const std::optional<AdapterList> adapters = network_.GetAdapters();
    if (!adapters)
        return false;
    bool opened = false;
    for (const AdapterInfo& adapter : *adapters) {
        for (const AdapterAddress& entry : adapter.addresses) {
            if (addressOf(entry.ipAddress) == 0)
                continue;
            DebugPrint("Addr=%s, IP=%s, Iface=%s", MacText(adapter.mac).c_str(),
                       entry.ipAddress.c_str(), adapter.description.c_str());
            std::unique_ptr<UdpSocket> socket = network_.CreateSocket();
            socket->mac = adapter.mac;
            socket->ipAddress = entry.ipAddress;
            socket->netmask = entry.netmask;
            socket->interfaceName = adapter.description;
            socket->port = kClientPort;
            if (socket->Open(this, UM_SOCKET)) {
                socketMacs_.push_back(socket->mac);
                sockets_.push_back(std::move(socket));
                opened = true;
                break;
            }
        }
    }
    return opened;
}

void TFormUDP::CloseAdapters()
{
    if (loggedIn_) {
        SendLogout();
        pendingOp_ = OP_NONE;
        loggedIn_ = false;
    }
    sockets_.clear();
    socketMacs_.clear();
}

void TFormUDP::ClearDevices()
{
    devices_.clear();
}

void TFormUDP::GetDeviceList(std::vector<DeviceInfo>& list) const
{
    list.insert(list.end(), devices_.begin(), devices_.end());
}

// --- Sending -------------------------------------------------------------------------------

bool TFormUDP::SendDiscover(std::uint32_t waitMs)
{
    DebugPrint("TFormUDP::SendDiscover()");
    CloseAdapters();
    ClearDevices();
    // The ARP cache commands of the Windows build have no unprivileged Linux equivalent.
    if (!InitAdapters()) {
        DebugPrint("TFormUDP::SendDiscover() FAIL init interface");
        CGlobalVar& g = GlobalVar();
        UserDialogs::current().ShowPlain(g.Message("ER_Ethr_Interface"), g.appTitle);
        return false;
    }
    targetMac_ = kBroadcastMac;
    remotePort_ = kDevicePort;
    std::vector<std::uint8_t> packet = BuildHeader(localMac_);
    SendRequest(OP_DISCOVER, CMD_DISCOVER, packet, waitMs);
    return true;
}

bool TFormUDP::SendLogin(std::uint32_t waitMs)
{
    DebugPrint("TFormUDP::SendLogin()");
    remotePort_ = kDevicePort;
    std::vector<std::uint8_t> packet = BuildHeader(localMac_);
    AppendItem(packet, Tlv::DEV_MAC, GlobalVar().currentDevice.mac, 6);
    AppendTextItem(packet, Tlv::AUTH_TEXT, kAuthText);
    SendRequest(OP_LOGIN, CMD_LOGIN, packet, waitMs);
    return true;
}

bool TFormUDP::SendLogout()
{
    DebugPrint("TFormUDP::SendLogout()");
    std::vector<std::uint8_t> packet = BuildHeader(localMac_);
    FinishPacket(packet, CMD_LOGOUT);
    pendingOp_ = OP_LOGOUT;
    SendPacket(packet);
    pendingOp_ = OP_NONE;
    loggedIn_ = false;
    StopWait(); // nothing is awaited any more: no time-out for OP_NONE
    return true;
}

bool TFormUDP::SendGetConfig(std::uint32_t waitMs)
{
    DebugPrint("TFormUDP::SendGetConfig()");
    std::vector<std::uint8_t> packet = BuildHeader(localMac_);
    AppendByteItem(packet, Tlv::CFG_QUERY, 0);
    SendRequest(OP_GET_CONFIG, CMD_GET_CONFIG, packet, waitMs);
    return true;
}

bool TFormUDP::SendIPSetting(std::uint32_t waitMs)
{
    DebugPrint("TFormUDP::SendIPSetting()");
    std::vector<std::uint8_t> packet = BuildHeader(localMac_);
    AppendIpSettingItems(packet, GlobalVar().pendingIp);
    SendRequest(OP_SET_IP, CMD_SET_CONFIG, packet, waitMs);
    return true;
}

bool TFormUDP::SendWlSetting(std::uint32_t waitMs)
{
    DebugPrint("TFormUDP::SendWlSetting()");
    std::vector<std::uint8_t> packet = BuildHeader(localMac_);
    AppendWirelessItems(packet, GlobalVar().pendingWireless);
    SendRequest(OP_SET_WIRELESS, CMD_SET_CONFIG, packet, waitMs);
    return true;
}

bool TFormUDP::SendWPSPBC(std::uint32_t waitMs)
{
    DebugPrint("TFormUDP::SendWPSPBC()");
    std::vector<std::uint8_t> packet = BuildHeader(localMac_);
    AppendItem(packet, Tlv::WL_WPS_PBC, nullptr, 0);
    SendRequest(OP_WPS_PBC, CMD_SET_CONFIG, packet, waitMs);
    return true;
}

bool TFormUDP::SendWPSPIN(std::uint32_t waitMs)
{
    DebugPrint("TFormUDP::SendWPSPIN()");
    // The item holds exactly eight digits; the pages never pass a longer PIN.
    char digits[16];
    std::snprintf(digits, sizeof digits, "%08u",
                  GlobalVar().pendingWireless.enrolleePin % 100000000u);
    std::vector<std::uint8_t> packet = BuildHeader(localMac_);
    AppendTextItem(packet, Tlv::WL_WPS_PIN, std::string_view(digits, 8));
    SendRequest(OP_WPS_PIN, CMD_SET_CONFIG, packet, waitMs);
    return true;
}

void TFormUDP::SendRequest(int op, std::uint8_t opcode, std::vector<std::uint8_t>& packet,
                           std::uint32_t waitMs)
{
    FinishPacket(packet, opcode);
    pendingOp_ = op;
    SendPacket(packet);
    if (waitMs > 0) {
        StartWait(waitMs);
    } else {
        pendingOp_ = OP_NONE;
        StopWait(); // an earlier request's wait would end in a time-out for OP_NONE
    }
}

void TFormUDP::SendPacket(std::vector<std::uint8_t>& packet)
{
    DumpPacket(false, packet.data(), packet.size(), {}, 0);
    CipherPayload(packet.data(), packet.size(), CipherKey());
    for (const std::unique_ptr<UdpSocket>& socket : sockets_) {
        SetPacketAddress(packet.data(), socket->mac);
        socket->SendTo(packet.data(), packet.size(), remotePort_, kBroadcastAddress);
    }
}

std::string TFormUDP::CipherKey() const
{
    // An empty key stands for RC4_DEFAULT_KEY.
    return GlobalVar().password.toStdString();
}

void TFormUDP::DumpPacket(bool received, const std::uint8_t* data, std::size_t size,
                          const std::string& senderAddress, std::uint16_t senderPort) const
{
    if (!DebugLog().IsOn())
        return;
    for (const std::string& line :
         FormatPacketTrace(received, data, size, senderAddress, senderPort))
        DebugPrint("%s", line.c_str());
}

void TFormUDP::StartWait(std::uint32_t waitMs)
{
    TimerWait.SetEnabled(false);
    TimerWait.SetInterval(waitMs);
    TimerWait.SetEnabled(true);
}

void TFormUDP::StopWait()
{
    TimerWait.SetEnabled(false);
}

void TFormUDP::TimerWaitTimer()
{
    StopWait();
    DebugPrint("TFormUDP::TimerWaitTimer() %d", pendingOp_);
    Notify(UM_UDP_TIMEOUT, static_cast<WPARAM>(pendingOp_), 0);
    pendingOp_ = OP_NONE;
}

void TFormUDP::Notify(unsigned msg, WPARAM wParam, LPARAM lParam) const
{
    PostMessage(MainWindow(), msg, wParam, lParam);
}

// --- Receiving -----------------------------------------------------------------------------

void TFormUDP::UDPSocketRead(UdpSocket* socket)
{
    if (socket == nullptr)
        return;
    DebugPrint("Local IP:%s", socket->ipAddress.c_str());
    lastLocalIp_ = socket->ipAddress;
    std::uint16_t senderPort = 0;
    std::string senderAddress;
    const int received =
        socket->Recv(receiveBuffer_.data(), receiveBuffer_.size(), senderPort, senderAddress);
    if (received > 0)
        ProcRecvData(receiveBuffer_.data(), static_cast<std::size_t>(received), socket,
                     senderAddress, senderPort);
    else
        DebugPrint("TFormUDP::UDPSocketRead() %d", received);
}

void TFormUDP::ProcRecvData(std::uint8_t* data, std::size_t size, UdpSocket* socket,
                            const std::string& senderAddress, std::uint16_t senderPort)
{
    const ReceiveCheck check = CheckReceivedPacket(data, size, socketMacs_, localMac_, targetMac_);
    if (check != ReceiveCheck::Accepted) {
        DebugPrint("%s", ReceiveCheckLogLine(check));
        return;
    }
    const std::uint8_t opcode = PacketOpcode(data);
    if (opcode != CMD_DISCOVER)
        CipherPayload(data, size, CipherKey());
    DumpPacket(true, data, size, senderAddress, senderPort);
    switch (opcode) {
    case CMD_DISCOVER:
        RecvDiscover(data, socket, senderAddress);
        break;
    case CMD_LOGIN:
        RecvLogin(data);
        break;
    case CMD_LOGOUT:
        RecvLogout(data);
        break;
    case CMD_GET_CONFIG:
        RecvGetConfig(data);
        break;
    case CMD_SET_CONFIG:
        RecvSetConfig(data);
        break;
    case CMD_EVENT:
        RecvEvent(data);
        break;
    default:
        break;
    }
}

template <typename OnItem> void TFormUDP::ReadPayload(const std::uint8_t* packet, OnItem&& onItem)
{
    if (!ReadItems(packet + kHeaderSize, PacketLength(packet), onItem))
        DebugPrint("  not enough bytes in buffer");
}

void TFormUDP::RecvDiscover(const std::uint8_t* packet, const UdpSocket* socket,
                            const std::string& senderAddress)
{
    DebugPrint("TFormUDP::RecvDiscover()");
    if (pendingOp_ != OP_DISCOVER) {
        DebugPrint("  ignore data");
        return;
    }
    const MacAddress mac = PacketAddress(packet);
    for (const DeviceInfo& device : devices_) {
        if (std::memcmp(device.mac, mac.data(), 6) == 0) {
            DebugPrint("  already exist");
            return;
        }
    }
    DeviceInfo device;
    bool seen = false;
    ReadPayload(packet, [&](const TlvItem& item) {
        seen = true;
        if (item.type != Tlv::DEV_NAME)
            return;
        SetFixedText(device.name, reinterpret_cast<const char*>(item.value), item.length);
        DebugPrint("  DevName=%s", device.name);
    });
    if (!seen)
        return;
    device.localIp = addressOf(socket->ipAddress);
    device.localMask = addressOf(socket->netmask);
    device.deviceIp = addressOf(senderAddress);
    std::memcpy(device.mac, mac.data(), 6);
    devices_.push_back(device);
}

void TFormUDP::RecvLogin(const std::uint8_t* packet)
{
    DebugPrint("TFormUDP::RecvLogin()");
    if (pendingOp_ != OP_LOGIN) {
        DebugPrint("  ignore data");
        return;
    }
    StopWait();
    pendingOp_ = OP_NONE;
    int result = 0;
    ReadPayload(packet, [&](const TlvItem& item) {
        std::uint8_t byte = 0;
        std::uint16_t port = 0;
        if (item.type == Tlv::RESULT && item.ReadByte(byte)) {
            result = byte;
            DebugPrint("  Result=%d", result);
        } else if (item.type == Tlv::PORT && item.ReadU16(port)) {
            remotePort_ = port;
            DebugPrint("  Port=%d", static_cast<int>(port));
        }
    });
    loggedIn_ = result != 0;
    if (loggedIn_)
        targetMac_ = PacketAddress(packet);
    Notify(UM_UDP_RESULT, OP_LOGIN, result);
}

void TFormUDP::RecvLogout(const std::uint8_t*)
{
    DebugPrint("TFormUDP::RecvLogout()");
    if (pendingOp_ != OP_LOGOUT) {
        DebugPrint("  ignore data");
        return;
    }
}

void TFormUDP::RecvGetConfig(const std::uint8_t* packet)
{
    DebugPrint("TFormUDP::RecvGetConfig()");
    if (pendingOp_ != OP_GET_CONFIG) {
        DebugPrint("  ignore data");
        return;
    }
    StopWait();
    pendingOp_ = OP_NONE;
    CGlobalVar& g = GlobalVar();
    ReadPayload(packet, [&](const TlvItem& item) {
        StoreConfigItem(item, g.currentIp, g.currentWireless);
    });
    Notify(UM_UDP_RESULT, OP_GET_CONFIG, 1);
}

void TFormUDP::RecvSetConfig(const std::uint8_t* packet)
{
    DebugPrint("TFormUDP::RecvSetConfig()");
    if (pendingOp_ != OP_SET_IP && pendingOp_ != OP_SET_WIRELESS && pendingOp_ != OP_WPS_PBC &&
        pendingOp_ != OP_WPS_PIN) {
        DebugPrint("  ignore data");
        return;
    }
    int result = 0;
    ReadPayload(packet, [&](const TlvItem& item) {
        std::uint8_t byte = 0;
        if (item.type == Tlv::RESULT && item.ReadByte(byte)) {
            result = byte;
            DebugPrint("  Result=%d", result);
        }
    });
    Notify(UM_UDP_RESULT, static_cast<WPARAM>(pendingOp_), result);
    StopWait();
    pendingOp_ = OP_NONE;
}

void TFormUDP::RecvEvent(const std::uint8_t* packet)
{
    DebugPrint("TFormUDP::RecvEvent()");
    ReadPayload(packet, [&](const TlvItem& item) {
        std::uint32_t status = 0;
        if (item.type == Tlv::TLVTYPE_OTHER_CONNECTTIMEOUT) {
            loggedIn_ = false;
            DebugPrint("  TLVTYPE_OTHER_CONNECTTIMEOUT");
        } else if (item.type == Tlv::TLVTYPE_OTHER_WPS_STATUS) {
            if (!item.ReadU32(status))
                return;
            DebugPrint("  TLVTYPE_OTHER_WPS_STATUS %d", static_cast<int>(status));
            Notify(UM_UDP_EVENT, kWpsStatusEvent, static_cast<LPARAM>(status));
        } else {
            DebugPrint("  TLV=0x%X", static_cast<unsigned>(item.type));
        }
    });
}
