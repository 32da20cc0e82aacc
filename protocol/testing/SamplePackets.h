#pragma once

#include <cstdint>
#include <vector>

// The items of a typical GetConfig reply (every configuration item once, 74 bytes), for the
// fuzz seeds and the benchmarks.
std::vector<std::uint8_t> SampleConfigItems();
