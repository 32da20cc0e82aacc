#pragma once

#include <cstdint>

// The plain records that the wizard pages and the protocol engine share. Addresses are 32-bit
// numbers whose most significant byte is the first number of the dotted form (192.168.10.100 is
// 0xC0A80A64). Texts are zero-terminated byte strings in fixed fields.

// One access point found by a search.
struct DeviceInfo
{
    std::uint32_t localIp = 0;   // address of the local socket the reply arrived on
    std::uint32_t localMask = 0; // subnet mask of that local address
    std::uint32_t deviceIp = 0;  // sender address of the reply
    std::uint8_t mac[6] = {};    // the device's MAC address, its identity in the list
    char name[34] = {};          // the reply's DEV_NAME, at most 33 characters
};

// The device's LAN address settings.
struct IpSettings
{
    std::int32_t ipMode = 1; // 1 = DHCP, 0 = static
    std::uint32_t ipAddress = 0;
    std::uint32_t subnetMask = 0;
    std::uint32_t gateway = 0;
    std::uint32_t dns1 = 0;
    std::uint32_t dns2 = 0;
};

// The device's wireless profile.
struct WirelessSettings
{
    char ssid[33] = {};
    std::uint8_t stdChannel = 0; // 0 = automatic
    std::uint8_t extChannel = 0;
    std::uint8_t channelList[256] = {}; // channel numbers followed by a 0 byte
    std::int32_t securityMode = 0;      // 0 none, 1 WEP, 2 WPA-PSK, 3 WPA
    std::int32_t authMode = 2;          // 0 open, 1 shared, 2 automatic
    std::int32_t wepKeyLength = 0;      // 0 = 64 bit, 1 = 128 bit
    std::int32_t wepKeyIndex = 1;
    char wepKey[128] = {};
    std::int32_t wpaMode = 2;   // 0 WPA only, 1 WPA2 only, 2 WPA or WPA2
    std::int32_t wpaCipher = 2; // 0 TKIP, 1 AES, 2 TKIP and AES
    char passphrase[128] = {};
    std::uint32_t devicePin = 0;   // the device's own WPS PIN as reported
    std::uint32_t enrolleePin = 0; // the station PIN entered on the WPS page
};

// Copies text into a fixed field of N bytes: at most N - 1 bytes and a terminator, the rest zero.
// A UTF-8 sequence is never cut in half.
template <std::size_t N> void SetFixedText(char (&field)[N], const char* text, std::size_t length)
{
    std::size_t n = length < N - 1 ? length : N - 1;
    if (n < length) {
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
            --n;
    }
    for (std::size_t i = 0; i < N; ++i)
        field[i] = i < n ? text[i] : '\0';
}
