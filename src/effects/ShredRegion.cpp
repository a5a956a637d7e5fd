#include <algorithm>

#include "effects/ComplexRegion.h"
#include "effects/RegionBuilders.h"
#include "platform/Random.h"

using std::int32_t;

namespace {

// One strip per s rows, each rh rows taller than the spacing, of length len +- W div 10.
void AddShredRows(TComplexRegion& acc, int32_t len, int32_t W, int32_t H, int32_t s, int32_t kind) {
  const int32_t j = len < W ? W / 10 : 0;
  const int32_t tall = s + H % s;
  const int32_t cx = W / 2;
  for (int32_t y = 0; y < H; y += s) {
    const int32_t L = Random(2 * j) - j + len;
    const int32_t h = L / 2;
    switch (kind) {
      case 1:
        acc.AddRect(W - L, y, W, y + tall);
        break;
      case 2:
        acc.AddRect(0, y, L, y + tall);
        break;
      case 3:
        acc.AddRect(cx - h, y, cx, y + tall);
        acc.AddRect(cx, y, cx + h, y + tall);
        break;
      default:
        acc.AddRect(W - h, y, W, y + tall);
        acc.AddRect(0, y, h, y + tall);
    }
  }
}

void AddShredColumns(TComplexRegion& acc, int32_t len, int32_t W, int32_t H, int32_t s,
                     int32_t kind) {
  const int32_t j = len < H ? H / 10 : 0;
  const int32_t wide = s + W % s;
  const int32_t cy = H / 2;
  for (int32_t x = 0; x < W; x += s) {
    const int32_t L = Random(2 * j) + len - j;
    const int32_t h = L / 2;
    switch (kind) {
      case 1:
        acc.AddRect(x, H - L, x + wide, H);
        break;
      case 2:
        acc.AddRect(x, 0, x + wide, L);
        break;
      case 3:
        acc.AddRect(x, cy - h, x + wide, cy);
        acc.AddRect(x, cy, x + wide, cy + h);
        break;
      default:
        acc.AddRect(x, H - h, x + wide, H);
        acc.AddRect(x, 0, x + wide, h);
    }
  }
}

}  // namespace

Region CreateShredRegion(int32_t LenX, int32_t LenY, int32_t W, int32_t H, int32_t HorzKind,
                         int32_t VertKind) {
  const int32_t s = std::min(W, H) / 200 + 1;
  TComplexRegion acc;
  if (HorzKind != 0) AddShredRows(acc, LenX, W, H, s, HorzKind);
  if (VertKind != 0) AddShredColumns(acc, LenY, W, H, s, VertKind);
  return acc.CreateRegion().value_or(Region());
}
