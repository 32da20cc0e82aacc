#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The engine's receive path as a fuzz target. The first byte of an input sets the engine's
// state: bits 0-3 the request pending (an OP_ code, sent with a long wait), bit 4 a session
// with the device 00:1A:2B:3C:4D:5E (logged in on port 6000), bit 5 an empty password (the
// built-in key) instead of "vexil". The rest is one datagram from 192.0.2.10:5432, which
// reaches the engine through the in-memory network like any reply.
inline constexpr std::uint8_t kFuzzLoggedIn = 0x10;
inline constexpr std::uint8_t kFuzzEmptyPassword = 0x20;

void InitReceiveFuzzTarget();
void RunReceiveFuzzInput(const std::uint8_t* data, std::size_t size);

// A seed: the state byte, then the packet, enciphered as the device would send it.
std::vector<std::uint8_t> MakeReceiveSeed(std::uint8_t state, std::vector<std::uint8_t> packet);
