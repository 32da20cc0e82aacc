#include "AccessPoint.h"

#include <cstdio>
#include <cstring>

namespace {

using Bytes = std::vector<std::uint8_t>;

bool wellFormed(const std::uint8_t* data, std::size_t size)
{
    return size >= kHeaderSize && std::memcmp(data, kPacketMagic, 8) == 0 &&
           data[8] == kPacketVersion && kHeaderSize + PacketLength(data) == size;
}

std::string textOf(const TlvItem& item)
{
    return {reinterpret_cast<const char*>(item.value), item.length};
}

const char* itemName(std::uint8_t type)
{
    switch (type) {
    case Tlv::DEV_NAME:
        return "DEV_NAME";
    case Tlv::DEV_MAC:
        return "DEV_MAC";
    case Tlv::IP_MODE:
        return "IP_MODE";
    case Tlv::LAN_IP:
        return "LAN_IP";
    case Tlv::LAN_NETMASK:
        return "LAN_NETMASK";
    case Tlv::LAN_GATEWAY:
        return "LAN_GATEWAY";
    case Tlv::WL_SSID:
        return "WL_SSID";
    case Tlv::WL_CH_LIST:
        return "WL_CH_LIST";
    case Tlv::WL_EXT_CH:
        return "WL_EXT_CH";
    case Tlv::WL_STD_CH:
        return "WL_STD_CH";
    case Tlv::WL_SECURITY_MODE:
        return "WL_SECURITY_MODE";
    case Tlv::WL_AUTH_MODE:
        return "WL_AUTH_MODE";
    case Tlv::WL_WEPKEY_LEN:
        return "WL_WEPKEY_LEN";
    case Tlv::WL_WEPKEY:
        return "WL_WEPKEY";
    case Tlv::WL_WEPKEY_INDEX:
        return "WL_WEPKEY_INDEX";
    case Tlv::WL_WPA_MODE:
        return "WL_WPA_MODE";
    case Tlv::WL_WPA_CIPHER:
        return "WL_WPA_CIPHER";
    case Tlv::WL_WPA_PSK:
        return "WL_WPA_PSK";
    case Tlv::WL_WPS_PBC:
        return "WL_WPS_PBC";
    case Tlv::WL_WPS_PIN:
        return "WL_WPS_PIN";
    case Tlv::AUTH_TEXT:
        return "AUTH_TEXT";
    case Tlv::RESULT:
        return "RESULT";
    case Tlv::PORT:
        return "PORT";
    case Tlv::CFG_QUERY:
        return "CFG_QUERY";
    case Tlv::TLVTYPE_OTHER_CONNECTTIMEOUT:
        return "CONNECTTIMEOUT";
    case Tlv::TLVTYPE_OTHER_WPS_STATUS:
        return "WPS_STATUS";
    default:
        return nullptr;
    }
}

bool isText(std::uint8_t type)
{
    return type == Tlv::DEV_NAME || type == Tlv::WL_SSID || type == Tlv::WL_WEPKEY ||
           type == Tlv::WL_WPA_PSK || type == Tlv::AUTH_TEXT;
}

std::string describeValue(const TlvItem& item)
{
    char number[32];
    if (isText(item.type) || (item.type == Tlv::WL_WPS_PIN && item.length == 8)) {
        std::string text;
        for (std::uint8_t c : textOf(item))
            text += (c >= 0x20 && c < 0x7F && c != '"') ? static_cast<char>(c) : '?';
        return "\"" + text + "\"";
    }
    if (item.type == Tlv::DEV_MAC && item.length == 6) {
        MacAddress mac;
        std::memcpy(mac.data(), item.value, 6);
        return MacText(mac);
    }
    std::uint16_t u16 = 0;
    std::uint32_t u32 = 0;
    if (item.length == 1) {
        std::snprintf(number, sizeof number, "%u", item.value[0]);
    } else if (item.length == 2 && item.ReadU16(u16)) {
        std::snprintf(number, sizeof number, "%u", u16);
    } else if (item.length == 4 && item.ReadU32(u32)) {
        std::snprintf(number, sizeof number, "0x%08X", u32);
    } else {
        std::string hex = "(" + std::to_string(item.length) + ")";
        for (int n = 0; n < item.length && n < 32; ++n) {
            std::snprintf(number, sizeof number, " %02X", item.value[n]);
            hex += number;
        }
        return hex;
    }
    return number;
}

} // namespace

