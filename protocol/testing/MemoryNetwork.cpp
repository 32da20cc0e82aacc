#include "MemoryNetwork.h"

#include <QMetaObject>
#include <QPointer>
#include <algorithm>

class MemoryNetwork::Socket final : public UdpSocket
{
public:
    explicit Socket(MemoryNetwork& network) : network_(network) {}
    ~Socket() override { Close(); }

    bool Open(QObject* owner, unsigned message) override
    {
        ownerWnd = owner;
        ownerMsg = message;
        if (network_.openFails_)
            return false;
        link_ = network_.LinkOf(mac);
        handle_ = network_.nextHandle_++;
        network_.Register(this);
        open_ = true;
        return true;
    }
    void Close() override
    {
        if (open_)
            network_.Unregister(this);
        open_ = false;
        queue_.clear();
    }
    bool SendTo(const std::uint8_t* data, std::size_t length, std::uint16_t toPort,
                const std::string& toIp) override
    {
        if (!open_)
            return false;
        Datagram datagram{
            {data, data + length}, ipAddress, static_cast<std::uint16_t>(port), toIp, toPort};
        network_.ClientSent(this, std::move(datagram));
        return true;
    }
    int Recv(std::uint8_t* buffer, std::size_t size, std::uint16_t& senderPort,
             std::string& senderAddress) override
    {
        if (!open_)
            return 0;
        if (queue_.empty())
            return -1;
        Datagram datagram = std::move(queue_.front());
        queue_.pop_front();
        const std::size_t n = std::min(size, datagram.bytes.size());
        std::copy_n(datagram.bytes.begin(), n, buffer);
        senderPort = datagram.fromPort;
        senderAddress = datagram.fromIp;
        return static_cast<int>(n);
    }

    void Arrive(const Datagram& datagram)
    {
        queue_.push_back(datagram);
        NotifyReadable();
    }
    void NotifyReadable() { OnUMSocket(handle_, FD_READ, handle_); }
    void Notify(std::uint32_t event, bool foreign)
    {
        OnUMSocket(foreign ? handle_ + 0x1000 : handle_, event, handle_);
    }

    int link() const { return link_; }
    long handle() const { return handle_; }

private:
    MemoryNetwork& network_;
    std::deque<Datagram> queue_;
    int link_ = -1;
    long handle_ = 0;
    bool open_ = false;
};

MemoryNetwork::MemoryNetwork() = default;

MemoryNetwork::~MemoryNetwork()
{
    if (installed_ && &Network::current() == this)
        Network::install(nullptr);
}

void MemoryNetwork::installAsCurrent()
{
    Network::install(this);
    installed_ = true;
}

void MemoryNetwork::AddAdapter(const AdapterInfo& adapter, int link)
{
    adapters_.emplace_back(adapter, link);
}

void MemoryNetwork::AddAdapter(const MacAddress& mac, const std::string& name,
                               const std::string& ip, const std::string& mask, int link)
{
    AdapterInfo adapter;
    adapter.mac = mac;
    adapter.description = name;
    adapter.addresses.push_back({ip, mask});
    AddAdapter(adapter, link);
}

std::optional<AdapterList> MemoryNetwork::GetAdapters()
{
    if (!adapterListAvailable_)
        return std::nullopt;
    AdapterList list;
    for (const auto& [adapter, link] : adapters_)
        list.push_back(adapter);
    return list;
}

std::unique_ptr<UdpSocket> MemoryNetwork::CreateSocket()
{
    return std::make_unique<Socket>(*this);
}

int MemoryNetwork::LinkOf(const MacAddress& mac) const
{
    for (const auto& [adapter, link] : adapters_) {
        if (adapter.mac == mac)
            return link;
    }
    return -1;
}

void MemoryNetwork::Register(Socket* socket)
{
    sockets_.push_back(socket);
}

void MemoryNetwork::Unregister(Socket* socket)
{
    std::erase(sockets_, socket);
}

int MemoryNetwork::AttachPeer(int link, const std::string& ip, PeerReceive receive)
{
    const int id = nextPeer_++;
    peers_[id] = Peer{link, ip, std::move(receive)};
    return id;
}

void MemoryNetwork::DetachPeer(int peer)
{
    peers_.erase(peer);
}

void MemoryNetwork::ClientSent(Socket* from, Datagram datagram)
{
    sent.push_back({from->mac, from->ipAddress, from->link(), datagram});
    const int link = from->link();
    const bool heard = std::any_of(peers_.begin(), peers_.end(),
                                   [link](const auto& entry) { return entry.second.link == link; });
    if (!heard)
        return;
    QPointer<MemoryNetwork> self(this);
    QMetaObject::invokeMethod(
        this,
        [self, link, datagram] {
            if (!self)
                return;
            std::vector<int> hearing;
            for (const auto& [id, peer] : self->peers_) {
                if (peer.link == link)
                    hearing.push_back(id);
            }
            for (int id : hearing) {
                // A peer may detach others (or itself) while it handles the datagram.
                const auto it = self->peers_.find(id);
                if (it != self->peers_.end())
                    it->second.receive(datagram);
            }
        },
        Qt::QueuedConnection);
}

void MemoryNetwork::SendFromPeer(int peer, Datagram datagram)
{
    const auto it = peers_.find(peer);
    if (it == peers_.end())
        return;
    datagram.fromIp = it->second.ip;
    InjectToClient(it->second.link, std::move(datagram));
}

void MemoryNetwork::InjectToClient(int link, Datagram datagram)
{
    QPointer<MemoryNetwork> self(this);
    QMetaObject::invokeMethod(
        this,
        [self, link, datagram] {
            if (self)
                self->DeliverToClients(link, datagram);
        },
        Qt::QueuedConnection);
}

void MemoryNetwork::DeliverToClients(int link, const Datagram& datagram)
{
    const bool broadcast = datagram.toIp == kBroadcastAddress;
    const std::vector<Socket*> open = sockets_;
    for (Socket* socket : open) {
        if (std::find(sockets_.begin(), sockets_.end(), socket) == sockets_.end())
            continue; // closed by an earlier delivery
        if (socket->link() != link || socket->port != datagram.toPort)
            continue;
        if (broadcast || socket->ipAddress == datagram.toIp)
            socket->Arrive(datagram);
    }
}

void MemoryNetwork::ReportReadableWithoutData(int link)
{
    const std::vector<Socket*> open = sockets_;
    for (Socket* socket : open) {
        if (socket->link() == link)
            socket->NotifyReadable();
    }
}

void MemoryNetwork::ReportSocketEvent(int link, std::uint32_t event, bool foreignHandle)
{
    const std::vector<Socket*> open = sockets_;
    for (Socket* socket : open) {
        if (socket->link() == link)
            socket->Notify(event, foreignHandle);
    }
}
