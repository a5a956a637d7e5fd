#include "effects/PushEffects.h"

#include "raster/Blit.h"

using std::int32_t;

// The first copy of each style moves the old picture within Screen (the raster layer reads an
// overlapping source block in full before writing); the second brings in the new picture.

void PushRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X, int32_t,
               int32_t) {
  BitBlt(Screen, X, 0, W - X, H, Screen, 0, 0);
  BitBlt(Screen, 0, 0, X, H, Picture, W - X, 0);
}

void PushLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X, int32_t,
              int32_t) {
  BitBlt(Screen, 0, 0, W - X, H, Screen, X, 0);
  BitBlt(Screen, W - X, 0, X, H, Picture, 0, 0);
}

void PushAndSqueezeRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                         int32_t, int32_t) {
  StretchBlt(Screen, X, 0, W - X, H, Screen, 0, 0, W, H);
  BitBlt(Screen, 0, 0, X, H, Picture, W - X, 0);
}

void PushAndSqueezeLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                        int32_t, int32_t) {
  StretchBlt(Screen, 0, 0, W - X, H, Screen, 0, 0, W, H);
  BitBlt(Screen, W - X, 0, X, H, Picture, 0, 0);
}

void PushDown(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t, int32_t Y,
              int32_t) {
  BitBlt(Screen, 0, Y, W, H - Y, Screen, 0, 0);
  BitBlt(Screen, 0, 0, W, Y, Picture, 0, H - Y);
}

void PushUp(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t, int32_t Y,
            int32_t) {
  BitBlt(Screen, 0, 0, W, H - Y, Screen, 0, Y);
  BitBlt(Screen, 0, H - Y, W, Y, Picture, 0, 0);
}

void PushAndSqueezeDown(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                        int32_t Y, int32_t) {
  StretchBlt(Screen, 0, Y, W, H - Y, Screen, 0, 0, W, H);
  BitBlt(Screen, 0, 0, W, Y, Picture, 0, H - Y);
}

void PushAndSqueezeUp(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                      int32_t Y, int32_t) {
  StretchBlt(Screen, 0, 0, W, H - Y, Screen, 0, 0, W, H);
  BitBlt(Screen, 0, H - Y, W, Y, Picture, 0, 0);
}
