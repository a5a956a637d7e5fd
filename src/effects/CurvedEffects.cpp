#include "effects/CurvedEffects.h"

#include "effects/ClippedReveal.h"

using std::int32_t;

namespace {

Region RoundRect(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew, int32_t eh) {
  return Region::RoundRect({l, t, r, b}, ew, eh);
}

}  // namespace

void CurvedRevealFromTop(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                         int32_t Y, int32_t) {
  ClippedReveal(Screen, Picture, RoundRect(0, -2 * H, W + 1, 2 * Y, 2 * H, 2 * H));
}

void CurvedRevealFromBottom(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                            int32_t Y, int32_t) {
  ClippedReveal(Screen, Picture, RoundRect(0, H - 2 * Y, W + 1, 3 * H, 2 * H, 2 * H));
}

void CurvedRevealFromTopLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                             int32_t Y, int32_t) {
  ClippedReveal(Screen, Picture, RoundRect(-W, -H, 3 * X / 2, 3 * Y / 2, 2 * W, 2 * H));
}

void CurvedRevealFromTopRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                              int32_t X, int32_t Y, int32_t) {
  ClippedReveal(Screen, Picture, RoundRect(W - 3 * X / 2, -H, 2 * W, 3 * Y / 2, 2 * W, 2 * H));
}

void CurvedRevealFromBottomLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                int32_t X, int32_t Y, int32_t) {
  ClippedReveal(Screen, Picture, RoundRect(-W, H - 3 * Y / 2, 3 * X / 2, 2 * H, 2 * W, 2 * H));
}

void CurvedRevealFromBottomRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                 int32_t X, int32_t Y, int32_t) {
  ClippedReveal(Screen, Picture,
                RoundRect(W - 3 * X / 2, H - 3 * Y / 2, 2 * W, 2 * H, 2 * W, 2 * H));
}

void EllipticRevealOutFromCentre(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                 int32_t X, int32_t Y, int32_t) {
  const int32_t cx = W / 2;
  const int32_t cy = H / 2;
  ClippedReveal(Screen, Picture, RoundRect(cx - X, cy - Y, cx + X, cy + Y, 9 * X / 5, 9 * Y / 5));
}

void EllipticRevealInToCentre(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                              int32_t X, int32_t Y, int32_t) {
  const int32_t cx = W / 2;
  const int32_t cy = H / 2;
  const Region shape =
      RoundRect(X - cx, Y - cy, 3 * cx - X, 3 * cy - Y, 9 * (W - X) / 5, 9 * (H - Y) / 5);
  ClippedReveal(Screen, Picture, Region::Combine(Region({0, 0, W, H}), shape, Region::Op::Xor));
}