std::string DescribePacket(const std::uint8_t* packet, std::size_t size)
{
    if (size < kHeaderSize)
        return "short datagram of " + std::to_string(size) + " bytes";
    const std::uint8_t opcode = PacketOpcode(packet);
    std::string line = std::string("op=") + OperationName(opcode) + "(" + std::to_string(opcode) +
                       ") mac=" + MacText(PacketAddress(packet)) +
                       " len=" + std::to_string(PacketLength(packet));
    const std::size_t available = size - kHeaderSize;
    const std::size_t length = std::min<std::size_t>(PacketLength(packet), available);
    const bool complete = ReadItems(packet + kHeaderSize, length, [&](const TlvItem& item) {
        const char* name = itemName(item.type);
        char code[8];
        std::snprintf(code, sizeof code, "0x%02X", item.type);
        line += std::string(" ") + (name ? name : code) + "=" + describeValue(item);
    });
    if (!complete)
        line += " [item runs past the payload]";
    return line;
}

AccessPoint::AccessPoint(ApSettings settings, ApLogger log)
    : settings_(std::move(settings)), log_(std::move(log))
{
    state_.dhcp = settings_.dhcp;
    state_.ip = settings_.ip;
    state_.netmask = settings_.netmask;
    state_.gateway = settings_.gateway;
    state_.ssid = settings_.ssid;
}

AccessPoint::~AccessPoint() = default;

void AccessPoint::Log(const std::string& line) const
{
    if (log_)
        log_(line);
}

void AccessPoint::Receive(const std::uint8_t* data, std::size_t size, const std::string& fromIp,
                          std::uint16_t fromPort, std::uint16_t localPort, ApLink& link)
{
    finished_.clear();
    const auto from = [&] {
        return "in  " + fromIp + ":" + std::to_string(fromPort) +
               " -> :" + std::to_string(localPort) + " ";
    };
    if (!wellFormed(data, size)) {
        if (log_)
            Log(from() + "malformed datagram of " + std::to_string(size) + " bytes, dropped");
        return;
    }
    Bytes packet(data, data + size);
    const std::uint8_t opcode = PacketOpcode(packet.data());
    if (opcode != CMD_DISCOVER)
        CipherPayload(packet.data(), packet.size(), settings_.password);
    if (log_)
        Log(from() + DescribePacket(packet.data(), packet.size()));
    Items items;
    ReadItems(packet.data() + kHeaderSize, PacketLength(packet.data()),
              [&](const TlvItem& item) { items.push_back(item); });
    switch (opcode) {
    case CMD_DISCOVER:
        OnDiscover(fromPort, link);
        return;
    case CMD_LOGIN:
        OnLogin(items, fromPort, link);
        return;
    default:
        break;
    }
    if (!session_.open || localPort != settings_.sessionPort) {
        Log("    no session on this port, ignored");
        return;
    }
    RestartSessionTimer();
    if (opcode == CMD_LOGOUT)
        OnLogout();
    else if (opcode == CMD_GET_CONFIG)
        OnGetConfig();
    else if (opcode == CMD_SET_CONFIG)
        OnSetConfig(items);
}

void AccessPoint::OnDiscover(std::uint16_t fromPort, ApLink& link)
{
    if (settings_.faults.refuse.count(CMD_DISCOVER) != 0)
        return;
    Bytes items;
    AppendTextItem(items, Tlv::DEV_NAME, settings_.name);
    Reply(CMD_DISCOVER, items, link, fromPort, kDevicePort);
}

void AccessPoint::OnLogin(const Items& items, std::uint16_t fromPort, ApLink& link)
{
    bool forMe = false;
    bool authentic = false;
    for (const TlvItem& item : items) {
        if (item.type == Tlv::DEV_MAC && item.length == 6)
            forMe = std::memcmp(item.value, settings_.mac.data(), 6) == 0;
        else if (item.type == Tlv::AUTH_TEXT)
            authentic = textOf(item) == kAuthText;
    }
    if (!forMe) {
        Log("    login for another device, ignored");
        return;
    }
    Bytes reply;
    if (!authentic || settings_.faults.refuse.count(CMD_LOGIN) != 0) {
        AppendByteItem(reply, Tlv::RESULT, 0);
        Reply(CMD_LOGIN, reply, link, fromPort, kDevicePort);
        return;
    }
    session_ = Session{true, &link, fromPort};
    RestartSessionTimer();
    AppendByteItem(reply, Tlv::RESULT, 1);
    AppendU16Item(reply, Tlv::PORT, settings_.sessionPort);
    Reply(CMD_LOGIN, reply, link, fromPort, kDevicePort);
}

