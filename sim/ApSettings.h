#pragma once

#include "protocol/Packet.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

// What one emulated access point is: identity, password, session, LAN and wireless state, WPS
// script and the faults it injects on demand.

struct WpsStep
{
    std::uint32_t status;
    std::uint32_t delayMs; // after the previous step (the first: after the WPS start)
};

struct ApFaults
{
    std::map<std::uint8_t, int> drop;              // opcode -> replies still to drop
    std::map<std::uint8_t, std::uint32_t> delayMs; // opcode -> delay of every reply
    std::set<std::uint8_t> refuse;                 // opcodes answered with RESULT 0
    std::set<std::uint8_t> malformed;              // opcodes answered with a broken packet
};

struct ApSettings
{
    MacAddress mac = {0x00, 0x1A, 0x2B, 0x00, 0x00, 0x01};
    std::string name = "KZL-958WB";
    std::string password = "vexil";
    std::uint16_t sessionPort = kDevicePort;
    std::uint32_t ip = 0xC0000202;      // 192.0.2.2
    std::uint32_t netmask = 0xFFFFFF00; // /24
    std::uint32_t gateway = 0;
    bool dhcp = false;
    std::string ssid = "wireless";
    std::vector<std::uint8_t> channels = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    std::uint32_t wpsPin = 12345670;
    std::vector<WpsStep> wpsScript;
    std::uint32_t sessionTimeoutS = 0; // 0: sessions never time out
    ApFaults faults;
};

// Operation names of the fault options: discover, login, logout, getconfig, setconfig, event
// (or the opcode's number). False for an unknown name.
bool ParseOperation(const std::string& name, std::uint8_t& opcode);
const char* OperationName(std::uint8_t opcode);
