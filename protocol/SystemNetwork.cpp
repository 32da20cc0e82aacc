#include "SystemNetwork.h"

#include "Ucudpsocket.h"

std::unique_ptr<UdpSocket> SystemNetwork::CreateSocket()
{
    return std::make_unique<CUDPSocket>();
}
