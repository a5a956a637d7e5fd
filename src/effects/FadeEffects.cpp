#include "effects/FadeEffects.h"

#include <numbers>

#include "effects/PixelHelpers.h"
#include "platform/MulDiv.h"

using std::int32_t;

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

// (100 - Progress) x pi / 200 radians: a quarter turn falling linearly to nothing.
long double QuarterTurnLeft(int32_t Progress) {
  return (100 - Progress) * kPi / 200;
}

}  // namespace

void Fade(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t, int32_t,
          int32_t Progress) {
  // Every pixel is mixed on its own, so the block is taken in memory order, in one pass.
  const int32_t a = MulDiv(256, Progress, 100);
  BlendPixels(Screen.Row(0), Picture.Row(0), W * H, a);
}

void PivotFromTopLeft(Bitmap& Screen, const Bitmap& Picture, int32_t, int32_t, int32_t, int32_t,
                      int32_t Progress) {
  RotateBitmap(Screen, Picture, -1, -1, QuarterTurnLeft(Progress));
}

void PivotFromBottomLeft(Bitmap& Screen, const Bitmap& Picture, int32_t, int32_t H, int32_t,
                         int32_t, int32_t Progress) {
  RotateBitmap(Screen, Picture, -1, H, -QuarterTurnLeft(Progress));
}

void PivotFromTopRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t, int32_t, int32_t,
                       int32_t Progress) {
  RotateBitmap(Screen, Picture, W, -1, -QuarterTurnLeft(Progress));
}

void PivotFromBottomRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                          int32_t, int32_t Progress) {
  RotateBitmap(Screen, Picture, W, H, QuarterTurnLeft(Progress));
}
