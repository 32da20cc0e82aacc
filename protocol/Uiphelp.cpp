#include "Uiphelp.h"

#include <algorithm>
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <linux/if_packet.h>
#include <map>
#include <net/if.h>
#include <netinet/in.h>

namespace {

std::string dottedText(const sockaddr* address)
{
    if (address == nullptr || address->sa_family != AF_INET)
        return "0.0.0.0";
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, text, sizeof text);
    return text;
}

bool isAdapter(const ifaddrs* entry)
{
    return (entry->ifa_flags & IFF_UP) != 0 && (entry->ifa_flags & IFF_LOOPBACK) == 0;
}

} // namespace

std::optional<AdapterList> CIPHelp::GetAdapters() const
{
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return std::nullopt;
    std::map<unsigned, AdapterInfo> byIndex;
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_name == nullptr || !isAdapter(entry))
            continue;
        const unsigned index = if_nametoindex(entry->ifa_name);
        AdapterInfo& adapter = byIndex[index];
        adapter.description = entry->ifa_name;
        if (entry->ifa_addr == nullptr)
            continue;
        if (entry->ifa_addr->sa_family == AF_PACKET) {
            const auto* link = reinterpret_cast<const sockaddr_ll*>(entry->ifa_addr);
            if (link->sll_halen >= 6)
                std::copy(link->sll_addr, link->sll_addr + 6, adapter.mac.begin());
        } else if (entry->ifa_addr->sa_family == AF_INET) {
            adapter.addresses.push_back(
                {dottedText(entry->ifa_addr), dottedText(entry->ifa_netmask)});
        }
    }
    freeifaddrs(list);
    AdapterList adapters;
    for (auto& [index, adapter] : byIndex)
        adapters.push_back(std::move(adapter));
    return adapters;
}

bool CIPHelp::FindFirstAdapter(MacAddress& mac) const
{
    return ::FindFirstAdapter(GetAdapters(), mac);
}
