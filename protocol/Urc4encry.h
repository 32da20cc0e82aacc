#pragma once

#include <cstdint>

// The payload cipher: RC4 as published, keyed afresh for every packet.

// Key of the payload cipher while the login password is empty.
inline constexpr char RC4_DEFAULT_KEY[] = "pqmzoatvbn8167xcwhyg";

struct RC4State
{
    std::uint8_t s[256];
    std::uint8_t i;
    std::uint8_t j;
};

// Key schedule: fills state from key (keyLength 1 to 255 bytes); both indices start at 0.
void RC4Init(const std::uint8_t* key, int keyLength, RC4State* state);
// XORs length bytes of buffer in place with the next bytes of the key stream.
void RC4Process(std::uint8_t* buffer, int length, RC4State* state);
// One-shot: a fresh state keyed with key (RC4_DEFAULT_KEY when keyLength <= 0), then
// RC4Process over buffer. The same call enciphers and deciphers.
void RC4Crypt(const std::uint8_t* key, int keyLength, std::uint8_t* buffer, int length);
