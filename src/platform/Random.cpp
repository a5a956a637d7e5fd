#include "platform/Random.h"

#include "platform/TickCount.h"

namespace {
std::atomic<std::uint32_t> g_seed{0};
}

std::int32_t Random(std::int32_t n) {
  const std::uint32_t seed = RandomStep::Next(g_seed.load(std::memory_order_relaxed));
  g_seed.store(seed, std::memory_order_relaxed);
  return RandomStep::Scale(n, seed);
}

std::uint32_t RandSeed() { return g_seed.load(std::memory_order_relaxed); }

void SetRandSeed(std::uint32_t seed) { g_seed.store(seed, std::memory_order_relaxed); }

void Randomize() { SetRandSeed(static_cast<std::uint32_t>(HighResolutionCounter())); }
