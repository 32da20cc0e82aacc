#pragma once

#include "app/Records.h"
#include "protocol/Packet.h"

#include <cstdint>
#include <vector>

// The configuration items and the two settings records: how a GetConfig reply's items are
// stored (each with its log line) and how the SetConfig requests carry the records.

// Stores one item of a GetConfig reply into ip or wireless and writes its log line; an item
// shorter than its fixed width is ignored, an unknown type is logged with its code.
void StoreConfigItem(const TlvItem& item, IpSettings& ip, WirelessSettings& wireless);

// DHCP: IP_MODE 1 alone. Static: IP_MODE 0, LAN_IP, LAN_NETMASK, LAN_GATEWAY.
void AppendIpSettingItems(std::vector<std::uint8_t>& packet, const IpSettings& ip);
// WL_SSID, WL_STD_CH, WL_EXT_CH (only with a channel), WL_SECURITY_MODE, then the WEP
// (WL_AUTH_MODE, WL_WEPKEY, WL_WEPKEY_INDEX 0) or WPA-PSK (WL_WPA_MODE, WL_WPA_CIPHER,
// WL_WPA_PSK) items; one-byte items carry the field's low byte.
void AppendWirelessItems(std::vector<std::uint8_t>& packet, const WirelessSettings& wireless);
