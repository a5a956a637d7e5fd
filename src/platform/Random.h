#pragma once

#include <atomic>
#include <cstdint>

// The linear congruential generator the show and its effects draw from:
// seed = seed × 134775813 + 1 (mod 2^32); Random(n) = (n × seed) >> 64-bit upper half.
struct RandomStep {
  static constexpr std::uint32_t kMultiplier = 134775813u;
  static constexpr std::uint32_t kIncrement = 1u;
  static constexpr std::uint32_t Next(std::uint32_t seed) { return seed * kMultiplier + kIncrement; }
  // A number in 0..n-1 drawn from an already advanced seed.
  static constexpr std::int32_t Scale(std::int32_t n, std::uint32_t seed) {
    return static_cast<std::int32_t>(
        (static_cast<std::uint64_t>(static_cast<std::uint32_t>(n)) * seed) >> 32);
  }
};

// A private generator with the same arithmetic as the process-wide one.
class RandomGenerator {
 public:
  explicit RandomGenerator(std::uint32_t seed = 0) : seed_(seed) {}
  std::int32_t Random(std::int32_t n) {
    seed_ = RandomStep::Next(seed_);
    return RandomStep::Scale(n, seed_);
  }
  std::uint32_t Seed() const { return seed_; }
  void SetSeed(std::uint32_t seed) { seed_ = seed; }

 private:
  std::uint32_t seed_;
};

// The process-wide generator. It is shared without a lock, as the effects expect: concurrent
// callers may see the same number, but every access is a well-defined atomic load or store.
std::int32_t Random(std::int32_t n);
std::uint32_t RandSeed();
void SetRandSeed(std::uint32_t seed);
// Reseeds from the low 32 bits of the high-resolution counter.
void Randomize();
