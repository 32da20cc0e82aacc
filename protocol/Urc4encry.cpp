#include "Urc4encry.h"

#include <cstring>
#include <utility>

void RC4Init(const std::uint8_t* key, int keyLength, RC4State* state)
{
    for (int n = 0; n < 256; ++n)
        state->s[n] = static_cast<std::uint8_t>(n);
    std::uint8_t j = 0;
    int k = 0; // n % keyLength, without a division per step
    for (int n = 0; n < 256; ++n) {
        j = static_cast<std::uint8_t>(j + state->s[n] + key[k]);
        std::swap(state->s[n], state->s[j]);
        if (++k == keyLength)
            k = 0;
    }
    state->i = 0;
    state->j = 0;
}

void RC4Process(std::uint8_t* buffer, int length, RC4State* state)
{
    std::uint8_t i = state->i;
    std::uint8_t j = state->j;
    std::uint8_t* s = state->s;
    for (int n = 0; n < length; ++n) {
        i = static_cast<std::uint8_t>(i + 1);
        j = static_cast<std::uint8_t>(j + s[i]);
        std::swap(s[i], s[j]);
        buffer[n] ^= s[static_cast<std::uint8_t>(s[i] + s[j])];
    }
    state->i = i;
    state->j = j;
}

void RC4Crypt(const std::uint8_t* key, int keyLength, std::uint8_t* buffer, int length)
{
    if (keyLength <= 0 || key == nullptr) {
        key = reinterpret_cast<const std::uint8_t*>(RC4_DEFAULT_KEY);
        keyLength = static_cast<int>(std::strlen(RC4_DEFAULT_KEY));
    }
    if (keyLength > 255)
        keyLength = 255;
    RC4State state;
    RC4Init(key, keyLength, &state);
    RC4Process(buffer, length, &state);
}
