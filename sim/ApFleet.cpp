#include "ApFleet.h"

#include <cstdio>

ApFleet::ApFleet(const ApSettings& base, int count, const ApLogger& log)
{
    for (int n = 0; n < count; ++n) {
        ApSettings settings = base;
        settings.mac = NthMac(base.mac, n);
        if (count > 1) {
            char suffix[16];
            std::snprintf(suffix, sizeof suffix, "-%04d", n + 1);
            settings.name += suffix;
        }
        devices_.push_back(std::make_unique<AccessPoint>(std::move(settings), log));
    }
}

MacAddress ApFleet::NthMac(const MacAddress& base, int n)
{
    MacAddress mac = base;
    std::uint32_t low =
        static_cast<std::uint32_t>(mac[3]) << 16 | static_cast<std::uint32_t>(mac[4]) << 8 | mac[5];
    low += static_cast<std::uint32_t>(n);
    mac[3] = static_cast<std::uint8_t>(low >> 16);
    mac[4] = static_cast<std::uint8_t>(low >> 8);
    mac[5] = static_cast<std::uint8_t>(low);
    return mac;
}

void ApFleet::Receive(const std::uint8_t* data, std::size_t size, const std::string& fromIp,
                      std::uint16_t fromPort, std::uint16_t localPort, ApLink& link)
{
    for (const std::unique_ptr<AccessPoint>& device : devices_)
        device->Receive(data, size, fromIp, fromPort, localPort, link);
}

std::vector<std::uint16_t> ApFleet::ports() const
{
    std::vector<std::uint16_t> ports = {kDevicePort};
    for (const std::unique_ptr<AccessPoint>& device : devices_) {
        const std::uint16_t port = device->settings().sessionPort;
        if (std::find(ports.begin(), ports.end(), port) == ports.end())
            ports.push_back(port);
    }
    return ports;
}
