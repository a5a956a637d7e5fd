// The rectangle accumulator, the region builders and the pixel helpers the effects of styles
// 60 to 171 share.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

#include "TaggedPictures.h"
#include "effects/ComplexRegion.h"
#include "effects/PixelHelpers.h"
#include "effects/RegionBuilders.h"
#include "platform/Errors.h"
#include "platform/Random.h"

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

// The seed after n draws from the given one.
std::uint32_t Advanced(std::uint32_t seed, int n) {
  RandomGenerator generator(seed);
  for (int i = 0; i < n; ++i) generator.Random(1);
  return generator.Seed();
}

TEST(ComplexRegion, GrowsByFiveHundredAndKeepsRectanglesAsGiven) {
  TComplexRegion acc;
  EXPECT_EQ(acc.Capacity(), 0);
  EXPECT_EQ(acc.Bounds(), (Rect{2147483647, 2147483647, -2147483647, -2147483647}));
  EXPECT_FALSE(acc.CreateRegion().has_value());

  acc.AddRect(5, 5, 5, 9);  // empty, yet counted and bounding
  EXPECT_EQ(acc.Capacity(), 500);
  EXPECT_EQ(acc.Bounds(), (Rect{5, 5, 5, 9}));
  ASSERT_TRUE(acc.CreateRegion().has_value());
  EXPECT_TRUE(acc.CreateRegion()->IsEmpty());

  for (int i = 1; i < 501; ++i) acc.AddRect(i, 0, i + 1, 1);
  EXPECT_EQ(acc.Count(), 501);
  EXPECT_EQ(acc.Capacity(), 1000);
  EXPECT_EQ(acc.Rects()[0], (Rect{5, 5, 5, 9}));
  EXPECT_EQ(acc.Rects()[500], (Rect{500, 0, 501, 1}));
  EXPECT_EQ(acc.Bounds(), (Rect{1, 0, 501, 9}));

  acc.Clear();
  EXPECT_EQ(acc.Count(), 0);
  EXPECT_EQ(acc.Capacity(), 0);
  EXPECT_FALSE(acc.CreateRegion().has_value());
}

TEST(ComplexRegion, RegionIsTheUnionOfNonEmptyRectangles) {
  TComplexRegion acc;
  acc.AddRect(0, 0, 10, 10);
  acc.AddRect(5, 5, 20, 20);    // overlapping
  acc.AddRect(30, 30, 25, 40);  // inverted: nothing
  const Region expected =
      Region::Combine(Region({0, 0, 10, 10}), Region({5, 5, 20, 20}), Region::Op::Or);
  EXPECT_EQ(*acc.CreateRegion(), expected);
  EXPECT_EQ(*acc.CreateRegion(), expected);  // again, from the unchanged accumulator
}

Region Rows(std::vector<Rect> rects) {
  return Region::FromRects(rects);
}

TEST(BarRegion, FirstAndSecondHalfOfKindOne) {
  std::vector<Rect> first;
  for (int y = 0; y <= 480; y += 20) first.push_back({320, y, 640, y + 10});
  EXPECT_EQ(CreateBarRegion(320, 0, 640, 480, 1, 0), Rows(first));

  std::vector<Rect> second;
  for (int y = 10; y <= 470; y += 20) {
    second.push_back({320, y, 640, y + 10});
    second.push_back({0, y - 10, 640, y});
  }
  EXPECT_EQ(CreateBarRegion(960, 0, 640, 480, 1, 0), Rows(second));
}

TEST(BarRegion, KindThreeGrowsEvenAndOddBarsFromOppositeSides) {
  std::vector<Rect> rows;
  std::vector<Rect> columns;
  for (int y = 0; y < 490; y += 20) {
    rows.push_back({0, y + 10, 100, y + 20});
    rows.push_back({540, y, 640, y + 10});
  }
  EXPECT_EQ(CreateBarRegion(100, 0, 640, 480, 3, 0), Rows(rows));
  // The same with the axes exchanged: even columns from the bottom, odd ones from the top.
  for (int x = 0; x < 650; x += 20) {
    columns.push_back({x, 380, x + 10, 480});
    columns.push_back({x + 10, 0, x + 20, 100});
  }
  EXPECT_EQ(CreateBarRegion(0, 100, 640, 480, 0, 3), Rows(columns));
}

