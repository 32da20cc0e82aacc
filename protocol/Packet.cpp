#include "Packet.h"

#include "Urc4encry.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

void SetPacketAddress(std::uint8_t* packet, const MacAddress& mac)
{
    std::copy(mac.begin(), mac.end(), packet + kAddressOffset);
}

std::vector<std::uint8_t> BuildHeader(const MacAddress& mac)
{
    std::vector<std::uint8_t> packet(kHeaderSize, 0);
    std::memcpy(packet.data(), kPacketMagic, 8);
    packet[8] = kPacketVersion;
    SetPacketAddress(packet.data(), mac);
    packet[kOpcodeOffset] = kHeaderDefaultOpcode;
    return packet;
}

void FinishPacket(std::vector<std::uint8_t>& packet, std::uint8_t opcode)
{
    const std::size_t payload = packet.size() - kHeaderSize;
    packet[kOpcodeOffset] = opcode;
    packet[kLengthOffset] = static_cast<std::uint8_t>(payload >> 8);
    packet[kLengthOffset + 1] = static_cast<std::uint8_t>(payload);
}

void AppendItem(std::vector<std::uint8_t>& packet, std::uint8_t type, const std::uint8_t* value,
                std::size_t length)
{
    const std::size_t n = std::min<std::size_t>(length, 255);
    packet.push_back(type);
    packet.push_back(static_cast<std::uint8_t>(n));
    packet.insert(packet.end(), value, value + n);
}

void AppendByteItem(std::vector<std::uint8_t>& packet, std::uint8_t type, std::uint8_t value)
{
    AppendItem(packet, type, &value, 1);
}

void AppendU16Item(std::vector<std::uint8_t>& packet, std::uint8_t type, std::uint16_t value)
{
    const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(value >> 8),
                                   static_cast<std::uint8_t>(value)};
    AppendItem(packet, type, bytes, 2);
}

