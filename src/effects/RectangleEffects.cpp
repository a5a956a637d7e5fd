#include "effects/RectangleEffects.h"

#include "effects/BlockCopies.h"

using std::int32_t;

// Each procedure is one copy: its destination block D first, then the source (a whole block
// for the scaled ones, a corner for the unscaled ones).

void ExpandFromRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                     int32_t, int32_t) {
  Scale(Screen, Picture, {W - X, 0, X, H}, {0, 0, W, H});
}

void ExpandFromLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X, int32_t,
                    int32_t) {
  Scale(Screen, Picture, {0, 0, X, H}, {0, 0, W, H});
}

void SlideInFromRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                      int32_t, int32_t) {
  Copy(Screen, Picture, {W - X, 0, W, H}, {0, 0});
}

void SlideInFromLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                     int32_t, int32_t) {
  Copy(Screen, Picture, {X - W, 0, W, H}, {0, 0});
}

void RevealFromLeft(Bitmap& Screen, const Bitmap& Picture, int32_t, int32_t H, int32_t X, int32_t,
                    int32_t) {
  Reveal(Screen, Picture, {0, 0, X, H});
}

void RevealFromRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                     int32_t, int32_t) {
  Reveal(Screen, Picture, {W - X, 0, X, H});
}

void ExpandInFromRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                       int32_t, int32_t) {
  Scale(Screen, Picture, {0, 0, 2 * W - X, H}, {0, 0, X, H});
}

void ExpandInFromLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                      int32_t, int32_t) {
  Scale(Screen, Picture, {X - W, 0, 2 * W - X, H}, {W - X, 0, X, H});
}

void ExpandInToMiddle(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                      int32_t, int32_t) {
  Scale(Screen, Picture, {X - W, 0, 3 * W - 2 * X, H}, {(W - X) / 2, 0, X, H});
}

void ExpandOutFromMiddle(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                         int32_t, int32_t) {
  Scale(Screen, Picture, {(W - X) / 2, 0, X, H}, {0, 0, W, H});
}

void RevealOutFromMiddle(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                         int32_t, int32_t) {
  Reveal(Screen, Picture, {(W - X) / 2, 0, X, H});
}

void ExpandFromBottom(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                      int32_t Y, int32_t) {
  Scale(Screen, Picture, {0, H - Y, W, Y}, {0, 0, W, H});
}

void ExpandFromTop(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t, int32_t Y,
                   int32_t) {
  Scale(Screen, Picture, {0, 0, W, Y}, {0, 0, W, H});
}

void SlideInFromBottom(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                       int32_t Y, int32_t) {
  Copy(Screen, Picture, {0, H - Y, W, H}, {0, 0});
}

void SlideInFromTop(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t, int32_t Y,
                    int32_t) {
  Copy(Screen, Picture, {0, Y - H, W, H}, {0, 0});
}

void RevealFromTop(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t, int32_t, int32_t Y,
                   int32_t) {
  Reveal(Screen, Picture, {0, 0, W, Y});
}

void RevealFromBottom(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                      int32_t Y, int32_t) {
  Reveal(Screen, Picture, {0, H - Y, W, Y});
}

void ExpandInFromBottom(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                        int32_t Y, int32_t) {
  Scale(Screen, Picture, {0, 0, W, 2 * H - Y}, {0, 0, W, Y});
}

void ExpandInFromTop(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                     int32_t Y, int32_t) {
  Scale(Screen, Picture, {0, Y - H, W, 2 * H - Y}, {0, H - Y, W, Y});
}

void ExpandInToMiddleHoriz(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                           int32_t Y, int32_t) {
  Scale(Screen, Picture, {0, Y - H, W, 3 * H - 2 * Y}, {0, (H - Y) / 2, W, Y});
}

void ExpandOutFromMiddleHoriz(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                              int32_t Y, int32_t) {
  Scale(Screen, Picture, {0, (H - Y) / 2, W, Y}, {0, 0, W, H});
}

