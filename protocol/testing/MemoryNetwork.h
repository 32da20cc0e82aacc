#pragma once

#include "protocol/NetworkSeam.h"

#include <QObject>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

// An in-memory network for tests: the client's adapters sit on numbered links, and peers
// (emulated access points, or a test itself) attached to a link hear every datagram the
// client sends on it. Every delivery is queued on the event loop, as on a real network, so
// nothing arrives while the sender is still at work. No socket of the system is opened.
class MemoryNetwork final : public QObject, public Network
{
public:
    struct Datagram
    {
        std::vector<std::uint8_t> bytes;
        std::string fromIp;
        std::uint16_t fromPort = 0;
        std::string toIp;
        std::uint16_t toPort = 0;
    };
    // One datagram a client socket sent, with the socket it left through.
    struct Sent
    {
        MacAddress socketMac{};
        std::string socketIp;
        int link = 0;
        Datagram datagram;
    };
    using PeerReceive = std::function<void(const Datagram&)>;

    MemoryNetwork();
    ~MemoryNetwork() override;

    // Installs itself as the current network for its lifetime.
    void installAsCurrent();

    void AddAdapter(const AdapterInfo& adapter, int link);
    // Shorthand: one adapter with one address.
    void AddAdapter(const MacAddress& mac, const std::string& name, const std::string& ip,
                    const std::string& mask, int link);
    void SetAdapterListAvailable(bool available) { adapterListAvailable_ = available; }
    void SetOpenFails(bool fails) { openFails_ = fails; }

    std::optional<AdapterList> GetAdapters() override;
    std::unique_ptr<UdpSocket> CreateSocket() override;

    // A peer with address ip on link; it hears every datagram sent on that link.
    int AttachPeer(int link, const std::string& ip, PeerReceive receive);
    void DetachPeer(int peer);
    // A datagram from a peer: to 255.255.255.255 it reaches every client socket on the link
    // bound to toPort, otherwise the one whose address is toIp.
    void SendFromPeer(int peer, Datagram datagram);
    // The same from an unnamed sender on link (fromIp and fromPort as given).
    void InjectToClient(int link, Datagram datagram);

    // Reports every client socket on link readable although nothing arrived (a receive error).
    void ReportReadableWithoutData(int link);
    // Hands every client socket on link a notification with the given event word, for its own
    // handle or for another one.
    void ReportSocketEvent(int link, std::uint32_t event, bool foreignHandle);

    int OpenSocketCount() const { return static_cast<int>(sockets_.size()); }
    std::vector<Sent> sent;

    class Socket;

private:
    friend class Socket;
    int LinkOf(const MacAddress& mac) const;
    void Register(Socket* socket);
    void Unregister(Socket* socket);
    void ClientSent(Socket* from, Datagram datagram);
    void DeliverToClients(int link, const Datagram& datagram);

    struct Peer
    {
        int link;
        std::string ip;
        PeerReceive receive;
    };
    std::vector<std::pair<AdapterInfo, int>> adapters_;
    bool adapterListAvailable_ = true;
    bool openFails_ = false;
    std::vector<Socket*> sockets_;
    std::map<int, Peer> peers_;
    int nextPeer_ = 1;
    long nextHandle_ = 0x100;
    bool installed_ = false;
};
