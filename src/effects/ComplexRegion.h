#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "raster/Geometry.h"
#include "raster/Region.h"

// Collects rectangles, in the order they are added, and turns them into one region: their
// union. Empty and inverted rectangles are kept as given and contribute nothing to the region.
// Room grows by 500 rectangles at a time, so that the thousands of rectangles of one frame cost
// few reallocations.
class TComplexRegion {
 public:
  static constexpr std::int32_t kGrowth = 500;

  TComplexRegion() { Clear(); }

  // Forgets every rectangle and releases the room.
  void Clear();
  void AddRect(std::int32_t Left, std::int32_t Top, std::int32_t Right, std::int32_t Bottom);
  // The union of the rectangles added since the last Clear, or no value when none was added.
  // The accumulator is not changed; each call makes a new region.
  std::optional<Region> CreateRegion() const;

  std::int32_t Capacity() const { return capacity_; }
  std::int32_t Count() const { return count_; }
  // Least left, least top, greatest right and greatest bottom of the rectangles added;
  // (2147483647, 2147483647, -2147483647, -2147483647) while there are none.
  const Rect& Bounds() const { return bounds_; }
  std::span<const Rect> Rects() const {
    return {rgnData_.data(), static_cast<std::size_t>(count_)};
  }

 private:
  void Grow();

  // The rectangle slots. Capacity grows by 500 slots at a time; the block behind it grows
  // geometrically, so that filling it with n rectangles copies O(n) of them, not O(n^2 / 500).
  std::vector<Rect> rgnData_;
  std::int32_t capacity_ = 0;
  std::int32_t count_ = 0;
  Rect bounds_;
};