void RevealFromMiddleHoriz(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                           int32_t Y, int32_t) {
  Reveal(Screen, Picture, {0, (H - Y) / 2, W, Y});
}

void ExpandFromBottomRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                           int32_t Y, int32_t) {
  Scale(Screen, Picture, {W - X, H - Y, X, Y}, {0, 0, W, H});
}

void ExpandFromTopRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                        int32_t Y, int32_t) {
  Scale(Screen, Picture, {W - X, 0, X, Y}, {0, 0, W, H});
}

void ExpandFromTopLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                       int32_t Y, int32_t) {
  Scale(Screen, Picture, {0, 0, X, Y}, {0, 0, W, H});
}

void ExpandFromBottomLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                          int32_t Y, int32_t) {
  Scale(Screen, Picture, {0, H - Y, X, Y}, {0, 0, W, H});
}

void SlideInFromBottomRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                            int32_t Y, int32_t) {
  Copy(Screen, Picture, {W - X, H - Y, W, H}, {0, 0});
}

void SlideInFromTopRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                         int32_t Y, int32_t) {
  Copy(Screen, Picture, {W - X, Y - H, W, H}, {0, 0});
}

void SlideInFromTopLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                        int32_t Y, int32_t) {
  Copy(Screen, Picture, {X - W, Y - H, W, H}, {0, 0});
}

void SlideInFromBottomLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                           int32_t Y, int32_t) {
  Copy(Screen, Picture, {X - W, H - Y, W, H}, {0, 0});
}

void RevealFromTopLeft(Bitmap& Screen, const Bitmap& Picture, int32_t, int32_t, int32_t X,
                       int32_t Y, int32_t) {
  Reveal(Screen, Picture, {0, 0, X, Y});
}

void RevealFromBottomLeft(Bitmap& Screen, const Bitmap& Picture, int32_t, int32_t H, int32_t X,
                          int32_t Y, int32_t) {
  Reveal(Screen, Picture, {0, H - Y, X, Y});
}

void RevealFromBottomRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                           int32_t Y, int32_t) {
  Reveal(Screen, Picture, {W - X, H - Y, X, Y});
}

void RevealFromTopRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t, int32_t X,
                        int32_t Y, int32_t) {
  Reveal(Screen, Picture, {W - X, 0, X, Y});
}

void AppearAndContractToTopLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                int32_t X, int32_t Y, int32_t) {
  Scale(Screen, Picture, {0, 0, 2 * W - X, 2 * H - Y}, {0, 0, X, Y});
}

void AppearAndContractToBottomLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                   int32_t X, int32_t Y, int32_t) {
  Scale(Screen, Picture, {0, Y - H, 2 * W - X, 2 * H - Y}, {0, H - Y, X, Y});
}

void AppearAndContractToBottomRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                    int32_t X, int32_t Y, int32_t) {
  Scale(Screen, Picture, {X - W, Y - H, 2 * W - X, 2 * H - Y}, {W - X, H - Y, X, Y});
}

void AppearAndContractToTopRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                 int32_t X, int32_t Y, int32_t) {
  Scale(Screen, Picture, {X - W, 0, 2 * W - X, 2 * H - Y}, {W - X, 0, X, Y});
}

void AppearAndContractToMiddle(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                               int32_t X, int32_t Y, int32_t) {
  Scale(Screen, Picture, {X - W, Y - H, 3 * W - 2 * X, 3 * H - 2 * Y},
        {(W - X) / 2, (H - Y) / 2, X, Y});
}

void ExpandOutFromCentre(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                         int32_t Y, int32_t) {
  Scale(Screen, Picture, {(W - X) / 2, (H - Y) / 2, X, Y}, {0, 0, W, H});
}

void RevealOutFromCentre(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                         int32_t Y, int32_t) {
  Reveal(Screen, Picture, {(W - X) / 2, (H - Y) / 2, X, Y});
}
