// The worked examples of styles 60 to 171: which pixels of a frame show the new picture, and
// from where.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "RevealChecks.h"
#include "effects/RegionBuilders.h"
#include "platform/Random.h"

namespace {

TEST(BarEffects, BarsInFromRightAroundTheMiddle) {
  // Progress 50: X = 320, 2X = W: the even rows are complete, the odd ones untouched.
  ExpectRevealed(Frame(60, 640, 480, 50), [](int, int y) { return (y / 10) % 2 == 0; });
  // Progress 51: X = 326; the odd rows show the new picture from column 628.
  ExpectRevealed(Frame(60, 640, 480, 51),
                 [](int x, int y) { return (y / 10) % 2 == 0 || x >= 628; });
}

TEST(BarEffects, BarsFromBothSidesNearTheEnd) {
  // X = 634: even rows from the right cover 6..639, odd rows from the left 0..633.
  ExpectRevealed(Frame(64, 640, 480, 99),
                 [](int x, int y) { return (y / 10) % 2 == 0 ? x >= 6 : x < 634; });
}

TEST(BarEffects, BarsOnASmallPictureAreThreePixelsThick) {
  // 150 x 100 at progress 25: X = 38, bars of 3 rows every 6, even ones 76 long from the right.
  ExpectRevealed(Frame(60, 150, 100, 25), [](int x, int y) { return (y / 3) % 2 == 0 && x >= 74; });
}

TEST(CrissCross, BounceFromTopLeftBeforeAndAfterTheTurn) {
  std::vector<Rect> quarter;
  for (int y = 0; y <= 480; y += 20) quarter.push_back({0, y, 320, y + 10});
  for (int x = 0; x <= 640; x += 20) quarter.push_back({x, 0, x + 10, 240});
  ExpectRevealed(Frame(90, 640, 480, 25), Region::FromRects(quarter));

  std::vector<Rect> threeQuarters;
  for (int y = 10; y <= 470; y += 20) {
    threeQuarters.push_back({320, y, 640, y + 10});
    threeQuarters.push_back({0, y - 10, 640, y});
  }
  for (int x = 10; x <= 630; x += 20) {
    threeQuarters.push_back({x, 240, x + 10, 480});
    threeQuarters.push_back({x - 10, 0, x, 480});
  }
  ExpectRevealed(Frame(90, 640, 480, 75), Region::FromRects(threeQuarters));
}

TEST(CrissCross, BottomLeftTopRightShowsOnlyCrossingsOfTheTwoPatterns) {
  ExpectRevealed(Frame(99, 640, 480, 25), [](int x, int y) {
    const bool evenCell = (x / 10) % 2 == 0 && (y / 10) % 2 == 0;
    return evenCell && ((x >= 320 && y < 240) || (x < 320 && y >= 240));
  });
}

TEST(ShredEffects, DrawNewLengthsEveryFrameOnePerStrip) {
  // 640 x 480: strips 3 rows thick, 160 of them.
  const Bitmap old = Tagged(640, 480, kOld);
  const Bitmap picture = Tagged(640, 480, kNew);
  SetRandSeed(31);
  const Bitmap first = RunEffect(65, old, picture, 50);
  RandomGenerator replay(31);
  for (int i = 0; i < 160; ++i) replay.Random(1);
  EXPECT_EQ(RandSeed(), replay.Seed());
  const Bitmap second = RunEffect(65, old, picture, 50);
  EXPECT_NE(std::memcmp(first.Bits(), second.Bits(), first.Stride() * 480), 0);
}

TEST(CurvedEffects, EllipticRevealOutAndIn) {
  // 84 at 50: RoundRect(0, 0, 640, 480, 576, 432): all but the four corners.
  const Bitmap out = Frame(84, 640, 480, 50);
  for (const Point p : {Point{320, 240}, Point{0, 240}, Point{320, 0}, Point{639, 240}}) {
    EXPECT_TRUE(IsNew(out, p.x, p.y)) << p.x << "," << p.y;
  }
  for (const Point p : {Point{0, 0}, Point{30, 30}, Point{639, 479}, Point{639, 0}}) {
    EXPECT_FALSE(IsNew(out, p.x, p.y)) << p.x << "," << p.y;
  }
  // 85 at 1: the shrinking shape still holds the whole picture; by 50 the corners are new.
  ExpectRevealed(Frame(85, 640, 480, 1), [](int, int) { return false; });
  const Bitmap in = Frame(85, 640, 480, 50);
  EXPECT_TRUE(IsNew(in, 0, 0));
  EXPECT_TRUE(IsNew(in, 639, 479));
  EXPECT_FALSE(IsNew(in, 320, 240));
}

TEST(TriangleEffects, RevealDiagonalFromTopLeftAtHalfway) {
  // Corners (0, 0), (640, 0), (0, 480): the top-left half, split along the diagonal.
  const Bitmap frame = Frame(110, 640, 480, 50);
  for (int y = 0; y < 480; y += 7) {
    for (int x = 0; x < 640; x += 7) {
      const double side = x / 640.0 + y / 480.0;
      if (side < 0.995) {
        ASSERT_TRUE(IsNew(frame, x, y)) << x << "," << y;
      }
      if (side > 1.005) {
        ASSERT_FALSE(IsNew(frame, x, y)) << x << "," << y;
      }
    }
  }
}

Region Tri(Point a, Point b, Point c) {
  const std::int32_t coords[] = {a.x, a.y, b.x, b.y, c.x, c.y};
  return PolygonRegion(coords);
}

Region Or(const Region& a, const Region& b) {
  return Region::Combine(a, b, Region::Op::Or);
}

TEST(TriangleEffects, UnitedTrianglesAsListed) {
  // Starburst clockwise, and the bow tie whose tips cross after the middle.
  const int w = 200;
  const int h = 120;
  const Point c{100, 60};
  for (const int progress : {10, 40, 60, 95}) {
    SCOPED_TRACE(testing::Message() << "progress " << progress);
    const ProgressPixels p = ProgressToPixels(w, h, progress);
    const int X = p.x;
    const int Y = p.y;
    const Region starburst =
        Or(Or(Or(Tri(c, {0, 0}, {X, 0}), Tri(c, {0, h}, {0, h - Y})), Tri(c, {w, h}, {w - X, h})),
           Tri(c, {w, 0}, {w, Y}));
    ExpectRevealed(Frame(116, w, h, progress), starburst);
    const Region bowTie =
        Or(Tri({0, 60 - Y}, {X, 60}, {0, 60 + Y}), Tri({w, 60 - Y}, {w - X, 60}, {w, 60 + Y}));
    ExpectRevealed(Frame(157, w, h, progress), bowTie);
  }
}

Region Xor(const Region& a, const Region& b) {
  return Region::Combine(a, b, Region::Op::Xor);
}

Region Quad(Point a, Point b, Point c, Point d) {
  const std::int32_t coords[] = {a.x, a.y, b.x, b.y, c.x, c.y, d.x, d.y};
  return PolygonRegion(coords);
}

TEST(TriangleEffects, ExclusiveOrOfShapesAsListed) {
  // Diagonal cross out, diamond in to centre and diagonal box out on a 200 x 120 picture.
  const int w = 200;
  const int h = 120;
  const int cx = 100;
  const int cy = 60;
  const Region all({0, 0, w, h});
  for (const int progress : {10, 40, 60, 95}) {
    SCOPED_TRACE(testing::Message() << "progress " << progress);
    const ProgressPixels p = ProgressToPixels(w, h, progress);
    const int X = p.x;
    const int Y = p.y;
    const int h1 = (w - X) / 2;
    const int v1 = (h - Y) / 2;
    const Region crossOut = Xor(Xor(Xor(Xor(all, Tri({0, cy - v1}, {h1, cy}, {0, cy + v1})),
                                        Tri({w, cy - v1}, {w - h1, cy}, {w, cy + v1})),
                                    Tri({cx - h1, 0}, {cx, v1}, {cx + h1, 0})),
                                Tri({cx - h1, h}, {cx, h - v1}, {cx + h1, h}));
    ExpectRevealed(Frame(160, w, h, progress), crossOut);
    ExpectRevealed(Frame(166, w, h, progress),
                   Xor(all, Quad({X - cx, cy}, {cx, Y - cy}, {3 * cx - X, cy}, {cx, 3 * cy - Y})));
    const int h2 = X / 2;
    const int v2 = Y / 2;
    ExpectRevealed(Frame(167, w, h, progress),
                   Xor(Quad({-h2, cy}, {cx, -v2}, {2 * cx + h2, cy}, {cx, 2 * cy + v2}),
                       Quad({h2, cy}, {cx, v2}, {2 * cx - h2, cy}, {cx, 2 * cy - v2})));
  }
}

TEST(SweepEffects, ClockwiseQuarterAndAnticlockwiseHalf) {
  // The corner pixel, 399.3 pixels from the centre, may fall to the chords of the arc.
  const Bitmap quarter = Frame(143, 640, 480, 25);
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) {
      if (x >= 636 && y <= 3) continue;
      ASSERT_EQ(IsNew(quarter, x, y), x >= 320 && y < 240) << x << "," << y;
    }
  }
  const Bitmap half = Frame(144, 640, 480, 50);
  for (int y = 0; y < 480; y += 5) {
    for (int x = 0; x < 640; x += 5) {
      if (x < 318) {
        ASSERT_TRUE(IsNew(half, x, y)) << x << "," << y;
      }
      if (x > 321) {
        ASSERT_FALSE(IsNew(half, x, y)) << x << "," << y;
      }
    }
  }
  // Progress 1: a thin slice above the centre.
  const Bitmap thin = Frame(143, 640, 480, 1);
  EXPECT_TRUE(IsNew(thin, 322, 10));
  EXPECT_FALSE(IsNew(thin, 318, 10));
  EXPECT_FALSE(IsNew(thin, 400, 10));
}

}  // namespace
