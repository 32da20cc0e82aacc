#pragma once

#include "protocol/testing/MemoryNetwork.h"
#include "sim/ApFleet.h"

#include <memory>
#include <string>

// Puts a fleet of emulated access points on a link of the in-memory network at address ip.
class MemoryApHost final : public ApLink
{
public:
    MemoryApHost(MemoryNetwork& network, int link, const std::string& ip, const ApSettings& base,
                 int count = 1, const ApLogger& log = {});
    ~MemoryApHost() override;

    ApFleet& fleet() { return fleet_; }
    AccessPoint& device(int n = 0) { return fleet_.device(n); }

    void Send(const std::vector<std::uint8_t>& packet, const std::string& toIp,
              std::uint16_t toPort, std::uint16_t fromPort) override;

private:
    MemoryNetwork& network_;
    ApFleet fleet_;
    int peer_ = 0;
};