void AccessPoint::OnLogout()
{
    Bytes reply;
    AppendByteItem(reply, Tlv::RESULT, settings_.faults.refuse.count(CMD_LOGOUT) ? 0 : 1);
    Reply(CMD_LOGOUT, reply, *session_.link, session_.clientPort, settings_.sessionPort);
    EndSession();
}

void AccessPoint::OnGetConfig()
{
    if (settings_.faults.refuse.count(CMD_GET_CONFIG) != 0)
        return;
    const State& s = state_;
    Bytes items;
    AppendByteItem(items, Tlv::IP_MODE, s.dhcp ? 1 : 0);
    AppendU32Item(items, Tlv::LAN_IP, s.ip);
    AppendU32Item(items, Tlv::LAN_NETMASK, s.netmask);
    AppendU32Item(items, Tlv::LAN_GATEWAY, s.gateway);
    AppendTextItem(items, Tlv::WL_SSID, s.ssid);
    AppendItem(items, Tlv::WL_CH_LIST, settings_.channels.data(), settings_.channels.size());
    AppendByteItem(items, Tlv::WL_EXT_CH, s.extChannel);
    AppendByteItem(items, Tlv::WL_STD_CH, s.stdChannel);
    AppendByteItem(items, Tlv::WL_SECURITY_MODE, s.securityMode);
    AppendByteItem(items, Tlv::WL_AUTH_MODE, s.authMode);
    AppendByteItem(items, Tlv::WL_WEPKEY_LEN, s.wepKeyLength);
    AppendByteItem(items, Tlv::WL_WEPKEY_INDEX, s.wepKeyIndex);
    AppendByteItem(items, Tlv::WL_WPA_MODE, s.wpaMode);
    AppendByteItem(items, Tlv::WL_WPA_CIPHER, s.wpaCipher);
    AppendU32Item(items, Tlv::WL_WPS_PIN, settings_.wpsPin);
    Reply(CMD_GET_CONFIG, items, *session_.link, session_.clientPort, settings_.sessionPort);
}

void AccessPoint::OnSetConfig(const Items& items)
{
    bool accepted = !items.empty() && settings_.faults.refuse.count(CMD_SET_CONFIG) == 0;
    bool wps = false;
    State before = state_;
    for (const TlvItem& item : items) {
        if (!accepted)
            break;
        if (item.type == Tlv::WL_WPS_PBC || item.type == Tlv::WL_WPS_PIN) {
            wps = true;
            accepted = item.type == Tlv::WL_WPS_PBC || item.length == 8;
        } else {
            accepted = ApplySetting(item);
        }
    }
    if (!accepted)
        state_ = before;
    Bytes reply;
    AppendByteItem(reply, Tlv::RESULT, accepted ? 1 : 0);
    Reply(CMD_SET_CONFIG, reply, *session_.link, session_.clientPort, settings_.sessionPort);
    if (accepted && wps)
        StartWps();
}

bool AccessPoint::ApplySetting(const TlvItem& item)
{
    std::uint8_t byte = 0;
    std::uint32_t address = 0;
    State& s = state_;
    switch (item.type) {
    case Tlv::IP_MODE:
        return item.ReadByte(byte) && ((s.dhcp = byte != 0), true);
    case Tlv::LAN_IP:
        return item.ReadU32(address) && ((s.ip = address), true);
    case Tlv::LAN_NETMASK:
        return item.ReadU32(address) && ((s.netmask = address), true);
    case Tlv::LAN_GATEWAY:
        return item.ReadU32(address) && ((s.gateway = address), true);
    case Tlv::WL_SSID:
        s.ssid = textOf(item);
        return item.length <= 32;
    case Tlv::WL_STD_CH:
        return item.ReadByte(s.stdChannel);
    case Tlv::WL_EXT_CH:
        return item.ReadByte(s.extChannel);
    case Tlv::WL_SECURITY_MODE:
        return item.ReadByte(s.securityMode);
    case Tlv::WL_AUTH_MODE:
        return item.ReadByte(s.authMode);
    case Tlv::WL_WEPKEY:
        s.wepKey = textOf(item);
        s.wepKeyLength = item.length > 10 ? 1 : 0;
        return true;
    case Tlv::WL_WEPKEY_INDEX:
        return item.ReadByte(s.wepKeyIndex);
    case Tlv::WL_WPA_MODE:
        return item.ReadByte(s.wpaMode);
    case Tlv::WL_WPA_CIPHER:
        return item.ReadByte(s.wpaCipher);
    case Tlv::WL_WPA_PSK:
        s.passphrase = textOf(item);
        return true;
    default:
        return false;
    }
}

