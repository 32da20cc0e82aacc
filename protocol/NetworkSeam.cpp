#include "NetworkSeam.h"

#include "SystemNetwork.h"
#include "app/Udebug.h"
#include "platform/Messages.h"

UdpSocket::~UdpSocket() = default;

void UdpSocket::OnUMSocket(long handle, std::uint32_t event, long ownHandle)
{
    DebugPrint("CUDPSocket::OnUMSocket(%s) %x %x", MacText(mac).c_str(),
               static_cast<unsigned>(handle), event);
    if (handle == ownHandle && (event & 0xFFFF) == FD_READ)
        SendMessage(ownerWnd, ownerMsg, 1, reinterpret_cast<LPARAM>(this));
}

Network::~Network() = default;

namespace {
Network* installedNetwork = nullptr;
}

Network& Network::current()
{
    static SystemNetwork systemNetwork;
    return installedNetwork != nullptr ? *installedNetwork : systemNetwork;
}

void Network::install(Network* network)
{
    installedNetwork = network;
}

bool FindFirstAdapter(const std::optional<AdapterList>& adapters, MacAddress& mac)
{
    if (!adapters)
        return false;
    for (const AdapterInfo& adapter : *adapters) {
        for (const AdapterAddress& entry : adapter.addresses) {
            std::uint32_t address = 0;
            if (ParseIPv4(entry.ipAddress, address) && address != 0) {
                mac = adapter.mac;
                return true;
            }
        }
    }
    return false;
}
