#include "Ucudpsocket.h"

#include <QSocketNotifier>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

bool setIntOption(int sock, int level, int name, int value)
{
    return setsockopt(sock, level, name, &value, sizeof value) == 0;
}

void enlargeReceiveBuffer(int sock, int bytes)
{
    // The forced variant passes the system's limit but needs CAP_NET_ADMIN.
    if (!setIntOption(sock, SOL_SOCKET, SO_RCVBUFFORCE, bytes))
        setIntOption(sock, SOL_SOCKET, SO_RCVBUF, bytes);
}

} // namespace

CUDPSocket::CUDPSocket() = default;

CUDPSocket::~CUDPSocket()
{
    Close();
}

bool CUDPSocket::Open(QObject* owner, unsigned message)
{
    ownerWnd = owner;
    ownerMsg = message;
    return CreateSocket();
}

bool CUDPSocket::CreateSocket()
{
    sock = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_UDP);
    if (sock < 0)
        return false;
    if (!setIntOption(sock, SOL_SOCKET, SO_BROADCAST, 1)) {
        Close();
        return false;
    }
    enlargeReceiveBuffer(sock, kReceiveBufferBytes);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(static_cast<std::uint16_t>(port));
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    if (!interfaceName.empty()) {
        if (setsockopt(sock, SOL_SOCKET, SO_BINDTODEVICE, interfaceName.c_str(),
                       static_cast<socklen_t>(interfaceName.size())) != 0) {
            Close();
            return false;
        }
    } else if (!ipAddress.empty() && inet_pton(AF_INET, ipAddress.c_str(), &local.sin_addr) != 1) {
        Close();
        return false;
    }
    if (bind(sock, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
        Close();
        return false;
    }
    sockaddr_in bound{};
    socklen_t boundLength = sizeof bound;
    if (getsockname(sock, reinterpret_cast<sockaddr*>(&bound), &boundLength) == 0) {
        port = ntohs(bound.sin_port);
        if (interfaceName.empty()) {
            char text[INET_ADDRSTRLEN] = {};
            inet_ntop(AF_INET, &bound.sin_addr, text, sizeof text);
            ipAddress = text;
        }
    }
    notifier = std::make_unique<QSocketNotifier>(sock, QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated,
                     [this] { OnUMSocket(sock, FD_READ, sock); });
    return true;
}

void CUDPSocket::Close()
{
    notifier.reset();
    if (sock >= 0) {
        ::close(sock);
        sock = -1;
    }
}

bool CUDPSocket::SendTo(const std::uint8_t* data, std::size_t length, std::uint16_t destPort,
                        const std::string& destAddress)
{
    if (sock < 0)
        return false;
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(destPort);
    if (inet_pton(AF_INET, destAddress.c_str(), &to.sin_addr) != 1)
        to.sin_addr.s_addr = htonl(INADDR_NONE);
    return sendto(sock, data, length, 0, reinterpret_cast<sockaddr*>(&to), sizeof to) >= 0;
}

int CUDPSocket::Recv(std::uint8_t* buffer, std::size_t size, std::uint16_t& senderPort,
                     std::string& senderAddress)
{
    if (sock < 0)
        return 0;
    sockaddr_in from{};
    socklen_t fromLength = sizeof from;
    const ssize_t n =
        recvfrom(sock, buffer, size, MSG_DONTWAIT, reinterpret_cast<sockaddr*>(&from), &fromLength);
    if (n < 0)
        return -1;
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &from.sin_addr, text, sizeof text);
    senderAddress = text;
    senderPort = ntohs(from.sin_port);
    return static_cast<int>(n);
}
