#include "ApSocketHost.h"

#include <QSocketNotifier>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <map>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

class ApSocketHost::InterfaceLink final : public ApLink
{
public:
    InterfaceLink(ApFleet& fleet, std::string name) : fleet_(fleet), name_(std::move(name)) {}
    ~InterfaceLink() override
    {
        notifiers_.clear();
        for (const auto& [port, sock] : sockets_)
            ::close(sock);
    }

    bool OpenPort(std::uint16_t port, std::string& error)
    {
        const int sock = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_UDP);
        const int one = 1;
        const int buffer = 8 * 1024 * 1024;
        sockaddr_in local{};
        local.sin_family = AF_INET;
        local.sin_port = htons(port);
        local.sin_addr.s_addr = htonl(INADDR_ANY);
        if (sock < 0 || setsockopt(sock, SOL_SOCKET, SO_BROADCAST, &one, sizeof one) != 0 ||
            setsockopt(sock, SOL_SOCKET, SO_BINDTODEVICE, name_.c_str(),
                       static_cast<socklen_t>(name_.size())) != 0 ||
            bind(sock, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
            error = name_ + ":" + std::to_string(port) + ": " + std::strerror(errno);
            if (sock >= 0)
                ::close(sock);
            return false;
        }
        if (setsockopt(sock, SOL_SOCKET, SO_RCVBUFFORCE, &buffer, sizeof buffer) != 0)
            setsockopt(sock, SOL_SOCKET, SO_RCVBUF, &buffer, sizeof buffer);
        sockets_[port] = sock;
        auto notifier = std::make_unique<QSocketNotifier>(sock, QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated,
                         [this, sock, port] { ReadAll(sock, port); });
        notifiers_.push_back(std::move(notifier));
        return true;
    }

    void Send(const std::vector<std::uint8_t>& packet, const std::string& toIp,
              std::uint16_t toPort, std::uint16_t fromPort) override
    {
        auto it = sockets_.find(fromPort);
        if (it == sockets_.end())
            it = sockets_.begin();
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(toPort);
        inet_pton(AF_INET, toIp.c_str(), &to.sin_addr);
        sendto(it->second, packet.data(), packet.size(), 0, reinterpret_cast<sockaddr*>(&to),
               sizeof to);
    }

private:
    void ReadAll(int sock, std::uint16_t port)
    {
        std::vector<std::uint8_t> buffer(65536);
        for (;;) {
            sockaddr_in from{};
            socklen_t length = sizeof from;
            const ssize_t n = recvfrom(sock, buffer.data(), buffer.size(), MSG_DONTWAIT,
                                       reinterpret_cast<sockaddr*>(&from), &length);
            if (n < 0)
                return;
            char ip[INET_ADDRSTRLEN] = {};
            inet_ntop(AF_INET, &from.sin_addr, ip, sizeof ip);
            fleet_.Receive(buffer.data(), static_cast<std::size_t>(n), ip, ntohs(from.sin_port),
                           port, *this);
        }
    }

    ApFleet& fleet_;
    std::string name_;
    std::map<std::uint16_t, int> sockets_;
    std::vector<std::unique_ptr<QSocketNotifier>> notifiers_;
};

ApSocketHost::ApSocketHost(ApFleet& fleet) : fleet_(fleet) {}

ApSocketHost::~ApSocketHost() = default;

bool ApSocketHost::Open(const std::vector<std::string>& interfaces, std::string& error)
{
    for (const std::string& name : interfaces) {
        auto link = std::make_unique<InterfaceLink>(fleet_, name);
        for (std::uint16_t port : fleet_.ports()) {
            if (!link->OpenPort(port, error))
                return false;
        }
        links_.push_back(std::move(link));
    }
    return true;
}
