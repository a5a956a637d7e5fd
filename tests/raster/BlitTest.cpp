#include "raster/Blit.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Every pixel tells where it came from: its column, its row and which picture.
Pixel Tag(int x, int y, int picture) {
  return static_cast<Pixel>(x & 0xFFF) | static_cast<Pixel>(y & 0xFFF) << 12 |
         static_cast<Pixel>(picture) << 24;
}

Bitmap Tagged(int w, int h, int picture) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, Tag(x, y, picture));
  }
  return b;
}

constexpr int kDest = 1;
constexpr int kSrc = 2;

TEST(BitBltTest, CopiesOnlyWhatLiesInsideBothBitmaps) {
  const Bitmap src = Tagged(4, 4, kSrc);
  Bitmap dest = Tagged(4, 4, kDest);
  BitBlt(dest, -1, -1, 4, 4, src, 0, 0);
  EXPECT_EQ(dest.PixelAt(0, 0), Tag(1, 1, kSrc));
  EXPECT_EQ(dest.PixelAt(2, 2), Tag(3, 3, kSrc));
  EXPECT_EQ(dest.PixelAt(3, 3), Tag(3, 3, kDest));

  dest = Tagged(4, 4, kDest);
  BitBlt(dest, 0, 0, 4, 4, src, 2, 2);
  EXPECT_EQ(dest.PixelAt(1, 1), Tag(3, 3, kSrc));
  EXPECT_EQ(dest.PixelAt(2, 2), Tag(2, 2, kDest));
  EXPECT_EQ(dest.PixelAt(0, 3), Tag(0, 3, kDest));
}

TEST(BitBltTest, ExtremeCoordinatesAndEmptyExtentsDrawNothing) {
  const Bitmap src = Tagged(4, 4, kSrc);
  Bitmap dest = Tagged(4, 4, kDest);
  BitBlt(dest, INT32_MIN, INT32_MAX, INT32_MAX, INT32_MAX, src, INT32_MAX, INT32_MIN);
  BitBlt(dest, INT32_MAX, 0, INT32_MAX, 4, src, INT32_MIN, 0);
  BitBlt(dest, 0, 0, 0, 4, src, 0, 0);
  BitBlt(dest, 0, 0, 4, -4, src, 0, 0);
  StretchBlt(dest, INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, src, INT32_MAX, 0, INT32_MIN, 3);
  StretchBlt(dest, 0, 0, 4, 4, src, 0, 0, 0, 4);
  StretchBlt(dest, 0, 0, 4, 4, src, 4, 4, 4, 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) ASSERT_EQ(dest.PixelAt(x, y), Tag(x, y, kDest));
  }
  // A destination wider than 32 bits can count still scales in step.
  StretchBlt(dest, INT32_MIN, 0, INT32_MAX, 1, src, 0, 0, 4, 1);
  StretchBlt(dest, -1, 0, INT32_MAX, 1, src, 0, 0, 4, 1);
  EXPECT_EQ(dest.PixelAt(3, 0), Tag(0, 0, kSrc));
}

TEST(BitBltTest, CopyOntoItselfReadsTheWholeSourceFirst) {
  const struct {
    int x, y, sx, sy;
  } shifts[] = {{1, 0, 0, 0}, {0, 0, 1, 0}, {0, 1, 0, 0}, {0, 0, 0, 1}, {2, 1, 0, 0}, {0, 0, 1, 1}};
  for (const auto& s : shifts) {
    Bitmap bitmap = Tagged(6, 5, kDest);
    BitBlt(bitmap, s.x, s.y, 5, 4, bitmap, s.sx, s.sy);
    for (int y = 0; y < 5; ++y) {
      for (int x = 0; x < 6; ++x) {
        const bool copied = x >= s.x && x < s.x + 5 && y >= s.y && y < s.y + 4;
        const Pixel expected =
            copied ? Tag(x - s.x + s.sx, y - s.y + s.sy, kDest) : Tag(x, y, kDest);
        ASSERT_EQ(bitmap.PixelAt(x, y), expected) << x << "," << y;
      }
    }
  }
}

