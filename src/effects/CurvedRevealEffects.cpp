#include "effects/CurvedRevealEffects.h"

#include "effects/ClippedReveal.h"

using std::int32_t;

void CurvedRevealFromLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                          int32_t, int32_t) {
  ClippedReveal(Screen, Picture, Region::RoundRect({-2 * W, 0, 2 * X, H + 1}, 2 * W, 2 * W));
}

void CurvedRevealFromRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                           int32_t, int32_t) {
  ClippedReveal(Screen, Picture, Region::RoundRect({W - 2 * X, 0, 3 * W, H + 1}, 2 * W, 2 * W));
}