TEST(ShredRegion, ExactStripsWhenTheAdvanceReachesTheSide) {
  const std::uint32_t seed = 777;
  SetRandSeed(seed);
  EXPECT_EQ(CreateShredRegion(1000, 0, 1000, 700, 2, 0), Region({0, 0, 1000, 700}));
  EXPECT_EQ(RandSeed(), Advanced(seed, 175));  // one number per 4-pixel row, though j = 0
}

TEST(ShredRegion, RowsThenColumnsDrawOneLengthEachInOrder) {
  // 100 x 100: strips one pixel thick, jitter 10 either way.
  SetRandSeed(4242);
  const Region region = CreateShredRegion(30, 60, 100, 100, 2, 1);
  RandomGenerator replay(4242);
  std::vector<Rect> expected;
  for (int y = 0; y < 100; ++y) expected.push_back({0, y, replay.Random(20) - 10 + 30, y + 1});
  for (int x = 0; x < 100; ++x)
    expected.push_back({x, 100 - (replay.Random(20) + 60 - 10), x + 1, 100});
  EXPECT_EQ(region, Region::FromRects(expected));
  EXPECT_EQ(RandSeed(), replay.Seed());
}

TEST(ShredRegion, CentreAndEdgeKindsSplitEachLengthInHalves) {
  SetRandSeed(1);
  // Length 1000 on a 1000-wide picture: no jitter, halves of 500.
  EXPECT_EQ(CreateShredRegion(1000, 0, 1000, 700, 3, 0), Region({0, 0, 1000, 700}));
  const Region edges = CreateShredRegion(600, 0, 1000, 700, 4, 0);
  EXPECT_TRUE(edges.Contains(0, 350));
  EXPECT_TRUE(edges.Contains(999, 350));
  EXPECT_FALSE(edges.Contains(500, 350));  // at most (600 + 99) div 2 from each edge
}

TEST(SpeckleRegion, SolidPartAndFirstSquareInEveryRow) {
  const std::uint32_t seed = 99;
  SetRandSeed(seed);
  const Region region = CreateSpeckleRegion(300, 0, 1000, 700, 1, 0);
  // z = 100, s = 5, step = 2, n = 20: 350 rows of 20 draws each.
  EXPECT_EQ(RandSeed(), Advanced(seed, 350 * 20));
  for (int y = 0; y < 700; ++y) {
    ASSERT_TRUE(region.Contains(695, y)) << y;  // square 1 is always added
    ASSERT_TRUE(region.Contains(999, y)) << y;
  }
  // Nothing lies beyond the fringe, and the fringe is speckled, not solid.
  EXPECT_GE(region.Bounds().left, 600);
  int shown = 0;
  for (int y = 0; y < 700; ++y) shown += region.Contains(602, y) ? 1 : 0;
  EXPECT_GT(shown, 0);
  EXPECT_LT(shown, 350);
}

// The speckle pattern as listed: for each strip its solid part, then squares n down to 1, each
// drawn, one number per square, from a generator replaying the shared one.
std::vector<Rect> ListedSpeckles(RandomGenerator& g, int len, int w, int h, int kind, bool rows) {
  const int side = rows ? w : h;
  const int z = len < side ? side / 10 : 0;
  const int s = std::max(z / 20, 2);
  const int n = z / s;
  const int t = 3 * z / (4 * s);
  std::vector<Rect> rects;
  for (int p = 0; p < (rows ? h : w); p += s / 2) {
    const int from = kind == 1 ? side - len : 0;
    const int to = kind == 1 ? side : len;
    rects.push_back(rows ? Rect{from, p, to, p + s} : Rect{p, from, p + s, to});
    for (int i = n; i >= 1; --i) {
      const int r = g.Random(i);
      if (!(i <= t ? r <= 1 : r == 0)) continue;
      const int a = kind == 1 ? side - len - i * s : len + i * s - s;
      rects.push_back(rows ? Rect{a, p, a + s, p + s} : Rect{p, a, p + s, a + s});
    }
  }
  return rects;
}

