#pragma once

#include <cstdint>
#include <cstdlib>
#include <limits>

// a × b / c with a 64-bit intermediate product, rounded to the nearest integer with halves
// away from zero. Answers -1 when c is 0 or the quotient does not fit in 32 bits.
constexpr std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
  if (c == 0) return -1;
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const bool negative = (product < 0) != (c < 0);
  const auto magnitude = product < 0 ? 0 - static_cast<std::uint64_t>(product)
                                     : static_cast<std::uint64_t>(product);
  const auto divisor = c < 0 ? 0 - static_cast<std::uint64_t>(static_cast<std::int64_t>(c))
                             : static_cast<std::uint64_t>(c);
  // (2|p| + |c|) / 2|c| rounds halves up; 2|p| + |c| stays below 2^64.
  const std::uint64_t quotient = (2 * magnitude + divisor) / (2 * divisor);
  const auto limit = static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max());
  if (quotient > limit + (negative ? 1 : 0)) return -1;
  return negative ? static_cast<std::int32_t>(0 - quotient) : static_cast<std::int32_t>(quotient);
}
