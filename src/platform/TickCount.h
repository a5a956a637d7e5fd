#pragma once

#include <cstdint>

// Milliseconds of a monotonic clock as a 32-bit number that wraps about every 49.7 days.
std::uint32_t GetTickCount();
// Nanoseconds of the same monotonic clock.
std::uint64_t HighResolutionCounter();
