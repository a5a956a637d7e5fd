#include "effects/StripEffects.h"

#include <algorithm>

#include "effects/BlockCopies.h"

using std::int32_t;

void RevealInFromSides(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                       int32_t, int32_t) {
  const int32_t h = X / 2;
  Reveal(Screen, Picture, {0, 0, h, H});
  Reveal(Screen, Picture, {W - h, 0, h, H});
}

void ExpandInFromSides(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                       int32_t, int32_t) {
  const int32_t h = X / 2;
  Scale(Screen, Picture, {0, 0, h, H}, {0, 0, W / 2, H});
  Scale(Screen, Picture, {W - h, 0, h, H}, {W / 2, 0, W / 2, H});
}

void BuildUpFromRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                      int32_t, int32_t) {
  Reveal(Screen, Picture, {0, 0, X, H});
  const int32_t b = std::min(W - X, W / 10);
  Scale(Screen, Picture, {X, 0, W - X, H}, {X, 0, b, H});
}

void BuildUpFromLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                     int32_t, int32_t) {
  Reveal(Screen, Picture, {W - X, 0, X, H});
  const int32_t m = std::max(W - X - W / 10, 0);
  Scale(Screen, Picture, {0, 0, W - X, H}, {m, 0, W - X - m, H});
}

void SlideInFromTopBottom(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                          int32_t Y, int32_t) {
  const int32_t v = Y / 2;
  Reveal(Screen, Picture, {0, 0, W, v});
  Reveal(Screen, Picture, {0, H - v, W, v});
}

void ExpandInFromTopBottom(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                           int32_t Y, int32_t) {
  const int32_t v = Y / 2;
  Scale(Screen, Picture, {0, 0, W, v}, {0, 0, W, H / 2});
  Scale(Screen, Picture, {0, H - v, W, v}, {0, H / 2, W, H / 2});
}

void BuildUpFromBottom(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                       int32_t Y, int32_t) {
  Reveal(Screen, Picture, {0, 0, W, Y});
  const int32_t b = std::min(H - Y, H / 10);
  Scale(Screen, Picture, {0, Y, W, H - Y}, {0, Y, W, b});
}

void BuildUpFromTop(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t, int32_t Y,
                    int32_t) {
  Reveal(Screen, Picture, {0, H - Y, W, Y});
  const int32_t m = std::max(H - Y - H / 10, 0);
  Scale(Screen, Picture, {0, 0, W, H - Y}, {0, m, W, H - Y - m});
}