TEST(BitBltTest, HonoursTheClipRegion) {
  const Bitmap src = Tagged(8, 8, kSrc);
  Bitmap dest = Tagged(8, 8, kDest);
  const Rect parts[] = {{0, 0, 3, 3}, {5, 4, 8, 6}};
  dest.SelectClipRegion(Region::FromRects(parts));
  BitBlt(dest, 0, 0, 8, 8, src, 0, 0);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const bool inside = parts[0].Contains(x, y) || parts[1].Contains(x, y);
      ASSERT_EQ(dest.PixelAt(x, y), Tag(x, y, inside ? kSrc : kDest));
    }
  }
}

TEST(StretchBltTest, EnlargesAndShrinksByTheNearestPixel) {
  const Bitmap src = Tagged(4, 4, kSrc);
  Bitmap dest = Tagged(8, 8, kDest);
  StretchBlt(dest, 0, 0, 8, 8, src, 0, 0, 2, 2);
  EXPECT_EQ(dest.PixelAt(0, 0), Tag(0, 0, kSrc));
  EXPECT_EQ(dest.PixelAt(1, 1), Tag(0, 0, kSrc));
  EXPECT_EQ(dest.PixelAt(3, 4), Tag(0, 1, kSrc));
  EXPECT_EQ(dest.PixelAt(7, 7), Tag(1, 1, kSrc));
  // Halving takes the source pixel under each destination pixel's centre: 1 and 3.
  StretchBlt(dest, 0, 0, 2, 2, src, 0, 0, 4, 4);
  EXPECT_EQ(dest.PixelAt(0, 0), Tag(1, 1, kSrc));
  EXPECT_EQ(dest.PixelAt(1, 0), Tag(3, 1, kSrc));
  EXPECT_EQ(dest.PixelAt(1, 1), Tag(3, 3, kSrc));
}

TEST(StretchBltTest, NegativeExtentsMirrorFromTheGivenCorner) {
  const Bitmap src = Tagged(4, 4, kSrc);
  Bitmap dest = Tagged(8, 8, kDest);
  // Columns 5, 4, 3 take source columns 0, 1, 2.
  StretchBlt(dest, 5, 0, -3, 1, src, 0, 0, 3, 1);
  EXPECT_EQ(dest.PixelAt(5, 0), Tag(0, 0, kSrc));
  EXPECT_EQ(dest.PixelAt(4, 0), Tag(1, 0, kSrc));
  EXPECT_EQ(dest.PixelAt(3, 0), Tag(2, 0, kSrc));
  EXPECT_EQ(dest.PixelAt(2, 0), Tag(2, 0, kDest));
  EXPECT_EQ(dest.PixelAt(6, 0), Tag(6, 0, kDest));
  // Rows 6, 5 take source rows 1, 2.
  StretchBlt(dest, 0, 6, 1, -2, src, 3, 1, 1, 2);
  EXPECT_EQ(dest.PixelAt(0, 6), Tag(3, 1, kSrc));
  EXPECT_EQ(dest.PixelAt(0, 5), Tag(3, 2, kSrc));
  EXPECT_EQ(dest.PixelAt(0, 4), Tag(0, 4, kDest));
  // A negative source extent runs the source backwards instead.
  StretchBlt(dest, 0, 7, 3, 1, src, 3, 0, -3, 1);
  EXPECT_EQ(dest.PixelAt(0, 7), Tag(3, 0, kSrc));
  EXPECT_EQ(dest.PixelAt(2, 7), Tag(1, 0, kSrc));
}

TEST(StretchBltTest, PixelsWhoseSourceLiesOutsideKeepTheirValue) {
  const Bitmap src = Tagged(4, 4, kSrc);
  Bitmap dest = Tagged(4, 4, kDest);
  StretchBlt(dest, 0, 0, 3, 3, src, -1, 2, 3, 3);
  EXPECT_EQ(dest.PixelAt(0, 0), Tag(0, 0, kDest));
  EXPECT_EQ(dest.PixelAt(1, 0), Tag(0, 2, kSrc));
  EXPECT_EQ(dest.PixelAt(2, 1), Tag(1, 3, kSrc));
  EXPECT_EQ(dest.PixelAt(2, 2), Tag(2, 2, kDest));
}

