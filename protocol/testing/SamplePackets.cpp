#include "SamplePackets.h"

#include "protocol/Packet.h"

std::vector<std::uint8_t> SampleConfigItems()
{
    std::vector<std::uint8_t> b;
    AppendByteItem(b, Tlv::IP_MODE, 0);
    AppendU32Item(b, Tlv::LAN_IP, 0xC0A80A64);
    AppendU32Item(b, Tlv::LAN_NETMASK, 0xFFFFFF00);
    AppendU32Item(b, Tlv::LAN_GATEWAY, 0xC0A80A01);
    AppendTextItem(b, Tlv::WL_SSID, "wireless");
    const std::uint8_t channels[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    AppendItem(b, Tlv::WL_CH_LIST, channels, sizeof channels);
    for (std::uint8_t type :
         {Tlv::WL_EXT_CH, Tlv::WL_STD_CH, Tlv::WL_SECURITY_MODE, Tlv::WL_AUTH_MODE,
          Tlv::WL_WEPKEY_LEN, Tlv::WL_WEPKEY_INDEX, Tlv::WL_WPA_MODE, Tlv::WL_WPA_CIPHER})
        AppendByteItem(b, type, 1);
    AppendU32Item(b, Tlv::WL_WPS_PIN, 12345670);
    return b;
}
