#pragma once

#include <algorithm>
#include <cstdint>

// Value types for positions and extents on a bitmap. The origin is the top-left pixel, x grows
// to the right and y downward. A Rect holds the pixels left <= x < right, top <= y < bottom.
struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  std::int32_t width = 0;
  std::int32_t height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  // The block with top-left corner (x, y), w wide and h high; the sides saturate at the
  // limits of 32 bits instead of overflowing.
  static constexpr Rect FromXYWH(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
    return {x, y, Saturate(std::int64_t{x} + w), Saturate(std::int64_t{y} + h)};
  }

  constexpr std::int64_t Width() const { return std::int64_t{right} - left; }
  constexpr std::int64_t Height() const { return std::int64_t{bottom} - top; }
  constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
  constexpr bool Contains(std::int32_t x, std::int32_t y) const {
    return x >= left && x < right && y >= top && y < bottom;
  }
  // The common part; empty rectangles come out with IsEmpty() true.
  constexpr Rect Intersected(const Rect& o) const {
    return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
            std::min(bottom, o.bottom)};
  }
  constexpr Rect Translated(std::int32_t dx, std::int32_t dy) const {
    return {Saturate(std::int64_t{left} + dx), Saturate(std::int64_t{top} + dy),
            Saturate(std::int64_t{right} + dx), Saturate(std::int64_t{bottom} + dy)};
  }
  friend bool operator==(const Rect&, const Rect&) = default;

  static constexpr std::int32_t Saturate(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
  }
};
