#include "protocol/Packet.h"
#include "protocol/Urc4encry.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

const MacAddress kClient = {0x02, 0x00, 0x00, 0x00, 0x00, 0x01};
const MacAddress kSocketA = {0x02, 0x00, 0x00, 0x00, 0x0A, 0x01};
const MacAddress kSocketB = {0x02, 0x00, 0x00, 0x00, 0x0B, 0x01};
const MacAddress kDevice = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
const MacAddress kOther = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5F};

TEST(PacketHeader, BuildHeaderWritesTheDefaults)
{
    const Bytes header = BuildHeader(kClient);
    const Bytes expected = {'S',  'W', 'P', '1', '2', '3',  '4', '5', 2,
                            0x02, 0,   0,   0,   0,   0x01, 7,   0,   0};
    EXPECT_EQ(header, expected);
}

TEST(PacketHeader, FinishSetsOpcodeAndBigEndianLength)
{
    Bytes packet = BuildHeader(kClient);
    const Bytes value(300 - 2, 0x41);
    AppendItem(packet, Tlv::DEV_NAME, value.data(), 200);
    AppendItem(packet, Tlv::DEV_NAME, value.data(), 96);
    FinishPacket(packet, CMD_GET_CONFIG);
    EXPECT_EQ(packet[15], CMD_GET_CONFIG);
    EXPECT_EQ(packet[16], 0x01); // 300 = 0x012C
    EXPECT_EQ(packet[17], 0x2C);
    EXPECT_EQ(PacketLength(packet.data()), 300);
}

TEST(PacketItems, NumbersAreBigEndianAndTextsHaveNoTerminator)
{
    Bytes packet;
    AppendByteItem(packet, Tlv::IP_MODE, 1);
    AppendU16Item(packet, Tlv::PORT, 6000);
    AppendU32Item(packet, Tlv::LAN_IP, 0xC0A80A64);
    AppendTextItem(packet, Tlv::WL_SSID, "lab");
    AppendItem(packet, Tlv::WL_WPS_PBC, nullptr, 0);
    const Bytes expected = {0x30, 1,    1,    0x92, 2, 0x17, 0x70, 0x31, 4,    0xC0,
                            0xA8, 0x0A, 0x64, 0x50, 3, 'l',  'a',  'b',  0x6B, 0};
    EXPECT_EQ(packet, expected);
}

TEST(PacketItems, AValueOver255BytesIsCutToTheLengthByte)
{
    Bytes packet;
    AppendTextItem(packet, Tlv::WL_SSID, std::string(3000, 'x'));
    ASSERT_EQ(packet.size(), 2u + 255u);
    EXPECT_EQ(packet[1], 255);
}

struct ReadCase
{
    const char* name;
    Bytes payload;
    std::vector<std::uint8_t> types; // the items handed on, in order
    bool complete;
};

class ReadingItems : public ::testing::TestWithParam<ReadCase>
{};

TEST_P(ReadingItems, HandsOnCompleteItemsOnly)
{
    const ReadCase& c = GetParam();
    std::vector<std::uint8_t> types;
    const bool complete = ReadItems(c.payload.data(), c.payload.size(),
                                    [&](const TlvItem& item) { types.push_back(item.type); });
    EXPECT_EQ(types, c.types);
    EXPECT_EQ(complete, c.complete);
}

