#include "protocol/Urc4encry.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> bytesOf(const std::string& text)
{
    return {text.begin(), text.end()};
}

std::string hexOf(const std::vector<std::uint8_t>& bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (std::uint8_t b : bytes) {
        hex += digits[b >> 4];
        hex += digits[b & 15];
    }
    return hex;
}

struct Vector
{
    const char* name;
    std::vector<std::uint8_t> key;
    std::vector<std::uint8_t> plain;
    const char* cipherHex;
};

class PublishedVectors : public ::testing::TestWithParam<Vector>
{};

TEST_P(PublishedVectors, EncipherAsPublished)
{
    const Vector& v = GetParam();
    std::vector<std::uint8_t> buffer = v.plain;
    RC4Crypt(v.key.data(), static_cast<int>(v.key.size()), buffer.data(),
             static_cast<int>(buffer.size()));
    EXPECT_EQ(hexOf(buffer), v.cipherHex);
}

INSTANTIATE_TEST_SUITE_P(
    Rc4, PublishedVectors,
    ::testing::Values(Vector{"Key", bytesOf("Key"), bytesOf("Plaintext"), "BBF316E8D940AF0AD3"},
                      Vector{"Wiki", bytesOf("Wiki"), bytesOf("pedia"), "1021BF0420"},
                      Vector{"Secret", bytesOf("Secret"), bytesOf("Attack at dawn"),
                             "45A01F645FC35B383552544B9BF5"},
                      // RFC 6229, 40-bit key 0x0102030405: the first 16 key-stream bytes.
                      Vector{"Rfc6229Key40",
                             {1, 2, 3, 4, 5},
                             std::vector<std::uint8_t>(16, 0),
                             "B2396305F03DC027CCC3524A0A1118A8"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Rc4, ProcessContinuesTheKeyStreamAcrossCalls)
{
    const std::vector<std::uint8_t> key = bytesOf("Secret");
    std::vector<std::uint8_t> whole = bytesOf("Attack at dawn");
    RC4Crypt(key.data(), static_cast<int>(key.size()), whole.data(),
             static_cast<int>(whole.size()));

    std::vector<std::uint8_t> pieces = bytesOf("Attack at dawn");
    RC4State state;
    RC4Init(key.data(), static_cast<int>(key.size()), &state);
    EXPECT_EQ(state.i, 0);
    EXPECT_EQ(state.j, 0);
    RC4Process(pieces.data(), 5, &state);
    RC4Process(pieces.data() + 5, static_cast<int>(pieces.size()) - 5, &state);
    EXPECT_EQ(pieces, whole);
}

TEST(Rc4, EmptyKeyMeansTheDefaultKey)
{
    std::vector<std::uint8_t> withEmpty = bytesOf("some payload bytes");
    std::vector<std::uint8_t> withDefault = withEmpty;
    RC4Crypt(nullptr, 0, withEmpty.data(), static_cast<int>(withEmpty.size()));
    const std::vector<std::uint8_t> key = bytesOf(RC4_DEFAULT_KEY);
    ASSERT_EQ(key.size(), 20u);
    RC4Crypt(key.data(), 20, withDefault.data(), static_cast<int>(withDefault.size()));
    EXPECT_EQ(withEmpty, withDefault);
    std::vector<std::uint8_t> negative = bytesOf("some payload bytes");
    RC4Crypt(key.data(), -1, negative.data(), static_cast<int>(negative.size()));
    EXPECT_EQ(negative, withDefault);
}

TEST(Rc4, TheSameCallDeciphers)
{
    const std::vector<std::uint8_t> key = bytesOf("vexil");
    const std::vector<std::uint8_t> plain = bytesOf("a payload to restore");
    std::vector<std::uint8_t> buffer = plain;
    RC4Crypt(key.data(), 5, buffer.data(), static_cast<int>(buffer.size()));
    EXPECT_NE(buffer, plain);
    RC4Crypt(key.data(), 5, buffer.data(), static_cast<int>(buffer.size()));
    EXPECT_EQ(buffer, plain);
}

} // namespace
