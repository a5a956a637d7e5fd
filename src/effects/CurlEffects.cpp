#include "effects/CurlEffects.h"

#include "effects/BlockCopies.h"
#include "effects/Shading.h"

using std::int32_t;

namespace {

constexpr int32_t kCurlShade = 48;

// The width of the curled band for a side of length size unrolled by done: a tenth of the side,
// never wider than the part already unrolled nor reaching past the far edge.
int32_t BandWidth(int32_t size, int32_t done) {
  const int32_t s = size / 10;
  if (done < s) return done;
  if (size - done < 2 * s) return (size - done) / 2;
  return s;
}

}  // namespace

void UnrollFromLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X, int32_t,
                    int32_t) {
  const int32_t s = BandWidth(W, X);
  Scale(Screen, Picture, {X + s - 1, 0, -s, H}, {X + s, 0, s, H});
  Reveal(Screen, Picture, {0, 0, X, H});
  ShadeColumns(Screen, kCurlShade, X, s);
}

void UnrollFromRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                     int32_t, int32_t) {
  const int32_t s = BandWidth(W, X);
  Scale(Screen, Picture, {W - X - 1, 0, -s, H}, {W - X - 2 * s - 1, 0, s, H});
  Reveal(Screen, Picture, {W - X, 0, X, H});
  ShadeColumns(Screen, kCurlShade, W - X - s, s);
}

void UnrollFromTop(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t, int32_t Y,
                   int32_t) {
  const int32_t s = BandWidth(H, Y);
  Scale(Screen, Picture, {0, Y + s - 1, W, -s}, {0, Y + s, W, s});
  Reveal(Screen, Picture, {0, 0, W, Y});
  ShadeRows(Screen, kCurlShade, Y, s);
}

void UnrollFromBottom(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                      int32_t Y, int32_t) {
  const int32_t s = BandWidth(H, Y);
  Scale(Screen, Picture, {0, H - Y - 1, W, -s}, {0, H - Y - 2 * s - 1, W, s});
  Reveal(Screen, Picture, {0, H - Y, W, Y});
  ShadeRows(Screen, kCurlShade, H - Y - s, s);
}
