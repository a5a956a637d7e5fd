#include <span>
#include <vector>

#include "effects/ComplexRegion.h"
#include "effects/RegionBuilders.h"
#include "platform/Random.h"
#include "raster/RegionBuilder.h"

using std::int32_t;

namespace {

// The fringe beyond the solid edge: depth z, squares of size s every step along the edge, n
// squares across, the first t of them dense.
struct Fringe {
  int32_t s;
  int32_t step;
  int32_t n;
  int32_t t;

  explicit Fringe(int32_t z)
      : s(z / 20 < 2 ? 2 : z / 20), step(s / 2), n(z / s), t(3 * z / (4 * s)) {}

  // Draws one number for square i (i squares beyond the edge) and tells whether it shows:
  // always when r <= 1 in the dense part, only for r = 0 beyond it.
  bool Shows(int32_t i) const {
    const int32_t r = Random(i);
    return i <= t ? r <= 1 : r == 0;
  }
};

void AddSpeckleRows(TComplexRegion& acc, int32_t len, int32_t W, int32_t H, int32_t kind) {
  const Fringe f(len < W ? W / 10 : 0);
  for (int32_t y = 0; y < H; y += f.step) {
    if (kind == 1) {
      acc.AddRect(W - len, y, W, y + f.s);
      for (int32_t i = f.n; i >= 1; --i) {
        if (!f.Shows(i)) continue;
        const int32_t a = W - len - i * f.s;
        acc.AddRect(a, y, a + f.s, y + f.s);
      }
    } else {
      acc.AddRect(0, y, len, y + f.s);
      for (int32_t i = f.n; i >= 1; --i) {
        if (!f.Shows(i)) continue;
        const int32_t b = len + i * f.s;
        acc.AddRect(b - f.s, y, b, y + f.s);
      }
    }
  }
}

// The columns, built straight into bands: square i of every column lies in the same rows, one
// band per square index, next to the band of the solid parts.
Region SpeckleColumns(int32_t len, int32_t W, int32_t H, int32_t kind) {
  const Fringe f(len < H ? H / 10 : 0);
  // shown[i]: the columns whose square i is added, as merged spans from the left.
  std::vector<std::vector<Region::Span>> shown(static_cast<std::size_t>(f.n) + 1);
  int32_t right = 0;
  for (int32_t x = 0; x < W; x += f.step) {
    right = x + f.s;
    for (int32_t i = f.n; i >= 1; --i) {
      if (!f.Shows(i)) continue;
      auto& spans = shown[static_cast<std::size_t>(i)];
      if (!spans.empty() && x <= spans.back().right) {
        spans.back().right = x + f.s;
      } else {
        spans.push_back({x, x + f.s});
      }
    }
  }
  if (W <= 0) return Region();
  // The solid parts of neighbouring columns overlap, so together they are one span.
  const Region::Span solid{0, right};
  RegionBuilder builder;
  if (kind == 1) {
    for (int32_t i = f.n; i >= 1; --i) {
      const int32_t a = H - len - i * f.s;
      builder.AddBand(a, a + f.s, shown[static_cast<std::size_t>(i)]);
    }
    builder.AddBand(H - len, H, std::span(&solid, 1));
  } else {
    builder.AddBand(0, len, std::span(&solid, 1));
    for (int32_t i = 1; i <= f.n; ++i) {
      const int32_t b = len + i * f.s;
      builder.AddBand(b - f.s, b, shown[static_cast<std::size_t>(i)]);
    }
  }
  return builder.Finish();
}

}  // namespace

Region CreateSpeckleRegion(int32_t LenX, int32_t LenY, int32_t W, int32_t H, int32_t HorzKind,
                           int32_t VertKind) {
  Region rows;
  if (HorzKind != 0) {
    TComplexRegion acc;
    AddSpeckleRows(acc, LenX, W, H, HorzKind);
    rows = acc.CreateRegion().value_or(Region());
  }
  if (VertKind == 0) return rows;
  return Region::Combine(rows, SpeckleColumns(LenY, W, H, VertKind), Region::Op::Or);
}