void AccessPoint::StartWps()
{
    const std::uint64_t run = ++wpsRun_;
    std::uint32_t at = 0;
    for (const WpsStep& step : settings_.wpsScript) {
        at += step.delayMs;
        const std::uint32_t status = step.status;
        After(at, [this, run, status] {
            if (run != wpsRun_)
                return; // a newer start replaced this run
            Bytes items;
            AppendU32Item(items, Tlv::TLVTYPE_OTHER_WPS_STATUS, status);
            SendEvent(items);
        });
    }
}

void AccessPoint::SendEvent(const Bytes& items)
{
    if (session_.link == nullptr)
        return;
    Reply(CMD_EVENT, items, *session_.link, session_.clientPort, settings_.sessionPort);
}

void AccessPoint::RestartSessionTimer()
{
    if (settings_.sessionTimeoutS == 0)
        return;
    if (!sessionTimer_) {
        sessionTimer_ = std::make_unique<TTimer>(settings_.sessionTimeoutS * 1000u, false);
        sessionTimer_->OnTimer = [this] {
            sessionTimer_->SetEnabled(false);
            Bytes items;
            AppendItem(items, Tlv::TLVTYPE_OTHER_CONNECTTIMEOUT, nullptr, 0);
            SendEvent(items);
            EndSession();
        };
    }
    sessionTimer_->SetEnabled(false);
    sessionTimer_->SetEnabled(true);
}

void AccessPoint::EndSession()
{
    session_.open = false;
    if (sessionTimer_)
        sessionTimer_->SetEnabled(false);
}

void AccessPoint::Reply(std::uint8_t opcode, const Bytes& items, ApLink& link, std::uint16_t toPort,
                        std::uint16_t fromPort)
{
    Bytes packet = BuildHeader(settings_.mac);
    packet.insert(packet.end(), items.begin(), items.end());
    FinishPacket(packet, opcode);
    std::string line;
    if (log_)
        line = "out -> " + std::string(kBroadcastAddress) + ":" + std::to_string(toPort) + " " +
               DescribePacket(packet.data(), packet.size());
    ApFaults& faults = settings_.faults;
    if (auto drop = faults.drop.find(opcode); drop != faults.drop.end() && drop->second > 0) {
        --drop->second;
        Log(line + " [dropped]");
        return;
    }
    if (opcode != CMD_DISCOVER)
        CipherPayload(packet.data(), packet.size(), settings_.password);
    if (faults.malformed.count(opcode) != 0) {
        packet.pop_back(); // the total length no longer matches
        line += " [malformed]";
    }
    ApLink* via = &link;
    const auto send = [via, packet, toPort, fromPort] {
        via->Send(packet, kBroadcastAddress, toPort, fromPort);
    };
    if (auto delay = faults.delayMs.find(opcode);
        delay != faults.delayMs.end() && delay->second > 0) {
        Log(line + " [delayed " + std::to_string(delay->second) + " ms]");
        After(delay->second, send);
        return;
    }
    Log(line);
    send();
}

void AccessPoint::After(std::uint32_t ms, std::function<void()> action)
{
    if (ms == 0) {
        action();
        return;
    }
    auto timer = std::make_unique<TTimer>(ms, false);
    TTimer* raw = timer.get();
    raw->OnTimer = [this, raw, action] {
        raw->SetEnabled(false);
        const std::function<void()> act = action;
        // Deleted on the next datagram, never inside its own handler.
        for (auto it = scheduled_.begin(); it != scheduled_.end(); ++it) {
            if (it->get() == raw) {
                finished_.splice(finished_.end(), scheduled_, it);
                break;
            }
        }
        act();
    };
    raw->SetEnabled(true);
    scheduled_.push_back(std::move(timer));
}
