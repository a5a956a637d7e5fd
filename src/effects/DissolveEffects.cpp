#include <algorithm>
#include <cstring>
#include <vector>

#include "effects/PixelEffects.h"
#include "platform/Random.h"

using std::int32_t;
using std::uint32_t;
using std::uint64_t;

namespace {

// The generator's state n steps ahead is Mul x state + Add (mod 2^32).
struct Jump {
  uint32_t mul = 1;
  uint32_t add = 0;
  uint32_t From(uint32_t seed) const { return mul * seed + add; }
};

constexpr Jump JumpAhead(int32_t n) {
  Jump jump;
  for (int32_t i = 0; i < n; ++i) {
    jump.mul *= RandomStep::kMultiplier;
    jump.add = jump.add * RandomStep::kMultiplier + RandomStep::kIncrement;
  }
  return jump;
}

// Random(100) < Progress exactly when the advanced seed is at most this limit: the number is
// (100 x seed) >> 32, so it is below P when seed < P x 2^32 / 100. No limit when P <= 0.
struct Threshold {
  bool any;
  uint32_t limit;
};
Threshold ThresholdFor(int32_t Progress) {
  const uint64_t p = static_cast<uint64_t>(std::clamp(Progress, 0, 100));
  const uint64_t first = ((p << 32) + 99) / 100;  // the first seed whose number is P or more
  return {first > 0, static_cast<uint32_t>(first - 1)};
}

// Eight consecutive numbers of the sequence at a time, in two groups of four lanes: each lane
// jumps eight steps ahead per round, so together the lanes walk the sequence in its order.
constexpr int32_t kGroup = 4;
constexpr int32_t kLanes = 2 * kGroup;
using Lanes = uint32_t __attribute__((vector_size(4 * kGroup)));
using SignedLanes = int32_t __attribute__((vector_size(4 * kGroup)));
constexpr Jump kLaneJump = JumpAhead(kLanes);

// Takes the new pixel wherever the lane's seed is at most the limit (unsigned, compared as
// signed with both top bits flipped) and keeps the old one elsewhere.
void Select(Pixel* screen, const Pixel* picture, Lanes seeds, int32_t flippedLimit) {
  constexpr uint32_t kTopBit = 0x80000000u;
  const Lanes take =
      __builtin_bit_cast(Lanes, __builtin_bit_cast(SignedLanes, seeds ^ kTopBit) <= flippedLimit);
  Lanes oldPixels;
  Lanes newPixels;
  std::memcpy(&oldPixels, screen, sizeof oldPixels);
  std::memcpy(&newPixels, picture, sizeof newPixels);
  const Lanes out = (newPixels & take) | (oldPixels & ~take);
  std::memcpy(screen, &out, sizeof out);
}

// Takes the new pixel wherever the mask is all ones and keeps the old one where it is zero.
void SelectMasked(Pixel* screen, const Pixel* picture, const Pixel* mask, int32_t n) {
  int32_t x = 0;
  for (; x + kGroup <= n; x += kGroup) {
    Lanes take;
    Lanes oldPixels;
    Lanes newPixels;
    std::memcpy(&take, mask + x, sizeof take);
    std::memcpy(&oldPixels, screen + x, sizeof oldPixels);
    std::memcpy(&newPixels, picture + x, sizeof newPixels);
    const Lanes out = (newPixels & take) | (oldPixels & ~take);
    std::memcpy(screen + x, &out, sizeof out);
  }
  for (; x < n; ++x) screen[x] = (picture[x] & mask[x]) | (screen[x] & ~mask[x]);
}

// Copies the pixels of one row of the pixel block whose numbers are below the progress, and
// advances the seed past the row.
void DissolveRow(Pixel* screen, const Pixel* picture, int32_t W, uint32_t& seed, uint32_t limit,
                 const Jump& vectorPart) {
  const auto flippedLimit = static_cast<int32_t>(limit ^ 0x80000000u);
  int32_t x = 0;
  if (W >= kLanes) {
    Lanes low;
    Lanes high;
    uint32_t s = seed;
    for (int32_t j = 0; j < kGroup; ++j) low[j] = s = RandomStep::Next(s);
    for (int32_t j = 0; j < kGroup; ++j) high[j] = s = RandomStep::Next(s);
    for (; x + kLanes <= W; x += kLanes) {
      Select(screen + x, picture + x, low, flippedLimit);
      Select(screen + x + kGroup, picture + x + kGroup, high, flippedLimit);
      low = low * kLaneJump.mul + kLaneJump.add;
      high = high * kLaneJump.mul + kLaneJump.add;
    }
    seed = vectorPart.From(seed);
  }
  for (; x < W; ++x) {
    seed = RandomStep::Next(seed);
    if (seed <= limit) screen[x] = picture[x];
  }
}

}  // namespace

void Dissolve(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t, int32_t,
              int32_t Progress) {
  const Threshold threshold = ThresholdFor(Progress);
  if (!threshold.any) return;
  // Row k of the block starts k x W numbers into the sequence. The rows are visited in memory
  // order, from the top, each starting from its own seed.
  std::vector<uint32_t> rowSeeds(static_cast<std::size_t>(H));
  const Jump row = JumpAhead(W);
  uint32_t seed = static_cast<uint32_t>(W + H);
  for (uint32_t& rowSeed : rowSeeds) {
    rowSeed = seed;
    seed = row.From(seed);
  }
  const Jump vectorPart = JumpAhead(W / kLanes * kLanes);
  for (int32_t y = 0; y < H; ++y) {
    uint32_t rowSeed = rowSeeds[static_cast<std::size_t>(H - 1 - y)];
    DissolveRow(Screen.Row(y), Picture.Row(y), W, rowSeed, threshold.limit, vectorPart);
  }
}

void RandomBarsHorizontal(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                          int32_t, int32_t Progress) {
  // Row k of the block (from the bottom) draws the k-th number; the rows are then copied in
  // memory order.
  RandomGenerator generator(static_cast<uint32_t>(W + H));
  std::vector<bool> take(static_cast<std::size_t>(H));
  for (int32_t k = 0; k < H; ++k)
    take[static_cast<std::size_t>(k)] = generator.Random(100) < Progress;
  for (int32_t y = 0; y < H; ++y) {
    if (take[static_cast<std::size_t>(H - 1 - y)]) std::copy_n(Picture.Row(y), W, Screen.Row(y));
  }
}

void RandomBarsVertical(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                        int32_t, int32_t Progress) {
  // Column x draws the x-th number; the chosen columns are then copied row by row.
  RandomGenerator generator(static_cast<uint32_t>(W + H));
  std::vector<Pixel> mask(static_cast<std::size_t>(W));
  for (Pixel& m : mask) m = generator.Random(100) < Progress ? ~Pixel{0} : Pixel{0};
  for (int32_t y = 0; y < H; ++y) SelectMasked(Screen.Row(y), Picture.Row(y), mask.data(), W);
}
