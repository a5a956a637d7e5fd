#include <algorithm>

#include "effects/ComplexRegion.h"
#include "effects/RegionBuilders.h"

using std::int32_t;

namespace {

// Rows of thickness s every 2s; a length past W completes the even rows and grows the odd
// ones with the excess.
void AddBarRows(TComplexRegion& acc, int32_t len, int32_t W, int32_t H, int32_t s, int32_t kind) {
  const bool second = len > W;
  for (int32_t y = second ? s : 0; y < H + s; y += 2 * s) {
    if (second) {
      if (kind == 1 || kind == 4) acc.AddRect(2 * W - len, y, W, y + s);
      if (kind == 2 || kind == 5) acc.AddRect(0, y, len - W, y + s);
      acc.AddRect(0, y - s, W, y);
    } else if (kind == 1 || kind == 5) {
      acc.AddRect(W - len, y, W, y + s);
    } else if (kind == 2 || kind == 4) {
      acc.AddRect(0, y, len, y + s);
    } else if (kind == 3) {
      acc.AddRect(0, y + s, len, y + 2 * s);
      acc.AddRect(W - len, y, W, y + s);
    }
  }
}

void AddBarColumns(TComplexRegion& acc, int32_t len, int32_t W, int32_t H, int32_t s,
                   int32_t kind) {
  const bool second = len > H;
  for (int32_t x = second ? s : 0; x < W + s; x += 2 * s) {
    if (second) {
      if (kind == 1 || kind == 4) acc.AddRect(x, 2 * H - len, x + s, H);
      if (kind == 2 || kind == 5) acc.AddRect(x, 0, x + s, len - H);
      acc.AddRect(x - s, 0, x, H);
    } else if (kind == 1 || kind == 5) {
      acc.AddRect(x, H - len, x + s, H);
    } else if (kind == 2 || kind == 4) {
      acc.AddRect(x, 0, x + s, len);
    } else if (kind == 3) {
      acc.AddRect(x, H - len, x + s, H);
      acc.AddRect(x + s, 0, x + 2 * s, len);
    }
  }
}

}  // namespace

Region CreateBarRegion(int32_t LenX, int32_t LenY, int32_t W, int32_t H, int32_t HorzKind,
                       int32_t VertKind) {
  const int32_t s = std::min(W, H) / 50 + 1;
  TComplexRegion acc;
  AddBarRows(acc, LenX, W, H, s, HorzKind);
  AddBarColumns(acc, LenY, W, H, s, VertKind);
  return acc.CreateRegion().value_or(Region());
}