void AppendU32Item(std::vector<std::uint8_t>& packet, std::uint8_t type, std::uint32_t value)
{
    const std::uint8_t bytes[4] = {
        static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
        static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
    AppendItem(packet, type, bytes, 4);
}

void AppendTextItem(std::vector<std::uint8_t>& packet, std::uint8_t type, std::string_view text)
{
    AppendItem(packet, type, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

void CipherPayload(std::uint8_t* packet, std::size_t size, std::string_view key)
{
    if (size <= kHeaderSize)
        return;
    const std::size_t length = std::min<std::size_t>(PacketLength(packet), size - kHeaderSize);
    RC4Crypt(reinterpret_cast<const std::uint8_t*>(key.data()), static_cast<int>(key.size()),
             packet + kHeaderSize, static_cast<int>(length));
}

bool TlvItem::ReadByte(std::uint8_t& out) const
{
    if (length < 1)
        return false;
    out = value[0];
    return true;
}

bool TlvItem::ReadU16(std::uint16_t& out) const
{
    if (length < 2)
        return false;
    out = static_cast<std::uint16_t>(value[0] << 8 | value[1]);
    return true;
}

bool TlvItem::ReadU32(std::uint32_t& out) const
{
    if (length < 4)
        return false;
    out = static_cast<std::uint32_t>(value[0]) << 24 | static_cast<std::uint32_t>(value[1]) << 16 |
          static_cast<std::uint32_t>(value[2]) << 8 | value[3];
    return true;
}

ReceiveCheck CheckReceivedPacket(const std::uint8_t* data, std::size_t size,
                                 std::span<const MacAddress> socketMacs, const MacAddress& localMac,
                                 const MacAddress& targetMac)
{
    if (size < kHeaderSize)
        return ReceiveCheck::ShortPacket;
    if (std::memcmp(data, kPacketMagic, 8) != 0)
        return ReceiveCheck::BadMagic;
    if (data[8] != kPacketVersion)
        return ReceiveCheck::BadVersion;
    const MacAddress address = PacketAddress(data);
    if (std::find(socketMacs.begin(), socketMacs.end(), address) != socketMacs.end())
        return ReceiveCheck::FromOwnSocket;
    if (address == localMac)
        return ReceiveCheck::FromLocalMac;
    if (targetMac != kBroadcastMac && address != targetMac)
        return ReceiveCheck::OtherDevice;
    if (kHeaderSize + PacketLength(data) != size)
        return ReceiveCheck::BadTotalLength;
    return ReceiveCheck::Accepted;
}

const char* ReceiveCheckLogLine(ReceiveCheck check)
{
    switch (check) {
    case ReceiveCheck::Accepted:
        return "";
    case ReceiveCheck::ShortPacket:
        return "TFormUDP::ProcRecvData() FAIL length";
    case ReceiveCheck::BadMagic:
        return "TFormUDP::ProcRecvData() FAIL magic word";
    case ReceiveCheck::BadVersion:
        return "TFormUDP::ProcRecvData() FAIL version";
    case ReceiveCheck::FromOwnSocket:
    case ReceiveCheck::FromLocalMac:
        return "TFormUDP::ProcRecvData() FAIL received a request";
    case ReceiveCheck::OtherDevice:
        return "TFormUDP::ProcRecvData() FAIL destination address doesn't match";
    case ReceiveCheck::BadTotalLength:
        return "TFormUDP::ProcRecvData() FAIL total length";
    }
    return "";
}

std::vector<std::string> FormatPacketTrace(bool received, const std::uint8_t* data,
                                           std::size_t size, const std::string& senderAddress,
                                           std::uint16_t senderPort)
{
    std::vector<std::string> lines;
    char title[128];
    if (received)
        std::snprintf(title, sizeof title, "[Rx] %s:%d size=%d", senderAddress.c_str(), senderPort,
                      static_cast<int>(size));
    else
        std::snprintf(title, sizeof title, "[Tx] size=%d", static_cast<int>(size));
    lines.emplace_back(title);
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (std::size_t start = 0; start < size; start += 16) {
        std::string line;
        const std::size_t end = std::min(size, start + 16);
        for (std::size_t n = start; n < end; ++n) {
            line += kHex[data[n] >> 4];
            line += kHex[data[n] & 0x0F];
            line += ' ';
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

bool ParseIPv4(std::string_view text, std::uint32_t& out)
{
    std::uint32_t address = 0;
    std::size_t pos = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (pos >= text.size() || text[pos] != '.')
                return false;
            ++pos;
        }
        std::size_t digits = 0;
        unsigned value = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && digits < 3) {
            value = value * 10 + static_cast<unsigned>(text[pos] - '0');
            ++pos;
            ++digits;
        }
        if (digits == 0 || value > 255)
            return false;
        address = address << 8 | value;
    }
    if (pos != text.size())
        return false;
    out = address;
    return true;
}

std::string FormatIPv4(std::uint32_t address)
{
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", address >> 24, (address >> 16) & 0xFF,
                  (address >> 8) & 0xFF, address & 0xFF);
    return text;
}

std::string MacText(const MacAddress& mac)
{
    char text[18];
    std::snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%02X:%02X", mac[0], mac[1], mac[2],
                  mac[3], mac[4], mac[5]);
    return text;
}

bool ParseMac(std::string_view text, MacAddress& out)
{
    if (text.size() != 17)
        return false;
    MacAddress mac;
    for (std::size_t n = 0; n < 6; ++n) {
        if (n > 0 && text[n * 3 - 1] != ':' && text[n * 3 - 1] != '-')
            return false;
        unsigned value = 0;
        for (std::size_t k = 0; k < 2; ++k) {
            const char c = text[n * 3 + k];
            value <<= 4;
            if (c >= '0' && c <= '9')
                value |= static_cast<unsigned>(c - '0');
            else if (c >= 'a' && c <= 'f')
                value |= static_cast<unsigned>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                value |= static_cast<unsigned>(c - 'A' + 10);
            else
                return false;
        }
        mac[n] = static_cast<std::uint8_t>(value);
    }
    out = mac;
    return true;
}
