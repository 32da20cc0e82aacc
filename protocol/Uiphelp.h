#pragma once

#include "protocol/NetworkSeam.h"

// The computer's network adapters, asked anew on every call: from getifaddrs, every interface
// that is up and not a loopback, with its MAC (the AF_PACKET entry), its name as description
// and its IPv4 addresses and masks, ordered by interface index and then address order.
class CIPHelp
{
public:
    std::optional<AdapterList> GetAdapters() const;
    // The MAC of the first adapter with an address other than 0.0.0.0.
    bool FindFirstAdapter(MacAddress& mac) const;
};
