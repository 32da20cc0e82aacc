#pragma once

#include "protocol/NetworkSeam.h"

#include <memory>

class QSocketNotifier;

// A UDP/IPv4 socket for one adapter on Linux. With interfaceName set it binds the any-address
// on port (so that broadcasts sent to 255.255.255.255 reach it) and is tied to that interface
// with SO_BINDTODEVICE, which needs root or CAP_NET_RAW; ipAddress keeps the adapter's own
// address. Without an interface it binds ipAddress (the any-address when empty) and reports
// the bound address. Readability comes from a QSocketNotifier on the event loop.
class CUDPSocket final : public UdpSocket
{
public:
    CUDPSocket();
    ~CUDPSocket() override;

    bool Open(QObject* ownerWnd, unsigned ownerMsg) override;
    void Close() override;
    bool SendTo(const std::uint8_t* data, std::size_t length, std::uint16_t port,
                const std::string& ipAddress) override;
    int Recv(std::uint8_t* buffer, std::size_t size, std::uint16_t& senderPort,
             std::string& senderAddress) override;

    // A burst of a thousand discover replies must fit.
    static constexpr int kReceiveBufferBytes = 8 * 1024 * 1024;

private:
    bool CreateSocket();

    int sock = -1;
    std::unique_ptr<QSocketNotifier> notifier;
};