TEST(StretchBltTest, ZoomingABitmapIntoItselfReadsTheSourceFirst) {
  Bitmap bitmap = Tagged(9, 7, kDest);
  const Bitmap original = bitmap.Clone();
  Bitmap expected = bitmap.Clone();
  StretchBlt(expected, -4, -3, 17, 13, original, 3, 2, 3, 3);
  StretchBlt(bitmap, -4, -3, 17, 13, bitmap, 3, 2, 3, 3);
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 9; ++x) ASSERT_EQ(bitmap.PixelAt(x, y), expected.PixelAt(x, y));
  }
  EXPECT_EQ(bitmap.PixelAt(0, 0), Tag(3, 2, kDest));
  EXPECT_EQ(bitmap.PixelAt(8, 6), Tag(5, 4, kDest));
}

// Which source cell destination cell c of a band of n cells from d0 takes, for a source band of
// m cells from s0 (negative extents run backwards): the one under the cell's centre.
int NearestSource(int c, int d0, int n, int s0, int m) {
  const long k = n > 0 ? c - d0 : d0 - c;
  const long j = ((2 * k + 1) * std::abs(m)) / (2 * std::abs(n));
  return static_cast<int>(m > 0 ? s0 + j : s0 - j);
}

bool InBand(int c, int d0, int n) {
  return n > 0 ? c >= d0 && c < d0 + n : c <= d0 && c > d0 + n;
}

TEST(StretchBltTest, EveryWayOfScalingTakesTheNearestSourcePixel) {
  // Wide enough for the eight-column paths, with bands that enlarge, shrink, mirror and reach
  // past either bitmap, with and without a clip region.
  const Bitmap src = Tagged(37, 23, kSrc);
  const struct {
    int x, y, w, h, sx, sy, sw, sh;
  } cases[] = {
      {0, 0, 50, 30, 0, 0, 37, 23},     {-7, 3, 61, 9, 30, 2, 7, 5},
      {49, 29, -50, -30, 0, 0, 37, 23}, {5, 1, 40, 20, 36, 22, -20, -9},
      {2, 2, 11, 7, 0, 0, 37, 23},      {-3, -3, 56, 40, 33, 20, 9, 9},
      {45, 0, -45, 30, 20, 0, 17, 23},  {0, 5, 50, 1, -4, 11, 45, 1},
  };
  for (const bool clipped : {false, true}) {
    for (const auto& c : cases) {
      Bitmap dest = Tagged(50, 30, kDest);
      const Region clip = Region::Ellipse({3, 2, 47, 29});
      if (clipped) dest.SelectClipRegion(clip);
      StretchBlt(dest, c.x, c.y, c.w, c.h, src, c.sx, c.sy, c.sw, c.sh);
      for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 50; ++x) {
          const int sx = NearestSource(x, c.x, c.w, c.sx, c.sw);
          const int sy = NearestSource(y, c.y, c.h, c.sy, c.sh);
          const bool drawn = InBand(x, c.x, c.w) && InBand(y, c.y, c.h) && sx >= 0 && sx < 37 &&
                             sy >= 0 && sy < 23 && (!clipped || clip.Contains(x, y));
          ASSERT_EQ(dest.PixelAt(x, y), drawn ? Tag(sx, sy, kSrc) : Tag(x, y, kDest))
              << "case " << (&c - cases) << (clipped ? " clipped" : "") << " at " << x << "," << y;
        }
      }
    }
  }
}

TEST(StretchBltTest, HonoursTheClipRegion) {
  const Bitmap src = Tagged(4, 4, kSrc);
  Bitmap dest = Tagged(8, 8, kDest);
  dest.SelectClipRegion(Region::Ellipse({0, 0, 8, 8}));
  StretchBlt(dest, 0, 0, 8, 8, src, 0, 0, 4, 4);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const bool inside = dest.ClipRegion()->Contains(x, y);
      ASSERT_EQ(dest.PixelAt(x, y), inside ? Tag(x / 2, y / 2, kSrc) : Tag(x, y, kDest));
    }
  }
}

}  // namespace
