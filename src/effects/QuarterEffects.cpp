#include "effects/QuarterEffects.h"

#include "effects/BlockCopies.h"

using std::int32_t;

void RevealInToCentre(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                      int32_t Y, int32_t) {
  const int32_t h = X / 2;
  const int32_t v = Y / 2;
  const ScopedClip clip(Screen);
  Screen.ExcludeClipRect({h, v, W - h, H - v});
  BitBlt(Screen, 0, 0, W, H, Picture, 0, 0);
}

void QuartersRevealInToMiddle(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                              int32_t X, int32_t Y, int32_t) {
  const int32_t h = X / 2;
  const int32_t v = Y / 2;
  Reveal(Screen, Picture, {0, 0, h, v});
  Reveal(Screen, Picture, {0, H - v, h, v});
  Reveal(Screen, Picture, {W - h, H - v, h, v});
  Reveal(Screen, Picture, {W - h, 0, h, v});
}

void QuartersExpandToMiddle(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                            int32_t Y, int32_t) {
  const int32_t h = X / 2;
  const int32_t v = Y / 2;
  const int32_t qw = W / 2;
  const int32_t qh = H / 2;
  Scale(Screen, Picture, {0, 0, h, v}, {0, 0, qw, qh});
  Scale(Screen, Picture, {0, H - v, h, v}, {0, qh, qw, qh});
  Scale(Screen, Picture, {W - h, H - v, h, v}, {qw, qh, qw, qh});
  Scale(Screen, Picture, {W - h, 0, h, v}, {qw, 0, qw, qh});
}

void QuartersSlideInToMiddle(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                             int32_t Y, int32_t) {
  const int32_t h = X / 2;
  const int32_t v = Y / 2;
  const int32_t qw = W / 2;
  const int32_t qh = H / 2;
  Copy(Screen, Picture, {h - qw, 0, qw, qh}, {0, 0});    // top left, in from the left
  Copy(Screen, Picture, {qw, v - qh, qw, qh}, {qw, 0});  // top right, down from the top
  Copy(Screen, Picture, {W - h, qh, qw, qh}, {qw, qh});  // bottom right, in from the right
  Copy(Screen, Picture, {0, H - v, qw, qh}, {0, qh});    // bottom left, up from the bottom
}
