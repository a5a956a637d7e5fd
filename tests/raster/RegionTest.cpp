#include "raster/Region.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/Random.h"

namespace {

using Inside = std::function<bool(int, int)>;

// Compares a region pixel by pixel with a membership rule over a window that holds both.
void ExpectSameArea(const Region& region, const Inside& inside, const Rect& window) {
  for (int y = window.top; y < window.bottom; ++y) {
    for (int x = window.left; x < window.right; ++x) {
      ASSERT_EQ(region.Contains(x, y), inside(x, y)) << "pixel (" << x << ", " << y << ")";
    }
  }
}

bool InAny(const std::vector<Rect>& rects, int x, int y) {
  for (const Rect& r : rects) {
    if (r.Contains(x, y)) return true;
  }
  return false;
}

std::vector<Rect> RandomRects(RandomGenerator& random, int count) {
  std::vector<Rect> rects;
  for (int i = 0; i < count; ++i) {
    // Some come out empty or inverted on purpose.
    const int l = random.Random(40) - 5;
    const int t = random.Random(40) - 5;
    rects.push_back({l, t, l + random.Random(20) - 3, t + random.Random(20) - 3});
  }
  return rects;
}

int Area(const Region& region) {
  int area = 0;
  for (const Rect& r : region.Rects()) area += static_cast<int>(r.Width() * r.Height());
  return area;
}

TEST(RegionTest, FromRectsIsTheUnionOfTheNonEmptyRectangles) {
  RandomGenerator random(7);
  for (int round = 0; round < 30; ++round) {
    const std::vector<Rect> rects = RandomRects(random, 1 + round);
    const Region region = Region::FromRects(rects);
    ExpectSameArea(region, [&](int x, int y) { return InAny(rects, x, y); }, {-10, -10, 60, 60});
  }
}

TEST(RegionTest, CombineMatchesTheBooleanOperationPixelByPixel) {
  RandomGenerator random(11);
  const struct {
    Region::Op op;
    std::function<bool(bool, bool)> rule;
  } cases[] = {
      {Region::Op::Or, [](bool a, bool b) { return a || b; }},
      {Region::Op::And, [](bool a, bool b) { return a && b; }},
      {Region::Op::Xor, [](bool a, bool b) { return a != b; }},
      {Region::Op::Diff, [](bool a, bool b) { return a && !b; }},
  };
  for (int round = 0; round < 15; ++round) {
    const std::vector<Rect> ra = RandomRects(random, 6);
    const std::vector<Rect> rb = RandomRects(random, 6);
    for (const auto& c : cases) {
      const Region combined = Region::Combine(Region::FromRects(ra), Region::FromRects(rb), c.op);
      ExpectSameArea(combined,
                     [&](int x, int y) { return c.rule(InAny(ra, x, y), InAny(rb, x, y)); },
                     {-10, -10, 60, 60});
    }
  }
}

TEST(RegionTest, EqualAreasCompareEqualWhicheverWayTheyWereBuilt) {
  const Rect halves[] = {{0, 0, 10, 10}, {10, 0, 20, 10}};
  EXPECT_EQ(Region::FromRects(halves), Region(Rect{0, 0, 20, 10}));
  const Region stacked =
      Region::Combine(Region(Rect{0, 0, 20, 5}), Region(Rect{0, 5, 20, 10}), Region::Op::Or);
  EXPECT_EQ(stacked, Region(Rect{0, 0, 20, 10}));
  EXPECT_EQ(stacked.Bands().size(), 1u);
  EXPECT_EQ(Region::Combine(stacked, stacked, Region::Op::Xor), Region());
}

TEST(RegionTest, EmptyAndInvertedRectanglesGiveAnEmptyRegion) {
  const Rect rects[] = {{5, 5, 5, 9}, {9, 9, 3, 3}, {0, 4, 10, 4}};
  const Region region = Region::FromRects(rects);
  EXPECT_TRUE(region.IsEmpty());
  EXPECT_EQ(region.Bounds(), Rect{});
  EXPECT_TRUE(Region(Rect{3, 3, 1, 1}).IsEmpty());
}

TEST(RegionTest, BoundsClippingAndOffset) {
  const Rect rects[] = {{0, 0, 4, 4}, {10, 20, 12, 30}};
  Region region = Region::FromRects(rects);
  EXPECT_EQ(region.Bounds(), (Rect{0, 0, 12, 30}));
  EXPECT_EQ(region.Clipped({2, 2, 11, 25}).Rects(),
            (std::vector<Rect>{{2, 2, 4, 4}, {10, 20, 11, 25}}));
  region.Offset(-5, 100);
  EXPECT_EQ(region.Rects(), (std::vector<Rect>{{-5, 100, -1, 104}, {5, 120, 7, 130}}));
  // Coordinates saturate instead of wrapping.
  Region far(Rect{INT32_MAX - 10, 0, INT32_MAX, 1});
  far.Offset(100, 0);
  EXPECT_TRUE(far.IsEmpty());
}

TEST(RegionTest, ThousandsOfOverlappingRectanglesStayExact) {
  // The shape of a speckled fringe: rows 5 high every 2 pixels, each with loose squares.
  std::vector<Rect> rects;
  RandomGenerator random(3);
  for (int y = 0; y < 300; y += 2) {
    rects.push_back({100, y, 400, y + 5});
    for (int i = 1; i <= 20; ++i) {
      if (random.Random(i) <= 1) rects.push_back({100 - 5 * i, y, 105 - 5 * i, y + 5});
    }
  }
  const Region region = Region::FromRects(rects);
  ExpectSameArea(region, [&](int x, int y) { return InAny(rects, x, y); }, {-10, -5, 410, 310});
}

TEST(RegionTest, PolygonIsFilledByTheWindingRule) {
  // A five-pointed star drawn in one stroke winds twice around its centre: the winding rule
  // fills the centre, which the even-odd rule would leave empty.
  const Point star[] = {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
  const Region region = Region::Polygon(star);
  EXPECT_TRUE(region.Contains(50, 50));
  EXPECT_TRUE(region.Contains(50, 10));
  EXPECT_FALSE(region.Contains(5, 80));
  EXPECT_EQ(region.Bounds().bottom, 90);
}

TEST(RegionTest, PolygonCoversThePixelsWhoseCentresLieInside) {
  const Point square[] = {{2, 3}, {12, 3}, {12, 8}, {2, 8}};
  EXPECT_EQ(Region::Polygon(square), Region(Rect{2, 3, 12, 8}));
  // A right triangle with legs 10: the pixel centres under the diagonal.
  const Point triangle[] = {{0, 0}, {10, 0}, {0, 10}};
  ExpectSameArea(Region::Polygon(triangle),
                 [](int x, int y) { return x >= 0 && y >= 0 && x + y + 1 < 10; }, {-2, -2, 12, 12});
  // Degenerate polygons are empty, not errors.
  const Point line[] = {{0, 0}, {5, 5}, {10, 10}};
  EXPECT_TRUE(Region::Polygon(line).IsEmpty());
  EXPECT_TRUE(Region::Polygon(std::span<const Point>()).IsEmpty());
}

TEST(RegionTest, EllipseIsInscribedAndSymmetric) {
  const Region ellipse = Region::Ellipse({0, 0, 40, 20});
  EXPECT_EQ(ellipse.Bounds(), (Rect{0, 0, 40, 20}));
  EXPECT_FALSE(ellipse.Contains(0, 0));
  EXPECT_FALSE(ellipse.Contains(39, 19));
  EXPECT_TRUE(ellipse.Contains(0, 10));
  EXPECT_TRUE(ellipse.Contains(20, 0));
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 40; ++x) {
      ASSERT_EQ(ellipse.Contains(x, y), ellipse.Contains(39 - x, y));
      ASSERT_EQ(ellipse.Contains(x, y), ellipse.Contains(x, 19 - y));
    }
  }
  // The inverted rectangle gives the same ellipse.
  EXPECT_EQ(Region::Ellipse({40, 20, 0, 0}), ellipse);
}