TEST(SpeckleRegion, EveryKindIsTheUnionOfItsListedRectangles) {
  for (const int kind : {1, 2}) {
    for (const bool rows : {true, false}) {
      SCOPED_TRACE(testing::Message() << "kind " << kind << (rows ? " rows" : " columns"));
      SetRandSeed(2718);
      const Region region = rows ? CreateSpeckleRegion(130, 0, 400, 300, kind, 0)
                                 : CreateSpeckleRegion(0, 110, 400, 300, 0, kind);
      RandomGenerator replay(2718);
      const std::vector<Rect> listed =
          ListedSpeckles(replay, rows ? 130 : 110, 400, 300, kind, rows);
      EXPECT_EQ(region, Region::FromRects(listed));
      EXPECT_EQ(RandSeed(), replay.Seed());
    }
  }
}

TEST(SpeckleRegion, NoFringeOnceTheAdvanceReachesTheSide) {
  SetRandSeed(5);
  EXPECT_EQ(CreateSpeckleRegion(0, 700, 1000, 700, 0, 2), Region({0, 0, 1001, 700}));
  EXPECT_EQ(RandSeed(), 5u);  // n = 0: nothing drawn
}

TEST(SectorRegion, QuarterFromStraightUpToStraightRight) {
  const Region slice =
      CreateSectorRegion(320, 240, 400, -kPi / 2, -kPi / 2 + 2 * kPi * 25 / 100, 25);
  EXPECT_NEAR(slice.Bounds().left, 320, 1);
  EXPECT_NEAR(slice.Bounds().top, -160, 1);
  EXPECT_NEAR(slice.Bounds().right, 720, 1);
  EXPECT_NEAR(slice.Bounds().bottom, 240, 1);
  for (const Point p : {Point{322, 0}, Point{639, 0}, Point{639, 238}, Point{500, 100}}) {
    EXPECT_TRUE(slice.Contains(p.x, p.y)) << p.x << "," << p.y;
  }
  for (const Point p : {Point{318, 0}, Point{500, 242}, Point{100, 100}}) {
    EXPECT_FALSE(slice.Contains(p.x, p.y)) << p.x << "," << p.y;
  }
}

TEST(RotatePoints, PositiveAngleTurnsClockwiseOnScreen) {
  std::vector<Point> points = {{13, 3}, {3, -7}};
  RotatePoints(points, 3, 3, kPi / 2);
  EXPECT_EQ(points[0], (Point{3, 13}));  // right of the origin turns to below it
  EXPECT_EQ(points[1], (Point{13, 3}));  // above it turns to the right
}

TEST(RotateBitmap, AngleZeroShiftsByTheOffByOneCoordinates) {
  const Bitmap source = Tagged(9, 6, kNew);
  Bitmap dest = Tagged(9, 6, kOld);
  RotateBitmap(dest, source, 0, 0, 0);
  for (int r = 0; r < 6; ++r) {
    for (int c = 0; c < 9; ++c) {
      const Pixel expected = (c == 8 || r == 0) ? Tag(c, r, kOld) : Tag(c + 1, r - 1, kNew);
      ASSERT_EQ(dest.PixelAt(c, r), expected) << c << "," << r;
    }
  }
}

// The turn computed pixel by pixel exactly as defined, without shortcuts.
Bitmap ReferenceTurn(const Bitmap& dest, const Bitmap& source, int px, int py, long double angle) {
  Bitmap out = dest.Clone();
  const int w = source.Width();
  const int h = source.Height();
  const auto sn =
      static_cast<std::uint32_t>(static_cast<std::int32_t>(std::trunc(65536 * std::sin(-angle))));
  const auto cs =
      static_cast<std::uint32_t>(static_cast<std::int32_t>(std::trunc(65536 * std::cos(-angle))));
  const auto whole = [](std::uint32_t f) {
    return static_cast<std::int16_t>(static_cast<std::int32_t>(f) >> 16);
  };
  for (int r = 0; r < h; ++r) {
    for (int c = w - 1; c >= 0; --c) {
      const auto u = static_cast<std::uint32_t>(c + 1 - px);
      const auto v = static_cast<std::uint32_t>((h - r) - py);
      const int sx = px + whole(u * cs - v * sn);
      const int sy = py + whole(u * sn + v * cs);
      if (sx >= 0 && sx < w && sy >= 0 && sy < h)
        out.SetPixel(c, r, source.PixelAt(sx, h - 1 - sy));
    }
  }
  return out;
}

