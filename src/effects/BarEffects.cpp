#include "effects/BarEffects.h"

#include "effects/ClippedReveal.h"
#include "effects/RegionBuilders.h"

using std::int32_t;

namespace {

void RevealBars(Bitmap& Screen, const Bitmap& Picture, int32_t lenX, int32_t lenY, int32_t W,
                int32_t H, int32_t horzKind, int32_t vertKind) {
  ClippedReveal(Screen, Picture, CreateBarRegion(lenX, lenY, W, H, horzKind, vertKind));
}

}  // namespace

void BarsInFromRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                     int32_t, int32_t) {
  RevealBars(Screen, Picture, 2 * X, 0, W, H, 1, 0);
}

void BarsInFromLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X, int32_t,
                    int32_t) {
  RevealBars(Screen, Picture, 2 * X, 0, W, H, 2, 0);
}

void BarsLeftThenRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                       int32_t, int32_t) {
  RevealBars(Screen, Picture, 2 * X, 0, W, H, 4, 0);
}

void BarsRightThenLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                       int32_t, int32_t) {
  RevealBars(Screen, Picture, 2 * X, 0, W, H, 5, 0);
}

void BarsFromBothSides(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                       int32_t, int32_t) {
  RevealBars(Screen, Picture, X, 0, W, H, 3, 0);
}

void BarsFromBottom(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t, int32_t Y,
                    int32_t) {
  RevealBars(Screen, Picture, 0, 2 * Y, W, H, 0, 1);
}

void BarsFromTop(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t, int32_t Y,
                 int32_t) {
  RevealBars(Screen, Picture, 0, 2 * Y, W, H, 0, 2);
}

void BarsTopThenBottom(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                       int32_t Y, int32_t) {
  RevealBars(Screen, Picture, 0, 2 * Y, W, H, 0, 4);
}

void BarsBottomThenTop(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                       int32_t Y, int32_t) {
  RevealBars(Screen, Picture, 0, 2 * Y, W, H, 0, 5);
}

void BarsFromTopAndBottom(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                          int32_t Y, int32_t) {
  RevealBars(Screen, Picture, 0, Y, W, H, 0, 3);
}

void CrissCrossFromBottomRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                               int32_t X, int32_t Y, int32_t) {
  RevealBars(Screen, Picture, 2 * X, 2 * Y, W, H, 1, 1);
}

void CrissCrossFromTopRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                            int32_t Y, int32_t) {
  RevealBars(Screen, Picture, 2 * X, 2 * Y, W, H, 1, 2);
}

void CrissCrossFromBottomLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                              int32_t X, int32_t Y, int32_t) {
  RevealBars(Screen, Picture, 2 * X, 2 * Y, W, H, 2, 1);
}

void CrissCrossFromTopLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                           int32_t Y, int32_t) {
  RevealBars(Screen, Picture, 2 * X, 2 * Y, W, H, 2, 2);
}

void CrissCrossBounceFromTopLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                 int32_t X, int32_t Y, int32_t) {
  RevealBars(Screen, Picture, 2 * X, 2 * Y, W, H, 4, 4);
}

void CrissCrossBounceFromBottomLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                    int32_t X, int32_t Y, int32_t) {
  RevealBars(Screen, Picture, 2 * X, 2 * Y, W, H, 4, 5);
}

void CrissCrossBounceFromTopRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                  int32_t X, int32_t Y, int32_t) {
  RevealBars(Screen, Picture, 2 * X, 2 * Y, W, H, 5, 4);
}

void CrissCrossBounceFromBottomRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                     int32_t X, int32_t Y, int32_t) {
  RevealBars(Screen, Picture, 2 * X, 2 * Y, W, H, 5, 5);
}

void CrissCrossFromRightTopAndBottom(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                     int32_t X, int32_t Y, int32_t) {
  RevealBars(Screen, Picture, X, Y, W, H, 1, 3);
}

void CrissCrossFromLeftTopAndBottom(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                    int32_t X, int32_t Y, int32_t) {
  RevealBars(Screen, Picture, X, Y, W, H, 2, 3);
}

void CrissCrossFromLeftRightAndBottom(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                      int32_t X, int32_t Y, int32_t) {
  RevealBars(Screen, Picture, X, Y, W, H, 3, 1);
}

void CrissCrossFromLeftRightAndTop(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                   int32_t X, int32_t Y, int32_t) {
  RevealBars(Screen, Picture, X, Y, W, H, 3, 2);
}

void CrissCrossFromTopLeftRightAndBottom(Bitmap& Screen, const Bitmap& Picture, int32_t W,
                                         int32_t H, int32_t X, int32_t Y, int32_t) {
  RevealBars(Screen, Picture, X, Y, W, H, 3, 3);
}

void CrissCrossFromBottomLeftTopRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                      int32_t X, int32_t Y, int32_t) {
  const Region fromBottomRight = CreateBarRegion(2 * X, 2 * Y, W, H, 1, 1);
  const Region fromTopLeft = CreateBarRegion(2 * X, 2 * Y, W, H, 2, 2);
  ClippedReveal(Screen, Picture, Region::Combine(fromBottomRight, fromTopLeft, Region::Op::And));
}
