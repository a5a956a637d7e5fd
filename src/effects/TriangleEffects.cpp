#include "effects/TriangleEffects.h"

#include <algorithm>
#include <initializer_list>
#include <span>
#include <vector>

#include "effects/ClippedReveal.h"
#include "effects/RegionBuilders.h"
#include "raster/RegionBuilder.h"

using std::int32_t;

namespace {

Region Tri(Point a, Point b, Point c) {
  const int32_t coords[] = {a.x, a.y, b.x, b.y, c.x, c.y};
  return PolygonRegion(coords);
}

Region Quad(Point a, Point b, Point c, Point d) {
  const int32_t coords[] = {a.x, a.y, b.x, b.y, c.x, c.y, d.x, d.y};
  return PolygonRegion(coords);
}

// The spans of row y of each shape, cut to 0..W, added to `spans`; bandAt[k] follows shape k
// down the rows.
void AddRowSpans(std::initializer_list<Region> shapes, std::vector<std::size_t>& bandAt, int32_t y,
                 int32_t W, std::vector<Region::Span>& spans) {
  std::size_t k = 0;
  for (const Region& shape : shapes) {
    const auto bands = shape.Bands();
    std::size_t& at = bandAt[k++];
    while (at < bands.size() && bands[at].bottom <= y) ++at;
    if (at == bands.size() || bands[at].top > y) continue;
    for (const Region::Span& span : shape.SpansOf(bands[at])) {
      const Region::Span inside{std::max(span.left, 0), std::min(span.right, W)};
      if (inside.left < inside.right) spans.push_back(inside);
    }
  }
}

// The pixels covered by an odd number of the spans (each shape's spans are disjoint), as
// sorted, non-touching spans.
void KeepOddCover(std::vector<Region::Span>& spans) {
  std::vector<int32_t> edges;
  for (const Region::Span& span : spans) edges.insert(edges.end(), {span.left, span.right});
  std::sort(edges.begin(), edges.end());
  spans.clear();
  bool odd = false;
  int32_t start = 0;
  for (std::size_t i = 0; i < edges.size();) {
    const int32_t x = edges[i];
    std::size_t same = 0;
    for (; i < edges.size() && edges[i] == x; ++i) ++same;
    if (same % 2 == 0) continue;
    odd = !odd;
    if (odd) start = x;
    if (!odd) spans.push_back({start, x});
  }
}

// The shapes united (op Or) or combined by exclusive-or (op Xor) within the picture, the only
// part that shows, built row by row straight into bands instead of combining the shapes one
// after the other; the pixels are the same.
Region Combined(Region::Op op, int32_t W, int32_t H, std::initializer_list<Region> shapes) {
  std::vector<std::size_t> bandAt(shapes.size(), 0);
  std::vector<Region::Span> spans;
  RegionBuilder builder;
  for (int32_t y = 0; y < H; ++y) {
    spans.clear();
    AddRowSpans(shapes, bandAt, y, W, spans);
    if (op == Region::Op::Xor) {
      KeepOddCover(spans);
    } else {
      NormalizeSpans(spans);
    }
    builder.AddBand(y, y + 1, spans);
  }
  return builder.Finish();
}

Region Union(int32_t W, int32_t H, std::initializer_list<Region> shapes) {
  return Combined(Region::Op::Or, W, H, shapes);
}

Region Xor(int32_t W, int32_t H, std::initializer_list<Region> shapes) {
  return Combined(Region::Op::Xor, W, H, shapes);
}

}  // namespace

void RevealDiagonalFromTopLeft(Bitmap& Screen, const Bitmap& Picture, int32_t, int32_t, int32_t X,
                               int32_t Y, int32_t) {
  ClippedReveal(Screen, Picture, Tri({0, 0}, {2 * X, 0}, {0, 2 * Y}));
}

void RevealDiagonalFromTopRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t,
                                int32_t X, int32_t Y, int32_t) {
  ClippedReveal(Screen, Picture, Tri({W, 0}, {W - 2 * X, 0}, {W, 2 * Y}));
}

void RevealDiagonalFromBottomLeft(Bitmap& Screen, const Bitmap& Picture, int32_t, int32_t H,
                                  int32_t X, int32_t Y, int32_t) {
  ClippedReveal(Screen, Picture, Tri({0, H}, {2 * X, H}, {0, H - 2 * Y}));
}

void RevealDiagonalFromBottomRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                   int32_t X, int32_t Y, int32_t) {
  ClippedReveal(Screen, Picture, Tri({W, H}, {W - 2 * X, H}, {W, H - 2 * Y}));
}

void DiagonalSweepAnticlockwise(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                int32_t X, int32_t, int32_t) {
  ClippedReveal(Screen, Picture,
                Union(W, H, {Tri({0, H}, {0, 0}, {X, H}), Tri({W, H}, {W, 0}, {W - X, 0})}));
}

void DiagonalSweepClockwise(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t,
                            int32_t Y, int32_t) {
  ClippedReveal(Screen, Picture,
                Union(W, H, {Tri({W, 0}, {0, 0}, {W, Y}), Tri({W, H}, {0, H}, {0, H - Y})}));
}

