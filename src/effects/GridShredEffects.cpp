#include <algorithm>
#include <optional>

#include "effects/ClippedReveal.h"
#include "effects/PatternEffects.h"
#include "effects/RegionBuilders.h"
#include "platform/MulDiv.h"

using std::int32_t;

namespace {

// Makes one shape per grid centre, column by column from the left and top to bottom within a
// column, unites them in that order and reveals the new picture through the union. Centres lie
// at s, 3s, 5s, ... as long as the centre minus s is below the limit.
template <class Shape>
void RevealGrid(Bitmap& Screen, const Bitmap& Picture, int32_t sx, int32_t limitX, int32_t sy,
                int32_t limitY, Shape&& shape) {
  std::optional<Region> united;
  for (int32_t x = sx; x - sx < limitX; x += 2 * sx) {
    for (int32_t y = sy; y - sy < limitY; y += 2 * sy) {
      Region one = shape(x, y);
      united = united ? Region::Combine(*united, one, Region::Op::Or) : std::move(one);
    }
  }
  if (united) ClippedReveal(Screen, Picture, *united);
}

}  // namespace

void TriangularShred(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t, int32_t,
                     int32_t Progress) {
  const int32_t sx = W / 10 + 1;
  const int32_t sy = H / 10 + 1;
  const int32_t dx = MulDiv(sx, Progress, 50);
  const int32_t dy = MulDiv(sy, Progress, 50);
  RevealGrid(Screen, Picture, sx, W, sy, H + sy, [&](int32_t x, int32_t y) {
    const int32_t coords[] = {x - dx, y - dy, x, y + dy, x + dx, y - dy};
    return PolygonRegion(coords);
  });
}

void CircularShred(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t, int32_t,
                   int32_t Progress) {
  const int32_t s = std::min(W, H) / 10 + 1;
  const int32_t r = MulDiv(3 * s, Progress, 200);
  RevealGrid(Screen, Picture, s, W, s, H, [&](int32_t x, int32_t y) {
    return Region::Ellipse({x - r, y - r, x + r, y + r});
  });
}

void DiamondShred(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t, int32_t,
                  int32_t Progress) {
  const int32_t s = std::min(W, H) / 10 + 1;
  const int32_t d = MulDiv(s, Progress, 50);
  RevealGrid(Screen, Picture, s, W, s, H, [&](int32_t x, int32_t y) {
    const int32_t coords[] = {x - d, y, x, y - d, x + d, y, x, y + d};
    return PolygonRegion(coords);
  });
}
