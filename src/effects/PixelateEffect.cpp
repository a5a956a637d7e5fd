#include <algorithm>

#include "effects/PixelEffects.h"
#include "effects/PixelHelpers.h"
#include "platform/MulDiv.h"
#include "raster/Blit.h"

using std::int32_t;

namespace {

// Stretches the block (mx, my, sw, sh) of Screen itself over the destination block. The part of
// the block inside Screen is taken aside first, so the copy reads its whole source before it
// writes; pixels of the block outside Screen have no source, as with any other copy.
void StretchFromScreen(Bitmap& Screen, const Rect& dest, int32_t mx, int32_t my, int32_t sw,
                       int32_t sh) {
  const Rect inside = Rect::FromXYWH(mx, my, sw, sh).Intersected(Screen.Bounds());
  if (inside.IsEmpty()) return;
  Bitmap block(static_cast<int32_t>(inside.Width()), static_cast<int32_t>(inside.Height()));
  BitBlt(block, 0, 0, block.Width(), block.Height(), Screen, inside.left, inside.top);
  StretchBlt(Screen, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, block,
             mx - inside.left, my - inside.top, sw, sh);
}

}  // namespace

void Pixelate(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X, int32_t Y,
              int32_t Progress) {
  const bool zoomingIn = Progress <= 50;
  const int32_t ax = zoomingIn ? X : W - X;
  const int32_t ay = zoomingIn ? Y : H - Y;
  const int32_t f =
      zoomingIn ? 180 - MulDiv(Progress, 82, 50) : MulDiv(Progress - 100, 82, 50) + 180;
  const int32_t mx = MulDiv(ax, f, 100);
  const int32_t my = MulDiv(ay, f, 100);
  const int32_t sw = std::max(W - 2 * mx, 2);
  const int32_t sh = std::max(H - 2 * my, 2);
  const bool blend = Progress >= 41 && Progress <= 59;
  if (blend) BlendRect(Screen, Picture, 5 * Progress - 200, mx, my, sw, sh);
  const Rect dest{-2 * mx, -2 * my, W + 2 * mx, H + 2 * my};
  if (zoomingIn || blend) {
    StretchFromScreen(Screen, dest, mx, my, sw, sh);
  } else {
    StretchBlt(Screen, dest.left, dest.top, W + 4 * mx, H + 4 * my, Picture, mx, my, sw, sh);
  }
}
