#pragma once

#include "sim/ApFleet.h"

#include <memory>
#include <string>
#include <vector>

class QSocketNotifier;

// Serves a fleet on real interfaces: per interface one UDP socket per port of the fleet, bound
// to the any-address, tied to the interface (SO_BINDTODEVICE, root or CAP_NET_RAW) and able
// to broadcast. Replies leave through the interface the request came in on.
class ApSocketHost
{
public:
    explicit ApSocketHost(ApFleet& fleet);
    ~ApSocketHost();

    // False with a message when a socket cannot be opened.
    bool Open(const std::vector<std::string>& interfaces, std::string& error);

private:
    class InterfaceLink;
    ApFleet& fleet_;
    std::vector<std::unique_ptr<InterfaceLink>> links_;
};
