#pragma once

#include "protocol/NetworkSeam.h"
#include "protocol/Uiphelp.h"

// The production network: adapters from CIPHelp, sockets of CUDPSocket.
class SystemNetwork final : public Network
{
public:
    std::optional<AdapterList> GetAdapters() override { return ipHelp.GetAdapters(); }
    std::unique_ptr<UdpSocket> CreateSocket() override;

private:
    CIPHelp ipHelp;
};
