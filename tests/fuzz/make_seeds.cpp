// Writes the seed corpus of the receive fuzz target: valid packets of every opcode, in the
// states that accept them, and a few that fail the checks. Usage: fuzz_make_seeds DIR
#include "ReceiveFuzzTarget.h"
#include "protocol/Packet.h"
#include "protocol/Uformudp.h"
#include "protocol/testing/SamplePackets.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;
const MacAddress kDevice = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};

Bytes packet(std::uint8_t opcode, const Bytes& items)
{
    Bytes p = BuildHeader(kDevice);
    p.insert(p.end(), items.begin(), items.end());
    FinishPacket(p, opcode);
    return p;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    Bytes name, login, result, events;
    AppendTextItem(name, Tlv::DEV_NAME, "KZL-958WB");
    AppendByteItem(login, Tlv::RESULT, 1);
    AppendU16Item(login, Tlv::PORT, 6000);
    AppendByteItem(result, Tlv::RESULT, 1);
    AppendU32Item(events, Tlv::TLVTYPE_OTHER_WPS_STATUS, 3);
    AppendItem(events, Tlv::TLVTYPE_OTHER_CONNECTTIMEOUT, nullptr, 0);
    const struct
    {
        const char* name;
        std::uint8_t state;
        Bytes packet;
    } seeds[] = {
        {"discover-reply", OP_DISCOVER, packet(CMD_DISCOVER, name)},
        {"login-reply", OP_LOGIN, packet(CMD_LOGIN, login)},
        {"login-reply-default-key", OP_LOGIN | kFuzzEmptyPassword, packet(CMD_LOGIN, login)},
        {"logout-reply", OP_NONE | kFuzzLoggedIn, packet(CMD_LOGOUT, result)},
        {"getconfig-reply", OP_GET_CONFIG | kFuzzLoggedIn,
         packet(CMD_GET_CONFIG, SampleConfigItems())},
        {"setconfig-reply-ip", OP_SET_IP | kFuzzLoggedIn, packet(CMD_SET_CONFIG, result)},
        {"setconfig-reply-wps-pin", OP_WPS_PIN | kFuzzLoggedIn, packet(CMD_SET_CONFIG, result)},
        {"event", OP_WPS_PBC | kFuzzLoggedIn, packet(CMD_EVENT, events)},
        {"unknown-opcode", OP_GET_CONFIG, packet(5, result)},
        {"truncated-item", OP_GET_CONFIG, packet(CMD_GET_CONFIG, {Tlv::LAN_IP, 9, 1})},
        {"short", OP_DISCOVER, Bytes(17, 'S')},
    };
    for (const auto& seed : seeds) {
        const Bytes bytes = MakeReceiveSeed(seed.state, seed.packet);
        std::ofstream out(std::string(argv[1]) + "/" + seed.name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    return 0;
}