TEST(RegionTest, RoundRectRoundsOnlyItsCornersAndLimitsTheEllipse) {
  const Region round = Region::RoundRect({0, 0, 100, 50}, 20, 10);
  EXPECT_FALSE(round.Contains(0, 0));
  EXPECT_TRUE(round.Contains(10, 0));
  EXPECT_TRUE(round.Contains(0, 5));
  EXPECT_TRUE(round.Contains(99, 25));
  // The four corners together lose about (1 - pi / 4) of one 20 by 10 ellipse's box: 43.
  EXPECT_NEAR(Area(round), 100 * 50 - 43, 8);
  // An ellipse larger than the rectangle is limited to it.
  EXPECT_EQ(Region::RoundRect({0, 0, 40, 20}, 400, 200), Region::Ellipse({0, 0, 40, 20}));
  EXPECT_EQ(Region::RoundRect({0, 0, 40, 20}, 0, 0), Region(Rect{0, 0, 40, 20}));
  // Only the curved rows are built one by one: a very tall rectangle is a handful of bands.
  const Region tall = Region::RoundRect({0, -2000000000, 10, 2000000000}, 4, 4);
  EXPECT_TRUE(tall.Contains(0, 0));
  EXPECT_FALSE(tall.Contains(0, -2000000000));
  EXPECT_LE(tall.Bands().size(), 5u);
}

}  // namespace
