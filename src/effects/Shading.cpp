#include "effects/Shading.h"

#include <algorithm>

namespace {

Pixel AddToColour(Pixel p, std::int32_t offset) {
  const auto channel = [&](int shift) {
    const std::int32_t v = static_cast<std::int32_t>((p >> shift) & 0xFF) + offset;
    return static_cast<Pixel>(std::clamp(v, 0, 255)) << shift;
  };
  return (p & 0xFF000000u) | channel(16) | channel(8) | channel(0);
}

}  // namespace

std::vector<std::int32_t> ColumnShadeProfile(std::int32_t amount, std::int32_t n) {
  std::vector<std::int32_t> profile;
  if (n < 2 || amount == 0) return profile;
  const std::int32_t half = n / 2;
  std::int32_t v = -amount;
  if (amount > half) {
    std::int32_t inc = amount / half;
    for (std::int32_t i = 1; i <= n; ++i) {
      profile.push_back(v);
      v += inc;
      if (i == half) inc = -inc;
    }
  } else {
    const std::int32_t run = half / amount;
    std::int32_t next = run;
    for (std::int32_t i = 1; i <= n; ++i) {
      profile.push_back(v);
      if (i == next) {
        next += run;
        v += i < half ? 1 : -1;
      }
    }
  }
  return profile;
}

std::vector<std::int32_t> RowShadeProfile(std::int32_t amount, std::int32_t n) {
  std::vector<std::int32_t> profile;
  if (n < 2 || amount == 0) return profile;
  const std::int32_t half = n / 2;
  const std::int32_t every = half < amount ? 1 : half / amount;
  const std::int32_t step = half < amount ? amount / half : 1;
  std::int32_t f = -amount;
  std::int32_t next = every;
  for (std::int32_t i = 1; i <= n; ++i) {
    profile.push_back(f);
    if (i == next) {
      next += every;
      f += i < half ? step : -step;
    }
  }
  return profile;
}

void ShadeColumns(Bitmap& bitmap, std::int32_t amount, std::int32_t x0, std::int32_t n) {
  const std::vector<std::int32_t> profile = ColumnShadeProfile(amount, n);
  for (std::int32_t y = 0; y < bitmap.Height(); ++y) {
    Pixel* row = bitmap.Row(y);
    for (std::int32_t k = 0; k < static_cast<std::int32_t>(profile.size()); ++k) {
      const std::int64_t x = std::int64_t{x0} + k;
      if (x >= 0 && x < bitmap.Width()) row[x] = AddToColour(row[x], profile[static_cast<std::size_t>(k)]);
    }
  }
}

void ShadeRows(Bitmap& bitmap, std::int32_t amount, std::int32_t y0, std::int32_t n) {
  const std::vector<std::int32_t> profile = RowShadeProfile(amount, n);
  for (std::int32_t i = 0; i < static_cast<std::int32_t>(profile.size()); ++i) {
    const std::int64_t y = std::int64_t{y0} + n - 1 - i;
    if (y < 0 || y >= bitmap.Height()) continue;
    Pixel* row = bitmap.Row(static_cast<std::int32_t>(y));
    const std::int32_t offset = profile[static_cast<std::size_t>(i)];
    for (std::int32_t x = 0; x < bitmap.Width(); ++x) row[x] = AddToColour(row[x], offset);
  }
}
