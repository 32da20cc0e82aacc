#pragma once

#include "sim/AccessPoint.h"

#include <memory>
#include <vector>

// Several access points on one network: every datagram reaches all of them, and each decides
// for itself. Device n (from 0) has the base MAC plus n and, when there are several, the base
// name followed by "-" and its number from 0001.
class ApFleet
{
public:
    ApFleet(const ApSettings& base, int count, const ApLogger& log = {});

    void Receive(const std::uint8_t* data, std::size_t size, const std::string& fromIp,
                 std::uint16_t fromPort, std::uint16_t localPort, ApLink& link);

    int size() const { return static_cast<int>(devices_.size()); }
    AccessPoint& device(int n) { return *devices_[static_cast<std::size_t>(n)]; }
    // The local ports the fleet listens on.
    std::vector<std::uint16_t> ports() const;

    static MacAddress NthMac(const MacAddress& base, int n);

private:
    std::vector<std::unique_ptr<AccessPoint>> devices_;
};
