#include "effects/FleckEffects.h"

#include <algorithm>

#include "effects/ClippedReveal.h"
#include "effects/ComplexRegion.h"
#include "effects/RegionBuilders.h"
#include "platform/Random.h"

using std::int32_t;

void SpeckleAppearFromRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                            int32_t Y, int32_t) {
  ClippedReveal(Screen, Picture, CreateSpeckleRegion(X, Y, W, H, 1, 0));
}

void SpeckleAppearFromLeft(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                           int32_t Y, int32_t) {
  ClippedReveal(Screen, Picture, CreateSpeckleRegion(X, Y, W, H, 2, 0));
}

void SpeckleAppearFromBottom(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                             int32_t Y, int32_t) {
  ClippedReveal(Screen, Picture, CreateSpeckleRegion(X, Y, W, H, 0, 1));
}

void SpeckleAppearFromTop(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                          int32_t Y, int32_t) {
  ClippedReveal(Screen, Picture, CreateSpeckleRegion(X, Y, W, H, 0, 2));
}

void RandomSquaresAppear(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                         int32_t, int32_t Progress) {
  const int32_t s = std::min(W, H) / 50 + 1;
  // A generator of its own, seeded from the size, keeps the order of the squares the same in
  // every frame whatever other threads draw meanwhile.
  RandomGenerator generator(static_cast<std::uint32_t>(W + H) * static_cast<std::uint32_t>(s));
  TComplexRegion acc;
  for (int32_t x = s; x - s < W; x += 2 * s) {
    for (int32_t y = s; y - s < H; y += 2 * s) {
      if (generator.Random(100) < Progress) acc.AddRect(x - s, y - s, x + s, y + s);
    }
  }
  if (const auto region = acc.CreateRegion()) ClippedReveal(Screen, Picture, *region);
}