void StarburstClockwise(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                        int32_t Y, int32_t) {
  const Point c{W / 2, H / 2};
  ClippedReveal(Screen, Picture,
                Union(W, H,
                      {Tri(c, {0, 0}, {X, 0}), Tri(c, {0, H}, {0, H - Y}),
                       Tri(c, {W, H}, {W - X, H}), Tri(c, {W, 0}, {W, Y})}));
}

void StarburstAnticlockwise(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                            int32_t Y, int32_t) {
  const Point c{W / 2, H / 2};
  ClippedReveal(Screen, Picture,
                Union(W, H,
                      {Tri(c, {0, 0}, {0, Y}), Tri(c, {0, H}, {X, H}), Tri(c, {W, H}, {W, H - Y}),
                       Tri(c, {W, 0}, {W - X, 0})}));
}

void RevealVFromLeft(Bitmap& Screen, const Bitmap& Picture, int32_t, int32_t H, int32_t X,
                     int32_t Y, int32_t) {
  const int32_t cy = H / 2;
  ClippedReveal(Screen, Picture, Tri({0, cy - Y}, {2 * X, cy}, {0, cy + Y}));
}

void RevealVFromRight(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                      int32_t Y, int32_t) {
  const int32_t cy = H / 2;
  ClippedReveal(Screen, Picture, Tri({W, cy - Y}, {W - 2 * X, cy}, {W, cy + Y}));
}

void RevealVFromTop(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t, int32_t X, int32_t Y,
                    int32_t) {
  const int32_t cx = W / 2;
  ClippedReveal(Screen, Picture, Tri({cx - X, 0}, {cx, 2 * Y}, {cx + X, 0}));
}

void RevealVFromBottom(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                       int32_t Y, int32_t) {
  const int32_t cx = W / 2;
  ClippedReveal(Screen, Picture, Tri({cx - X, H}, {cx, H - 2 * Y}, {cx + X, H}));
}

void BowTieHorizontal(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                      int32_t Y, int32_t) {
  const int32_t cy = H / 2;
  ClippedReveal(
      Screen, Picture,
      Union(W, H,
            {Tri({0, cy - Y}, {X, cy}, {0, cy + Y}), Tri({W, cy - Y}, {W - X, cy}, {W, cy + Y})}));
}

void BowTieVertical(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                    int32_t Y, int32_t) {
  const int32_t cx = W / 2;
  ClippedReveal(Screen, Picture,
                Union(W, H,
                      {Tri({cx - X, 0}, {cx, 2 * Y}, {cx + X, 0}),
                       Tri({cx - X, H}, {cx, H - 2 * Y}, {cx + X, H})}));
}

void DiagonalCrossIn(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                     int32_t Y, int32_t) {
  const int32_t cx = W / 2;
  const int32_t cy = H / 2;
  const int32_t h = X / 2;
  const int32_t v = Y / 2;
  ClippedReveal(
      Screen, Picture,
      Union(W, H,
            {Tri({0, cy - v}, {h, cy}, {0, cy + v}), Tri({W, cy - v}, {W - h, cy}, {W, cy + v}),
             Tri({cx - h, 0}, {cx, v}, {cx + h, 0}), Tri({cx - h, H}, {cx, H - v}, {cx + h, H})}));
}

void DiagonalCrossOut(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                      int32_t Y, int32_t) {
  const int32_t cx = W / 2;
  const int32_t cy = H / 2;
  const int32_t h = (W - X) / 2;
  const int32_t v = (H - Y) / 2;
  ClippedReveal(
      Screen, Picture,
      Xor(W, H,
          {Region({0, 0, W, H}), Tri({0, cy - v}, {h, cy}, {0, cy + v}),
           Tri({W, cy - v}, {W - h, cy}, {W, cy + v}), Tri({cx - h, 0}, {cx, v}, {cx + h, 0}),
           Tri({cx - h, H}, {cx, H - v}, {cx + h, H})}));
}

void RevealDiamondOutFromCentre(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H,
                                int32_t X, int32_t Y, int32_t) {
  const int32_t cx = W / 2;
  const int32_t cy = H / 2;
  ClippedReveal(Screen, Picture, Quad({cx - X, cy}, {cx, cy - Y}, {cx + X, cy}, {cx, cy + Y}));
}

void RevealDiamondInToCentre(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                             int32_t Y, int32_t) {
  const int32_t cx = W / 2;
  const int32_t cy = H / 2;
  ClippedReveal(Screen, Picture,
                Xor(W, H,
                    {Region({0, 0, W, H}),
                     Quad({X - cx, cy}, {cx, Y - cy}, {3 * cx - X, cy}, {cx, 3 * cy - Y})}));
}

void DiagonalBoxOut(Bitmap& Screen, const Bitmap& Picture, int32_t W, int32_t H, int32_t X,
                    int32_t Y, int32_t) {
  const int32_t cx = W / 2;
  const int32_t cy = H / 2;
  const int32_t h = X / 2;
  const int32_t v = Y / 2;
  ClippedReveal(Screen, Picture,
                Xor(W, H,
                    {Quad({-h, cy}, {cx, -v}, {2 * cx + h, cy}, {cx, 2 * cy + v}),
                     Quad({h, cy}, {cx, v}, {2 * cx - h, cy}, {cx, 2 * cy - v})}));
}
