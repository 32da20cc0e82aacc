#include "ConfigItems.h"

#include "app/Udebug.h"

#include <cstring>
#include <string>

namespace {

std::string_view fixedText(const char* field, std::size_t capacity)
{
    return {field, strnlen(field, capacity)};
}

void storeAddressItem(const TlvItem& item, std::uint32_t& field, const char* logFormat)
{
    std::uint32_t value = 0;
    if (!item.ReadU32(value))
        return;
    field = value;
    DebugPrint(logFormat, value);
}

template <typename Field>
void storeByteItem(const TlvItem& item, Field& field, const char* logFormat)
{
    std::uint8_t value = 0;
    if (!item.ReadByte(value))
        return;
    field = static_cast<Field>(value);
    DebugPrint(logFormat, static_cast<int>(value));
}

void storeChannelList(const TlvItem& item, WirelessSettings& wireless)
{
    // A length byte allows at most 255 channels, so the list and its 0 byte always fit.
    static_assert(sizeof wireless.channelList == 256);
    std::memset(wireless.channelList, 0, sizeof wireless.channelList);
    std::memcpy(wireless.channelList, item.value, item.length);
    if (!DebugLog().IsOn())
        return;
    std::string channels;
    for (int n = 0; n < item.length; ++n)
        channels += " " + std::to_string(item.value[n]);
    DebugPrint("  WL_CH_LIST=(%d) %s", static_cast<int>(item.length), channels.c_str());
}

} // namespace

void StoreConfigItem(const TlvItem& item, IpSettings& ip, WirelessSettings& wireless)
{
    std::uint8_t byte = 0;
    std::uint32_t number = 0;
    switch (item.type) {
    case Tlv::IP_MODE:
        if (item.ReadByte(byte)) {
            ip.ipMode = byte != 0 ? 1 : 0;
            DebugPrint("  IP_MODE=%d", ip.ipMode);
        }
        break;
    case Tlv::LAN_IP:
        storeAddressItem(item, ip.ipAddress, "  LAN_IP=%X");
        break;
    case Tlv::LAN_NETMASK:
        storeAddressItem(item, ip.subnetMask, "  LAN_NETMASK=%X");
        break;
    case Tlv::LAN_GATEWAY:
        storeAddressItem(item, ip.gateway, "  LAN_GATEWAY=%X");
        break;
    case Tlv::WL_SSID:
        SetFixedText(wireless.ssid, reinterpret_cast<const char*>(item.value), item.length);
        DebugPrint("  WL_SSID=%s", wireless.ssid);
        break;
    case Tlv::WL_CH_LIST:
        storeChannelList(item, wireless);
        break;
    case Tlv::WL_EXT_CH:
        storeByteItem(item, wireless.extChannel, "  WL_EXT_CH=%d");
        break;
    case Tlv::WL_STD_CH:
        storeByteItem(item, wireless.stdChannel, "  WL_STD_CH=%d");
        break;
    case Tlv::WL_SECURITY_MODE:
        storeByteItem(item, wireless.securityMode, "  WL_SECURITY_MODE=%d");
        break;
    case Tlv::WL_AUTH_MODE:
        storeByteItem(item, wireless.authMode, "  WL_AUTH_MODE=%d");
        break;
    case Tlv::WL_WEPKEY_LEN:
        storeByteItem(item, wireless.wepKeyLength, "  WL_WEPKEY_LEN=%d");
        break;
    case Tlv::WL_WEPKEY_INDEX:
        if (item.ReadByte(byte))
            DebugPrint("  WL_WEPKEY_INDEX=%d", static_cast<int>(byte));
        break;
    case Tlv::WL_WPA_MODE:
        storeByteItem(item, wireless.wpaMode, "  WL_WPA_MODE=%d");
        break;
    case Tlv::WL_WPA_CIPHER:
        storeByteItem(item, wireless.wpaCipher, "  WL_WPA_CIPHER=%d");
        break;
    case Tlv::WL_WPS_PIN:
        if (item.ReadU32(number)) {
            wireless.devicePin = number;
            DebugPrint("  WL_WPS_PIN=0x%08X", number);
        }
        break;
    default:
        DebugPrint("  TLV=0x%X", static_cast<unsigned>(item.type));
        break;
    }
}

void AppendIpSettingItems(std::vector<std::uint8_t>& packet, const IpSettings& ip)
{
    if (ip.ipMode != 0) {
        AppendByteItem(packet, Tlv::IP_MODE, 1);
        return;
    }
    AppendByteItem(packet, Tlv::IP_MODE, 0);
    AppendU32Item(packet, Tlv::LAN_IP, ip.ipAddress);
    AppendU32Item(packet, Tlv::LAN_NETMASK, ip.subnetMask);
    AppendU32Item(packet, Tlv::LAN_GATEWAY, ip.gateway);
}

void AppendWirelessItems(std::vector<std::uint8_t>& packet, const WirelessSettings& wl)
{
    const auto low = [](std::int32_t field) { return static_cast<std::uint8_t>(field); };
    AppendTextItem(packet, Tlv::WL_SSID, fixedText(wl.ssid, sizeof wl.ssid));
    AppendByteItem(packet, Tlv::WL_STD_CH, wl.stdChannel);
    if (wl.stdChannel != 0)
        AppendByteItem(packet, Tlv::WL_EXT_CH, wl.extChannel);
    AppendByteItem(packet, Tlv::WL_SECURITY_MODE, low(wl.securityMode));
    if (wl.securityMode == 1) {
        AppendByteItem(packet, Tlv::WL_AUTH_MODE, low(wl.authMode));
        AppendTextItem(packet, Tlv::WL_WEPKEY, fixedText(wl.wepKey, sizeof wl.wepKey));
        AppendByteItem(packet, Tlv::WL_WEPKEY_INDEX, 0);
    } else if (wl.securityMode == 2) {
        AppendByteItem(packet, Tlv::WL_WPA_MODE, low(wl.wpaMode));
        AppendByteItem(packet, Tlv::WL_WPA_CIPHER, low(wl.wpaCipher));
        AppendTextItem(packet, Tlv::WL_WPA_PSK, fixedText(wl.passphrase, sizeof wl.passphrase));
    }
}
