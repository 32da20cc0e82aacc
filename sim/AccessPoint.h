#pragma once

#include "platform/Clock.h"
#include "sim/ApSettings.h"

#include <functional>
#include <list>
#include <memory>
#include <string>
#include <vector>

// Where an emulated access point's datagrams leave: the link (interface) a request came in on.
class ApLink
{
public:
    virtual ~ApLink() = default;
    virtual void Send(const std::vector<std::uint8_t>& packet, const std::string& toIp,
                      std::uint16_t toPort, std::uint16_t fromPort) = 0;
};

using ApLogger = std::function<void(const std::string& line)>;

// The device's side of the protocol for one access point. It answers a Discover in clear by
// broadcast; a Login only when DEV_MAC (deciphered with its own password) names it, with
// RESULT 1 and its session port when AUTH_TEXT is the client's, else RESULT 0; within a
// session GetConfig, SetConfig and Logout, all enciphered with its password and sent by
// broadcast to the client's port. WPS starts run the WPS script as status events; an idle
// session ends with the connection time-out event. Timers run on the current Clock.
class AccessPoint
{
public:
    explicit AccessPoint(ApSettings settings, ApLogger log = {});
    ~AccessPoint();
    AccessPoint(const AccessPoint&) = delete;
    AccessPoint& operator=(const AccessPoint&) = delete;

    // One datagram that reached this device on localPort through link.
    void Receive(const std::uint8_t* data, std::size_t size, const std::string& fromIp,
                 std::uint16_t fromPort, std::uint16_t localPort, ApLink& link);

    const ApSettings& settings() const { return settings_; }
    bool sessionOpen() const { return session_.open; }

    // The device's live state as GetConfig reports it.
    struct State
    {
        bool dhcp;
        std::uint32_t ip, netmask, gateway;
        std::string ssid;
        std::uint8_t stdChannel = 0, extChannel = 0;
        std::uint8_t securityMode = 0, authMode = 2, wepKeyLength = 0, wepKeyIndex = 0;
        std::uint8_t wpaMode = 2, wpaCipher = 2;
        std::string wepKey, passphrase;
    };
    const State& state() const { return state_; }

private:
    struct Session
    {
        bool open = false;
        ApLink* link = nullptr;
        std::uint16_t clientPort = kClientPort;
    };
    using Items = std::vector<TlvItem>;

    void OnDiscover(std::uint16_t fromPort, ApLink& link);
    void OnLogin(const Items& items, std::uint16_t fromPort, ApLink& link);
    void OnLogout();
    void OnGetConfig();
    void OnSetConfig(const Items& items);
    bool ApplySetting(const TlvItem& item);
    void StartWps();
    void SendEvent(const std::vector<std::uint8_t>& items);
    void RestartSessionTimer();
    void EndSession();

    // Sends a reply of opcode with items to the client, with the faults of that opcode.
    void Reply(std::uint8_t opcode, const std::vector<std::uint8_t>& items, ApLink& link,
               std::uint16_t toPort, std::uint16_t fromPort);
    void After(std::uint32_t ms, std::function<void()> action);
    void Log(const std::string& line) const;

    ApSettings settings_;
    ApLogger log_;
    State state_;
    Session session_;
    std::unique_ptr<TTimer> sessionTimer_;
    std::list<std::unique_ptr<TTimer>> scheduled_;
    std::list<std::unique_ptr<TTimer>> finished_;
    std::uint64_t wpsRun_ = 0;
};

// A line that decodes a packet (with its payload in clear) for the device's log.
std::string DescribePacket(const std::uint8_t* packet, std::size_t size);
