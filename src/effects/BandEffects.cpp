#include "effects/ClippedReveal.h"
#include "effects/ComplexRegion.h"
#include "effects/PatternEffects.h"
#include "platform/MulDiv.h"

using std::int32_t;

namespace {

void RevealRects(Bitmap& Screen, const Bitmap& Picture, const TComplexRegion& acc) {
  if (const auto region = acc.CreateRegion()) ClippedReveal(Screen, Picture, *region);
}

// Rows 2d high about y = -h, 2h, 5h, ... below H, where h = H div 20 and d grows with the
// progress.
void AddRowBands(TComplexRegion& acc, int32_t W, int32_t H, int32_t Progress) {
  const int32_t h = H / 20;
  const int32_t d = MulDiv(h, Progress, 100);
  for (int32_t y = -h; y < H; y += 3 * h) acc.AddRect(0, y - d, W, y + d);
}

void AddColumnBands(TComplexRegion& acc, int32_t W, int32_t H, int32_t Progress) {
  const int32_t h = W / 20;
  const int32_t d = MulDiv(h, Progress, 100);
  for (int32_t x = -h; x < W; x += 3 * h) acc.AddRect(x - d, 0, x + d, H);
}

}  // namespace

void RectanglesFromLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                        int32_t, int32_t Progress) {
  if (X <= 0 || H / 20 == 0) return;
  TComplexRegion acc;
  AddRowBands(acc, W, H, Progress);
  const int32_t e = MulDiv(X, Progress, 100);
  for (int32_t x = 0; x < W; x += X) acc.AddRect(x, 0, x + e, H);
  RevealRects(Screen, Picture, acc);
}

void RectanglesFromRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                         int32_t, int32_t Progress) {
  if (X <= 0 || H / 20 == 0) return;
  TComplexRegion acc;
  AddRowBands(acc, W, H, Progress);
  const int32_t e = MulDiv(X, Progress, 100);
  for (int32_t x = W; x > 0; x -= X) acc.AddRect(x - e, 0, x, H);
  RevealRects(Screen, Picture, acc);
}

void RectanglesFromTop(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                       int32_t Y, int32_t Progress) {
  if (W / 20 == 0 || Y <= 0) return;
  TComplexRegion acc;
  AddColumnBands(acc, W, H, Progress);
  const int32_t e = MulDiv(Y, Progress, 100);
  for (int32_t y = 0; y < H; y += Y) acc.AddRect(0, y, W, y + e);
  RevealRects(Screen, Picture, acc);
}

void RectanglesFromBottom(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                          int32_t Y, int32_t Progress) {
  if (W / 20 == 0 || Y <= 0) return;
  TComplexRegion acc;
  AddColumnBands(acc, W, H, Progress);
  const int32_t e = MulDiv(Y, Progress, 100);
  for (int32_t y = H; y > 0; y -= Y) acc.AddRect(0, y - e, W, y);
  RevealRects(Screen, Picture, acc);
}
