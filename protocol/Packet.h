#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The one definition of the device protocol's packet: an 18-byte clear header, then TLV items
// (type, length, value) that are enciphered in every packet but a Discover reply. Pure code
// without I/O, shared by the engine and the emulated access point.

using MacAddress = std::array<std::uint8_t, 6>;

inline constexpr MacAddress kBroadcastMac = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
inline constexpr std::size_t kHeaderSize = 18;
inline constexpr char kPacketMagic[] = "SWP12345";
inline constexpr std::uint8_t kPacketVersion = 2;
// The opcode BuildHeader writes; every send replaces it, so it never leaves the client.
inline constexpr std::uint8_t kHeaderDefaultOpcode = 7;
inline constexpr std::uint16_t kClientPort = 5433;
inline constexpr std::uint16_t kDevicePort = 5432;
inline constexpr char kBroadcastAddress[] = "255.255.255.255";

// Header field offsets.
inline constexpr std::size_t kAddressOffset = 9;
inline constexpr std::size_t kOpcodeOffset = 15;
inline constexpr std::size_t kLengthOffset = 16;

enum : std::uint8_t {
    CMD_DISCOVER = 0,
    CMD_LOGIN = 1,
    CMD_LOGOUT = 2,
    CMD_GET_CONFIG = 3,
    CMD_SET_CONFIG = 4,
    CMD_EVENT = 6,
};

// Item type codes.
namespace Tlv {
enum : std::uint8_t {
    DEV_NAME = 0x01,
    DEV_MAC = 0x02,
    IP_MODE = 0x30,
    LAN_IP = 0x31,
    LAN_NETMASK = 0x32,
    LAN_GATEWAY = 0x33,
    WL_SSID = 0x50,
    WL_CH_LIST = 0x51,
    WL_EXT_CH = 0x52,
    WL_STD_CH = 0x53,
    WL_SECURITY_MODE = 0x60,
    WL_AUTH_MODE = 0x61,
    WL_WEPKEY_LEN = 0x62,
    WL_WEPKEY = 0x63,
    WL_WEPKEY_INDEX = 0x67,
    WL_WPA_MODE = 0x68,
    WL_WPA_CIPHER = 0x69,
    WL_WPA_PSK = 0x6A,
    WL_WPS_PBC = 0x6B,
    WL_WPS_PIN = 0x6C,
    AUTH_TEXT = 0x90,
    RESULT = 0x91,
    PORT = 0x92,
    CFG_QUERY = 0x93,
    TLVTYPE_OTHER_CONNECTTIMEOUT = 0x95,
    TLVTYPE_OTHER_WPS_STATUS = 0x96,
};
} // namespace Tlv

// The value of the AUTH_TEXT item of every Login request: the client's fixed authentication
// text, which the access point checks.
inline constexpr std::string_view kAuthText =
    "KZL-958WB setup program: this fixed text tells each access point that its own client calls.";
static_assert(kAuthText.size() == 91);

// --- Header ------------------------------------------------------------------------------

inline std::uint8_t PacketOpcode(const std::uint8_t* packet)
{
    return packet[kOpcodeOffset];
}
inline std::uint16_t PacketLength(const std::uint8_t* packet)
{
    return static_cast<std::uint16_t>(packet[kLengthOffset] << 8 | packet[kLengthOffset + 1]);
}
inline MacAddress PacketAddress(const std::uint8_t* packet)
{
    MacAddress mac;
    for (std::size_t n = 0; n < mac.size(); ++n)
        mac[n] = packet[kAddressOffset + n];
    return mac;
}
void SetPacketAddress(std::uint8_t* packet, const MacAddress& mac);

// The 18-byte header with its defaults: magic, version 2, address = mac, opcode 7, length 0.
std::vector<std::uint8_t> BuildHeader(const MacAddress& mac);
// Sets opcode and the payload length (everything after the header) of a built packet.
void FinishPacket(std::vector<std::uint8_t>& packet, std::uint8_t opcode);

// Appends one item; a value longer than 255 bytes is cut to 255 (the length is one byte).
void AppendItem(std::vector<std::uint8_t>& packet, std::uint8_t type, const std::uint8_t* value,
                std::size_t length);
void AppendByteItem(std::vector<std::uint8_t>& packet, std::uint8_t type, std::uint8_t value);
void AppendU16Item(std::vector<std::uint8_t>& packet, std::uint8_t type, std::uint16_t value);
void AppendU32Item(std::vector<std::uint8_t>& packet, std::uint8_t type, std::uint32_t value);
void AppendTextItem(std::vector<std::uint8_t>& packet, std::uint8_t type, std::string_view text);

// --- Cipher ------------------------------------------------------------------------------

// Enciphers (or deciphers) the payload of packet in place with key; an empty key stands for
// RC4_DEFAULT_KEY. Only the bytes that the header's length names and size holds are touched.
void CipherPayload(std::uint8_t* packet, std::size_t size, std::string_view key);

// --- Items -------------------------------------------------------------------------------

struct TlvItem
{
    std::uint8_t type;
    std::uint8_t length;
    const std::uint8_t* value;

    // Fixed-width values; false (and out untouched) when the item is shorter than the width.
    bool ReadByte(std::uint8_t& out) const;
    bool ReadU16(std::uint16_t& out) const;
    bool ReadU32(std::uint32_t& out) const;
};

// Hands every complete item of the payload to onItem, in order. A last single byte is ignored.
// Returns false when an item's stated length runs past the payload; the items before it were
// handed on, and the caller writes "  not enough bytes in buffer".
template <typename OnItem>
bool ReadItems(const std::uint8_t* payload, std::size_t total, OnItem&& onItem)
{
    std::size_t c = 0;
    while (total - c >= 2) {
        const std::uint8_t length = payload[c + 1];
        if (c + 2 + length > total)
            return false;
        onItem(TlvItem{payload[c], length, payload + c + 2});
        c += 2 + length;
    }
    return true;
}

// --- Receive checks ----------------------------------------------------------------------

enum class ReceiveCheck {
    Accepted,
    ShortPacket,
    BadMagic,
    BadVersion,
    FromOwnSocket,
    FromLocalMac,
    OtherDevice,
    BadTotalLength,
};

// The checks of a received datagram, in their order; the first that fails decides.
// socketMacs are the MACs of the open local sockets.
ReceiveCheck CheckReceivedPacket(const std::uint8_t* data, std::size_t size,
                                 std::span<const MacAddress> socketMacs, const MacAddress& localMac,
                                 const MacAddress& targetMac);
// The log line of a failed check ("TFormUDP::ProcRecvData() FAIL ..."); empty for Accepted.
const char* ReceiveCheckLogLine(ReceiveCheck check);

// --- Trace -------------------------------------------------------------------------------

// The lines that trace a packet: "[Tx] size=%d" or "[Rx] %s:%d size=%d", then the bytes as
// "%02X " 16 to a line.
std::vector<std::string> FormatPacketTrace(bool received, const std::uint8_t* data,
                                           std::size_t size, const std::string& senderAddress,
                                           std::uint16_t senderPort);

// --- Addresses ---------------------------------------------------------------------------

// Dotted IPv4 text to a number whose most significant byte is the first number; false for
// anything that is not four decimal numbers 0..255.
bool ParseIPv4(std::string_view text, std::uint32_t& out);
std::string FormatIPv4(std::uint32_t address);
// "00:1A:2B:3C:4D:5E".
std::string MacText(const MacAddress& mac);
// Reads "AA:BB:CC:DD:EE:FF" (also with '-'); false for anything else.
bool ParseMac(std::string_view text, MacAddress& out);