TEST(RotateBitmap, MatchesThePixelByPixelDefinition) {
  struct Case {
    int w, h;
  };
  // Small pictures, and a very wide one whose 16.16 coordinates wrap at 32 bits.
  for (const Case size : {Case{97, 61}, Case{1, 1}, Case{5, 64}, Case{50000, 2}}) {
    const Bitmap source = Tagged(size.w, size.h, kNew);
    const Bitmap old = Tagged(size.w, size.h, kOld);
    const Point pivots[] = {
        {-1, -1}, {-1, size.h}, {size.w, -1}, {size.w, size.h}, {size.w / 3, 7}};
    for (const Point pivot : pivots) {
      for (int k = -100; k <= 100; k += size.w > 1000 ? 25 : 3) {
        const long double angle = k * kPi / 200;
        Bitmap dest = old.Clone();
        RotateBitmap(dest, source, pivot.x, pivot.y, angle);
        const Bitmap expected = ReferenceTurn(old, source, pivot.x, pivot.y, angle);
        ASSERT_EQ(std::memcmp(dest.Bits(), expected.Bits(), dest.Stride() * size.h), 0)
            << size.w << " x " << size.h << " pivot " << pivot.x << "," << pivot.y << " k " << k;
      }
    }
  }
}

TEST(RotateBitmap, RefusesBitmapsOfDifferentSizes) {
  Bitmap dest(4, 4);
  EXPECT_THROW(RotateBitmap(dest, Bitmap(4, 5), 0, 0, 0), EInvalidOperation);
}

// d + floor((s - d) * a / 256) for each of blue, green and red; the fourth byte kept.
Pixel ReferenceBlend(Pixel d, Pixel s, int a) {
  Pixel out = d & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const int db = static_cast<int>((d >> shift) & 0xFF);
    const int sb = static_cast<int>((s >> shift) & 0xFF);
    const int mixed = db + ((sb - db) * a >> 8);
    out |= static_cast<Pixel>(mixed) << shift;
  }
  return out;
}

TEST(BlendRect, WorkedExampleAtFiftyPercent) {
  Bitmap dest(2, 1);
  Bitmap source(2, 1);
  dest.SetPixel(0, 0, MakePixel(200, 100, 200, 0x5A));
  source.SetPixel(0, 0, MakePixel(100, 201, 100, 0x11));
  dest.SetPixel(1, 0, MakePixel(100, 200, 0, 0x77));
  source.SetPixel(1, 0, MakePixel(201, 100, 255, 0x22));
  BlendRect(dest, source, 50, 0, 0, 2, 1);
  EXPECT_EQ(dest.PixelAt(0, 0), MakePixel(150, 150, 150, 0x5A));
  EXPECT_EQ(dest.PixelAt(1, 0), MakePixel(150, 150, 127, 0x77));
}

TEST(BlendPixels, EveryWeightMatchesTheByteFormula) {
  // 11 pixels: whole groups of four and a tail.
  RandomGenerator bytes(2024);
  std::vector<Pixel> source(11);
  std::vector<Pixel> original(11);
  for (std::size_t i = 0; i < 11; ++i) {
    source[i] =
        static_cast<Pixel>(bytes.Random(0x7FFFFFFF)) * 2 + static_cast<Pixel>(bytes.Random(2));
    original[i] =
        static_cast<Pixel>(bytes.Random(0x7FFFFFFF)) * 2 + static_cast<Pixel>(bytes.Random(2));
  }
  original[0] = 0x00FFFFFFu;
  source[0] = 0xFF000000u;
  for (int a = 0; a <= 256; ++a) {
    std::vector<Pixel> dest = original;
    BlendPixels(dest.data(), source.data(), 11, a);
    for (std::size_t i = 0; i < 11; ++i) {
      ASSERT_EQ(dest[i], ReferenceBlend(original[i], source[i], a)) << "a " << a << " pixel " << i;
    }
  }
}

TEST(BlendRect, TouchesOnlyTheRectangleInsideBothBitmaps) {
  Bitmap dest(5, 4, MakePixel(0, 0, 0));
  const Bitmap source(5, 4, MakePixel(255, 255, 255));
  BlendRect(dest, source, 100, 3, 2, 10, 10);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 5; ++x) {
      const bool inside = x >= 3 && y >= 2;
      EXPECT_EQ(dest.PixelAt(x, y), inside ? MakePixel(255, 255, 255) : MakePixel(0, 0, 0));
    }
  }
}

}  // namespace
