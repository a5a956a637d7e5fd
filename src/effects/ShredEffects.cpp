#include "effects/ShredEffects.h"

#include "effects/ClippedReveal.h"
#include "effects/RegionBuilders.h"

using std::int32_t;

namespace {

void RevealShreds(Bitmap& Screen, const Bitmap& Picture, int32_t lenX, int32_t lenY, int32_t W,
                  int32_t H, int32_t horzKind, int32_t vertKind) {
  ClippedReveal(Screen, Picture, CreateShredRegion(lenX, lenY, W, H, horzKind, vertKind));
}

}  // namespace

void UnevenShredFromRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                          int32_t, int32_t) {
  RevealShreds(Screen, Picture, X, 0, W, H, 1, 0);
}

void UnevenShredFromLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                         int32_t, int32_t) {
  RevealShreds(Screen, Picture, X, 0, W, H, 2, 0);
}

void UnevenShredOutFromMiddleHoriz(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                   int32_t X, int32_t, int32_t) {
  RevealShreds(Screen, Picture, X, 0, W, H, 3, 0);
}

void UnevenShredInToMiddleHoriz(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                int32_t X, int32_t, int32_t) {
  RevealShreds(Screen, Picture, X, 0, W, H, 4, 0);
}

void UnevenShredFromBottom(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                           int32_t Y, int32_t) {
  RevealShreds(Screen, Picture, 0, Y, W, H, 0, 1);
}

void UnevenShredFromTop(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                        int32_t Y, int32_t) {
  RevealShreds(Screen, Picture, 0, Y, W, H, 0, 2);
}

void UnevenShredFromHorizon(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                            int32_t Y, int32_t) {
  RevealShreds(Screen, Picture, 0, Y, W, H, 0, 3);
}

void UnevenShredInToHorizon(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                            int32_t Y, int32_t) {
  RevealShreds(Screen, Picture, 0, Y, W, H, 0, 4);
}

void UnevenShredFromBottomAndRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                   int32_t X, int32_t Y, int32_t) {
  RevealShreds(Screen, Picture, X, Y, W, H, 1, 1);
}

void UnevenShredFromTopAndRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                int32_t X, int32_t Y, int32_t) {
  RevealShreds(Screen, Picture, X, Y, W, H, 1, 2);
}

void UnevenShredFromBottomAndLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                  int32_t X, int32_t Y, int32_t) {
  RevealShreds(Screen, Picture, X, Y, W, H, 2, 1);
}

void UnevenShredFromTopAndLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                               int32_t X, int32_t Y, int32_t) {
  RevealShreds(Screen, Picture, X, Y, W, H, 2, 2);
}

void UnevenShredFromHorizAndRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                  int32_t X, int32_t Y, int32_t) {
  RevealShreds(Screen, Picture, X, Y, W, H, 1, 3);
}

void UnevenShredFromHorizAndLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                 int32_t X, int32_t Y, int32_t) {
  RevealShreds(Screen, Picture, X, Y, W, H, 2, 3);
}

void UnevenShredFromBottomAndVertMiddle(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                        int32_t X, int32_t Y, int32_t) {
  RevealShreds(Screen, Picture, X, Y, W, H, 3, 1);
}

void UnevenShredFromTopAndVertMiddle(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                     int32_t X, int32_t Y, int32_t) {
  RevealShreds(Screen, Picture, X, Y, W, H, 3, 2);
}

void UnevenShredFromCentre(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                           int32_t Y, int32_t) {
  RevealShreds(Screen, Picture, X, Y, W, H, 3, 3);
}

void UnevenShredToCentre(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                         int32_t Y, int32_t) {
  RevealShreds(Screen, Picture, X, Y, W, H, 4, 4);
}
