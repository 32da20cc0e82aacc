#pragma once

#include "app/Records.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "protocol/NetworkSeam.h"
#include "protocol/Packet.h"

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

// The engine's pending request; the same numbers are the wParam of its notifications.
enum : int {
    OP_NONE = 0,
    OP_DISCOVER = 1,
    OP_LOGIN = 2,
    OP_LOGOUT = 3,
    OP_SET_IP = 4,
    OP_SET_WIRELESS = 5,
    OP_GET_CONFIG = 6,
    OP_WPS_PBC = 7,
    OP_WPS_PIN = 8,
};

// wParam of UM_UDP_EVENT: the type code of the WPS status item.
inline constexpr WPARAM kWpsStatusEvent = 0x96;

// The protocol engine: a hidden object that owns one socket per local adapter, the devices of
// the running search, the login state and one wait timer.
//
// Every Send... operation broadcasts its request through every open socket (each copy carries
// that socket's MAC in its header) and, with a wait time above 0, waits for the reply; only one
// request is pending at a time and a new send replaces the pending one. The engine tells the
// pages by messages posted to MainWindow():
//   UM_UDP_RESULT  (op, result)  a reply to the pending Login, GetConfig (result 1) or SetConfig
//   UM_UDP_TIMEOUT (op, 0)       the wait ran out; the normal end of every search
//   UM_UDP_EVENT   (150, status) a WPS status event of the device, pending request or not
// The session ends by SendLogout, a new search, the device's time-out event or destruction
// (which sends a Logout while logged in). The wizard pages read the settings the device reports
// from GlobalVar().currentIp / currentWireless and send pendingIp / pendingWireless; the Login
// names GlobalVar().currentDevice, and GlobalVar().password keys the cipher (empty: the
// built-in key).
class TFormUDP : public QObject
{
public:
    explicit TFormUDP(Network& network = Network::current(), QObject* parent = nullptr);
    ~TFormUDP() override;

    // Re-opens the sockets (after a Logout when logged in), empties the device list and
    // broadcasts a Discover. False, after the message "ER_Ethr_Interface", when no adapter
    // could be opened.
    bool SendDiscover(std::uint32_t waitMs);
    bool SendLogin(std::uint32_t waitMs);
    // Sent without waiting; the engine is logged out at once.
    bool SendLogout();
    bool SendGetConfig(std::uint32_t waitMs);
    bool SendIPSetting(std::uint32_t waitMs);
    bool SendWlSetting(std::uint32_t waitMs);
    bool SendWPSPBC(std::uint32_t waitMs);
    bool SendWPSPIN(std::uint32_t waitMs);

    // Appends a copy of every device found by the running (or last) search, in order.
    void GetDeviceList(std::vector<DeviceInfo>& list) const;

    int pendingOp() const { return pendingOp_; }
    bool loggedIn() const { return loggedIn_; }
    // Dotted local address of the socket on which the latest datagram arrived.
    QString lastLocalIp() const { return QString::fromStdString(lastLocalIp_); }
    const MacAddress& localMac() const { return localMac_; }
    const MacAddress& targetMac() const { return targetMac_; }
    std::uint16_t remotePort() const { return remotePort_; }

    // The receive path of one datagram (checks, decipher, trace, dispatch); data is deciphered
    // in place. The socket notification ends here.
    void ProcRecvData(std::uint8_t* data, std::size_t size, UdpSocket* socket,
                      const std::string& senderAddress, std::uint16_t senderPort);

    static constexpr std::size_t kReceiveBufferSize = 65536;

protected:
    bool event(QEvent* e) override;

private:
    bool InitAdapters();
    void CloseAdapters();
    void ClearDevices();
    void SendRequest(int op, std::uint8_t opcode, std::vector<std::uint8_t>& packet,
                     std::uint32_t waitMs);
    void SendPacket(std::vector<std::uint8_t>& packet);
    void StartWait(std::uint32_t waitMs);
    void StopWait();
    void DumpPacket(bool received, const std::uint8_t* data, std::size_t size,
                    const std::string& senderAddress, std::uint16_t senderPort) const;
    void UDPSocketRead(UdpSocket* socket);
    void TimerWaitTimer();
    std::string CipherKey() const;
    void Notify(unsigned msg, WPARAM wParam, LPARAM lParam) const;
    // Reads the payload's items; logs "  not enough bytes in buffer" when one runs past it.
    template <typename OnItem> void ReadPayload(const std::uint8_t* packet, OnItem&& onItem);

    void RecvDiscover(const std::uint8_t* packet, const UdpSocket* socket,
                      const std::string& senderAddress);
    void RecvLogin(const std::uint8_t* packet);
    void RecvLogout(const std::uint8_t* packet);
    void RecvGetConfig(const std::uint8_t* packet);
    void RecvSetConfig(const std::uint8_t* packet);
    void RecvEvent(const std::uint8_t* packet);

    Network& network_;
    TTimer TimerWait;
    int pendingOp_ = OP_NONE;
    MacAddress localMac_{};
    MacAddress targetMac_{};
    std::uint16_t remotePort_ = kDevicePort;
    std::vector<std::unique_ptr<UdpSocket>> sockets_;
    std::vector<MacAddress> socketMacs_;
    std::vector<DeviceInfo> devices_;
    bool loggedIn_ = false;
    std::string lastLocalIp_;
    std::vector<std::uint8_t> receiveBuffer_;
};

// The program's engine, created with the other windows at start-up.
extern TFormUDP* FormUDP;
