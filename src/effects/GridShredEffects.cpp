#include <algorithm>
#include <vector>

#include "effects/ClippedReveal.h"
#include "effects/PatternEffects.h"
#include "effects/RegionBuilders.h"
#include "platform/MulDiv.h"
#include "raster/RegionBuilder.h"

using std::int32_t;

namespace {

// Grid centres at s, 3s, 5s, ... as long as the centre minus s is below the limit.
std::vector<int32_t> Centres(int32_t s, int32_t limit) {
  std::vector<int32_t> centres;
  for (int32_t c = s; c - s < limit; c += 2 * s) centres.push_back(c);
  return centres;
}

// The union of one copy of the shape (made about (0, 0)) at every grid centre, within the
// picture. It is built row by row straight into bands, without combining the copies one by
// one: the union is the same, whatever the order.
Region GridUnion(const Region& shape, const std::vector<int32_t>& xs,
                 const std::vector<int32_t>& ys, int32_t W, int32_t H) {
  // The shape's band for each of its rows, or none.
  const Rect box = shape.Bounds();
  std::vector<const Region::Band*> bandOfRow(static_cast<std::size_t>(box.bottom - box.top));
  for (const Region::Band& band : shape.Bands()) {
    for (int32_t y = band.top; y < band.bottom; ++y)
      bandOfRow[static_cast<std::size_t>(y - box.top)] = &band;
  }
  RegionBuilder builder;
  std::vector<Region::Span> spans;
  for (int32_t y = 0; y < H; ++y) {
    spans.clear();
    for (const int32_t cy : ys) {
      if (y - cy < box.top || y - cy >= box.bottom) continue;
      const Region::Band* band = bandOfRow[static_cast<std::size_t>(y - cy - box.top)];
      if (band == nullptr) continue;
      for (const int32_t cx : xs) {
        for (const Region::Span& span : shape.SpansOf(*band)) {
          const Region::Span moved{std::max(cx + span.left, 0), std::min(cx + span.right, W)};
          if (moved.left < moved.right) spans.push_back(moved);
        }
      }
    }
    NormalizeSpans(spans);
    builder.AddBand(y, y + 1, spans);
  }
  return builder.Finish();
}

// Reveals the new picture through one copy of the shape at every grid centre; nothing when
// there is no centre (an empty picture).
void RevealGrid(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                const std::vector<int32_t>& xs, const std::vector<int32_t>& ys,
                const Region& shape) {
  if (xs.empty() || ys.empty()) return;
  ClippedReveal(Screen, Picture, GridUnion(shape, xs, ys, W, H));
}

}  // namespace

void TriangularShred(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t, int32_t,
                     int32_t Progress) {
  const int32_t sx = W / 10 + 1;
  const int32_t sy = H / 10 + 1;
  const int32_t dx = MulDiv(sx, Progress, 50);
  const int32_t dy = MulDiv(sy, Progress, 50);
  const int32_t triangle[] = {-dx, -dy, 0, dy, dx, -dy};  // pointing down
  RevealGrid(Screen, Picture, W, H, Centres(sx, W), Centres(sy, H + sy), PolygonRegion(triangle));
}

void CircularShred(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t, int32_t,
                   int32_t Progress) {
  const int32_t s = std::min(W, H) / 10 + 1;
  const int32_t r = MulDiv(3 * s, Progress, 200);
  RevealGrid(Screen, Picture, W, H, Centres(s, W), Centres(s, H), Region::Ellipse({-r, -r, r, r}));
}

void DiamondShred(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t, int32_t,
                  int32_t Progress) {
  const int32_t s = std::min(W, H) / 10 + 1;
  const int32_t d = MulDiv(s, Progress, 50);
  const int32_t diamond[] = {-d, 0, 0, -d, d, 0, 0, d};
  RevealGrid(Screen, Picture, W, H, Centres(s, W), Centres(s, H), PolygonRegion(diamond));
}
