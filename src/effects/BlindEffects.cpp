#include "effects/BlindEffects.h"

#include <algorithm>

#include "effects/ClippedReveal.h"
#include "effects/ComplexRegion.h"
#include "platform/MulDiv.h"

using std::int32_t;

namespace {

void RevealRects(Bitmap& Screen, const Bitmap& Picture, const TComplexRegion& acc) {
  if (const auto region = acc.CreateRegion()) ClippedReveal(Screen, Picture, *region);
}

}  // namespace

void BlindVertically(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t, int32_t,
                     int32_t Progress) {
  const int32_t s = W / 40 + 1;
  const int32_t d = MulDiv(s, Progress, 100);
  TComplexRegion acc;
  for (int32_t x = s; x - s < W; x += 2 * s) acc.AddRect(x - d, 0, x + d, H);
  RevealRects(Screen, Picture, acc);
}

void BlindHorizontally(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                       int32_t, int32_t Progress) {
  const int32_t s = H / 40 + 1;
  const int32_t d = MulDiv(s, Progress, 100);
  TComplexRegion acc;
  for (int32_t y = s; y - s < H; y += 2 * s) acc.AddRect(0, y - d, W, y + d);
  RevealRects(Screen, Picture, acc);
}

void UnevenBlindFromLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                         int32_t, int32_t Progress) {
  if (X <= 0) return;
  const int32_t d = MulDiv(X, Progress, 100);
  TComplexRegion acc;
  for (int32_t x = 0; x < W; x += X) acc.AddRect(x, 0, x + d, H);
  RevealRects(Screen, Picture, acc);
}

void UnevenBlindFromRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                          int32_t, int32_t Progress) {
  if (X <= 0) return;
  const int32_t d = MulDiv(X, Progress, 100);
  TComplexRegion acc;
  for (int32_t x = W; x > 0; x -= X) acc.AddRect(x - d, 0, x, H);
  RevealRects(Screen, Picture, acc);
}

void UnevenBlindFromTop(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                        int32_t Y, int32_t Progress) {
  if (Y <= 0) return;
  const int32_t d = MulDiv(Y, Progress, 100);
  TComplexRegion acc;
  for (int32_t y = 0; y < H; y += Y) acc.AddRect(0, y, W, y + d);
  RevealRects(Screen, Picture, acc);
}

void UnevenBlindFromBottom(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                           int32_t Y, int32_t Progress) {
  if (Y <= 0) return;
  const int32_t d = MulDiv(Y, Progress, 100);
  TComplexRegion acc;
  for (int32_t y = H; y > 0; y -= Y) acc.AddRect(0, y - d, W, y);
  RevealRects(Screen, Picture, acc);
}

void RectangularShred(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t, int32_t,
                      int32_t Progress) {
  const int32_t s = std::min(W, H) / 10 + 1;
  const int32_t d = MulDiv(s, Progress, 100);
  TComplexRegion acc;
  for (int32_t x = s; x - s < W; x += 2 * s) {
    for (int32_t y = s; y - s < H; y += 2 * s) acc.AddRect(x - d, y - d, x + d, y + d);
  }
  RevealRects(Screen, Picture, acc);
}
