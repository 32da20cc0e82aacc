#include "MemoryApHost.h"

MemoryApHost::MemoryApHost(MemoryNetwork& network, int link, const std::string& ip,
                           const ApSettings& base, int count, const ApLogger& log)
    : network_(network), fleet_(base, count, log)
{
    peer_ = network_.AttachPeer(link, ip, [this](const MemoryNetwork::Datagram& d) {
        fleet_.Receive(d.bytes.data(), d.bytes.size(), d.fromIp, d.fromPort, d.toPort, *this);
    });
}

MemoryApHost::~MemoryApHost()
{
    network_.DetachPeer(peer_);
}

void MemoryApHost::Send(const std::vector<std::uint8_t>& packet, const std::string& toIp,
                        std::uint16_t toPort, std::uint16_t fromPort)
{
    network_.SendFromPeer(peer_, {packet, {}, fromPort, toIp, toPort});
}