INSTANTIATE_TEST_SUITE_P(
    Packet, ReadingItems,
    ::testing::Values(
        ReadCase{"Empty", {}, {}, true},
        ReadCase{"ThreeItemsAndAStrayByte",
                 {0x91, 1, 1, 0x92, 2, 0x17, 0x70, 0x01, 0, 0xEE},
                 {0x91, 0x92, 0x01},
                 true},
        ReadCase{"LastItemRunsPastThePayload", {0x91, 1, 1, 0x01, 5, 'a', 'b'}, {0x91}, false},
        ReadCase{"ZeroLengthItems", {0x6B, 0, 0x95, 0}, {0x6B, 0x95}, true},
        ReadCase{"LengthByteAlone", {0x01, 0xFF}, {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PacketItems, FixedWidthReadsRefuseShortValues)
{
    const Bytes shortIp = {0xC0, 0xA8};
    const TlvItem lanIp{Tlv::LAN_IP, 2, shortIp.data()};
    std::uint32_t address = 7;
    EXPECT_FALSE(lanIp.ReadU32(address));
    EXPECT_EQ(address, 7u);
    const TlvItem emptyResult{Tlv::RESULT, 0, shortIp.data()};
    std::uint8_t result = 9;
    EXPECT_FALSE(emptyResult.ReadByte(result));
    const TlvItem onePort{Tlv::PORT, 1, shortIp.data()};
    std::uint16_t port = 5;
    EXPECT_FALSE(onePort.ReadU16(port));
    EXPECT_EQ(port, 5);
}

Bytes validReply(const MacAddress& from, Bytes payload, std::uint8_t opcode = CMD_LOGIN)
{
    Bytes packet = BuildHeader(from);
    packet.insert(packet.end(), payload.begin(), payload.end());
    FinishPacket(packet, opcode);
    return packet;
}

struct CheckCase
{
    const char* name;
    Bytes datagram;
    MacAddress target;
    ReceiveCheck expected;
    const char* logLine;
};

Bytes with(Bytes bytes, std::size_t offset, std::uint8_t value)
{
    bytes[offset] = value;
    return bytes;
}

Bytes truncated(Bytes bytes, std::size_t size)
{
    bytes.resize(size);
    return bytes;
}

Bytes extended(Bytes bytes, std::uint8_t extra)
{
    bytes.push_back(extra);
    return bytes;
}

class ReceiveChecks : public ::testing::TestWithParam<CheckCase>
{};

TEST_P(ReceiveChecks, FirstFailingCheckDecides)
{
    const CheckCase& c = GetParam();
    const MacAddress sockets[] = {kSocketA, kSocketB};
    const ReceiveCheck check =
        CheckReceivedPacket(c.datagram.data(), c.datagram.size(), sockets, kClient, c.target);
    EXPECT_EQ(check, c.expected);
    EXPECT_STREQ(ReceiveCheckLogLine(check), c.logLine);
}

const Bytes kTenBytePayload = {0x91, 1, 1, 0x92, 2, 0x17, 0x70, 0x01, 1, 'x'};
const Bytes kValid = validReply(kDevice, kTenBytePayload);

INSTANTIATE_TEST_SUITE_P(
    Packet, ReceiveChecks,
    ::testing::Values(
        CheckCase{"EmptyHeaderOnly", validReply(kDevice, {}), kBroadcastMac, ReceiveCheck::Accepted,
                  ""},
        CheckCase{"Valid", kValid, kBroadcastMac, ReceiveCheck::Accepted, ""},
        CheckCase{"SeventeenBytesWithMagic", truncated(validReply(kDevice, {}), 17), kBroadcastMac,
                  ReceiveCheck::ShortPacket, "TFormUDP::ProcRecvData() FAIL length"},
        CheckCase{"BadMagic", with(kValid, 7, '6'), kBroadcastMac, ReceiveCheck::BadMagic,
                  "TFormUDP::ProcRecvData() FAIL magic word"},
        CheckCase{"BadVersion", with(kValid, 8, 1), kBroadcastMac, ReceiveCheck::BadVersion,
                  "TFormUDP::ProcRecvData() FAIL version"},
        CheckCase{"OwnBroadcastOnSecondAdapter", validReply(kSocketB, kTenBytePayload),
                  kBroadcastMac, ReceiveCheck::FromOwnSocket,
                  "TFormUDP::ProcRecvData() FAIL received a request"},
        CheckCase{"FromLocalMac", validReply(kClient, kTenBytePayload), kBroadcastMac,
                  ReceiveCheck::FromLocalMac, "TFormUDP::ProcRecvData() FAIL received a request"},
        CheckCase{"OtherDeviceAfterLogin", validReply(kOther, kTenBytePayload), kDevice,
                  ReceiveCheck::OtherDevice,
                  "TFormUDP::ProcRecvData() FAIL destination address doesn't match"},
        CheckCase{"TargetDeviceAfterLogin", kValid, kDevice, ReceiveCheck::Accepted, ""},
        CheckCase{"NinePayloadBytesForTen", truncated(kValid, 27), kBroadcastMac,
                  ReceiveCheck::BadTotalLength, "TFormUDP::ProcRecvData() FAIL total length"},
        CheckCase{"ElevenPayloadBytesForTen", extended(kValid, 0), kBroadcastMac,
                  ReceiveCheck::BadTotalLength, "TFormUDP::ProcRecvData() FAIL total length"},
        // Order: a short datagram fails on length even when its magic is wrong too.
        CheckCase{"LengthBeforeMagic", Bytes(10, 0), kBroadcastMac, ReceiveCheck::ShortPacket,
                  "TFormUDP::ProcRecvData() FAIL length"},
        CheckCase{"OwnSocketBeforeTarget", validReply(kSocketA, {}), kDevice,
                  ReceiveCheck::FromOwnSocket, "TFormUDP::ProcRecvData() FAIL received a request"},
        CheckCase{"TargetBeforeTotalLength", truncated(validReply(kOther, kTenBytePayload), 20),
                  kDevice, ReceiveCheck::OtherDevice,
                  "TFormUDP::ProcRecvData() FAIL destination address doesn't match"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PacketCipher, OnlyThePayloadIsEnciphered)
{
    Bytes packet = validReply(kDevice, kTenBytePayload);
    const Bytes clear = packet;
    CipherPayload(packet.data(), packet.size(), "secret");
    EXPECT_TRUE(std::equal(packet.begin(), packet.begin() + 18, clear.begin()));
    Bytes expectedPayload = kTenBytePayload;
    RC4Crypt(reinterpret_cast<const std::uint8_t*>("secret"), 6, expectedPayload.data(), 10);
    EXPECT_TRUE(std::equal(packet.begin() + 18, packet.end(), expectedPayload.begin()));
    CipherPayload(packet.data(), packet.size(), "secret");
    EXPECT_EQ(packet, clear);
}

TEST(PacketCipher, EmptyKeyIsTheDefaultKey)
{
    Bytes withEmpty = validReply(kDevice, kTenBytePayload);
    Bytes withDefault = withEmpty;
    CipherPayload(withEmpty.data(), withEmpty.size(), "");
    CipherPayload(withDefault.data(), withDefault.size(), RC4_DEFAULT_KEY);
    EXPECT_EQ(withEmpty, withDefault);
}

TEST(PacketTrace, FortyBytesGiveATitleAndThreeLines)
{
    Bytes packet(40);
    for (std::size_t n = 0; n < packet.size(); ++n)
        packet[n] = static_cast<std::uint8_t>(n * 7);
    const std::vector<std::string> lines = FormatPacketTrace(false, packet.data(), 40, {}, 0);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "[Tx] size=40");
    EXPECT_EQ(lines[1], "00 07 0E 15 1C 23 2A 31 38 3F 46 4D 54 5B 62 69 ");
    EXPECT_EQ(lines[3], "E0 E7 EE F5 FC 03 0A 11 ");
}

TEST(PacketTrace, ReceivedTitleNamesTheSender)
{
    const Bytes packet(16, 0xAB);
    const std::vector<std::string> lines =
        FormatPacketTrace(true, packet.data(), 16, "192.0.2.10", 5432);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "[Rx] 192.0.2.10:5432 size=16");
}

TEST(PacketAuthText, IsNinetyOneAsciiCharacters)
{
    EXPECT_EQ(kAuthText.size(), 91u);
    for (char c : kAuthText)
        EXPECT_TRUE(c >= 0x20 && c < 0x7F);
}

struct AddressCase
{
    const char* text;
    bool valid;
    std::uint32_t value;
};

class DottedAddresses : public ::testing::TestWithParam<AddressCase>
{};

TEST_P(DottedAddresses, ParseAsFourNumbers)
{
    const AddressCase& c = GetParam();
    std::uint32_t value = 0;
    EXPECT_EQ(ParseIPv4(c.text, value), c.valid) << c.text;
    if (c.valid) {
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(FormatIPv4(value), c.text);
    }
}

INSTANTIATE_TEST_SUITE_P(Packet, DottedAddresses,
                         ::testing::Values(AddressCase{"192.168.10.100", true, 0xC0A80A64},
                                           AddressCase{"0.0.0.0", true, 0},
                                           AddressCase{"255.255.255.255", true, 0xFFFFFFFF},
                                           AddressCase{"256.1.1.1", false, 0},
                                           AddressCase{"1.2.3", false, 0},
                                           AddressCase{"1.2.3.4.5", false, 0},
                                           AddressCase{"", false, 0},
                                           AddressCase{"1..2.3", false, 0}));

TEST(PacketMac, TextRoundTrip)
{
    MacAddress mac{};
    ASSERT_TRUE(ParseMac("00:1a:2B:3c:4D:5e", mac));
    EXPECT_EQ(mac, kDevice);
    EXPECT_EQ(MacText(mac), "00:1A:2B:3C:4D:5E");
    EXPECT_FALSE(ParseMac("00:1A:2B:3C:4D", mac));
    EXPECT_FALSE(ParseMac("00:1A:2B:3C:4D:5G", mac));
}

} // namespace
