#include "effects/ComplexRegion.h"
#include "effects/RegionBuilders.h"
#include "platform/Random.h"

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

void AddSpeckleColumns(TComplexRegion& acc, int32_t len, int32_t W, int32_t H, int32_t kind) {
  const Fringe f(len < H ? H / 10 : 0);
  for (int32_t x = 0; x < W; x += f.step) {
    if (kind == 1) {
      acc.AddRect(x, H - len, x + f.s, H);
      for (int32_t i = f.n; i >= 1; --i) {
        if (!f.Shows(i)) continue;
        const int32_t a = H - len - i * f.s;
        acc.AddRect(x, a, x + f.s, a + f.s);
      }
    } else {
      acc.AddRect(x, 0, x + f.s, len);
      for (int32_t i = f.n; i >= 1; --i) {
        if (!f.Shows(i)) continue;
        const int32_t b = len + i * f.s;
        acc.AddRect(x, b - f.s, x + f.s, b);
      }
    }
  }
}

}  // namespace

Region CreateSpeckleRegion(int32_t LenX, int32_t LenY, int32_t W, int32_t H, int32_t HorzKind,
                           int32_t VertKind) {
  TComplexRegion acc;
  if (HorzKind != 0) AddSpeckleRows(acc, LenX, W, H, HorzKind);
  if (VertKind != 0) AddSpeckleColumns(acc, LenY, W, H, VertKind);
  return acc.CreateRegion().value_or(Region());
}
