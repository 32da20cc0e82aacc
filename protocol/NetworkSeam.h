#pragma once

#include "protocol/Packet.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QObject;

// The engine reaches the network only through this seam: the list of local adapters, and UDP
// sockets opened on them whose readability arrives as a window message on the event loop.
// Production: CIPHelp and CUDPSocket (SystemNetwork). Tests: MemoryNetwork.

struct AdapterAddress
{
    std::string ipAddress; // dotted
    std::string netmask;   // dotted
};

struct AdapterInfo
{
    MacAddress mac{};
    std::string description; // on Linux the interface name
    std::vector<AdapterAddress> addresses;
};

using AdapterList = std::vector<AdapterInfo>;

// One UDP socket standing for one local adapter. The engine sets mac, ipAddress, netmask,
// interfaceName and port, then calls Open; when a datagram is readable the socket sends
// ownerMsg to ownerWnd with wParam 1 and lParam = this socket, and the owner calls Recv.
class UdpSocket
{
public:
    virtual ~UdpSocket();

    // True when the socket is open, bound, broadcasting and reporting readability.
    virtual bool Open(QObject* ownerWnd, unsigned ownerMsg) = 0;
    virtual void Close() = 0;
    // True when the datagram was handed to the network.
    virtual bool SendTo(const std::uint8_t* data, std::size_t length, std::uint16_t port,
                        const std::string& ipAddress) = 0;
    // One datagram into buffer: its size, 0 when the socket is closed, -1 on a receive error.
    virtual int Recv(std::uint8_t* buffer, std::size_t size, std::uint16_t& senderPort,
                     std::string& senderAddress) = 0;

    MacAddress mac{};          // the address field of every packet sent through this socket
    std::string ipAddress;     // the adapter's own address (what replies are credited to)
    std::string netmask;       // only stored
    std::string interfaceName; // the adapter the socket is tied to; empty = not tied
    int port = 0;

protected:
    // Readability (or another event) of the socket with the given handle: logged, and a read
    // event of this socket is handed to the owner synchronously.
    void OnUMSocket(long handle, std::uint32_t event, long ownHandle);

    QObject* ownerWnd = nullptr;
    unsigned ownerMsg = 0;
};

inline constexpr std::uint32_t FD_READ = 1;

class Network
{
public:
    virtual ~Network();
    // The adapters in a stable order; nullopt when the adapter list is unavailable.
    virtual std::optional<AdapterList> GetAdapters() = 0;
    // A closed socket of this network.
    virtual std::unique_ptr<UdpSocket> CreateSocket() = 0;

    // The network in use; the system's unless a test installed another.
    static Network& current();
    // Installs network as current (nullptr restores the system's); the caller keeps ownership.
    static void install(Network* network);
};

// The MAC of the first adapter that has an address other than 0.0.0.0; false (mac untouched)
// when there is none or the list is unavailable.
bool FindFirstAdapter(const std::optional<AdapterList>& adapters, MacAddress& mac);
