// Worked examples of the strip, curl, quarter and curved effects.
#include <gtest/gtest.h>

#include <functional>

#include "TaggedPictures.h"
#include "effects/Shading.h"

namespace {

// The expected frame: the old picture with each pixel where source() names a picture pixel
// taken from the new picture.
using Source = std::function<std::optional<Point>(int x, int y)>;
Bitmap Expected(int w, int h, const Source& source) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const std::optional<Point> from = source(x, y);
      b.SetPixel(x, y, from ? Tag(from->x, from->y, kNew) : Tag(x, y, kOld));
    }
  }
  return b;
}

void ExpectSameFrame(const Bitmap& got, const Bitmap& expected) {
  for (int y = 0; y < got.Height(); ++y) {
    for (int x = 0; x < got.Width(); ++x) {
      ASSERT_EQ(got.PixelAt(x, y), expected.PixelAt(x, y)) << "pixel (" << x << ", " << y << ")";
    }
  }
}

class UnrollTest : public testing::Test {
 protected:
  const Bitmap old_ = Tagged(1000, 750, kOld);
  const Bitmap picture_ = Tagged(1000, 750, kNew);
};

TEST_F(UnrollTest, FromLeftShowsTheMirroredShadedBandAfterTheFlatPart) {
  // {progress, X, band width s}: a tenth of the width, at most X early on, and at most half of
  // what is left near the end so the band's source stays inside the picture.
  const struct {
    int progress, x, s;
  } cases[] = {{50, 500, 100}, {5, 50, 50}, {95, 950, 25}, {1, 10, 10}};
  for (const auto& c : cases) {
    Bitmap expected = Expected(1000, 750, [&](int x, int y) -> std::optional<Point> {
      if (x < c.x) return Point{x, y};
      if (x < c.x + c.s) return Point{c.x + 2 * c.s - 1 - (x - c.x), y};
      return std::nullopt;
    });
    ShadeColumns(expected, 48, c.x, c.s);
    ExpectSameFrame(RunEffect(14, old_, picture_, c.progress), expected);
  }
}

TEST_F(UnrollTest, FromRightMirrorsTheBandLeftOfTheFlatPart) {
  // X = 500, s = 100: columns 499 down to 400 show picture columns 299 up to 398.
  Bitmap expected = Expected(1000, 750, [](int x, int y) -> std::optional<Point> {
    if (x >= 500) return Point{x, y};
    if (x >= 400) return Point{299 + (499 - x), y};
    return std::nullopt;
  });
  ShadeColumns(expected, 48, 400, 100);
  ExpectSameFrame(RunEffect(15, old_, picture_, 50), expected);
}

TEST_F(UnrollTest, FromRightWhenTheBandSourceStartsOneColumnBeforeThePicture) {
  // X = 900: W - X = 100 = 2s, so the band's source would start at column -1; that screen
  // column (99) keeps the old picture, shaded, and the rest of the band is drawn.
  Bitmap expected = Expected(1000, 750, [](int x, int y) -> std::optional<Point> {
    if (x >= 100) return Point{x, y};
    if (x >= 50 && x < 99) return Point{-1 + (99 - x), y};
    return std::nullopt;
  });
  ShadeColumns(expected, 48, 50, 50);
  ExpectSameFrame(RunEffect(15, old_, picture_, 90), expected);
}

TEST_F(UnrollTest, FromTopAndBottomDoTheSameWithRows) {
  // Y = 375, s = 75.
  Bitmap top = Expected(1000, 750, [](int x, int y) -> std::optional<Point> {
    if (y < 375) return Point{x, y};
    if (y < 450) return Point{x, 375 + 150 - 1 - (y - 375)};
    return std::nullopt;
  });
  ShadeRows(top, 48, 375, 75);
  ExpectSameFrame(RunEffect(31, old_, picture_, 50), top);
  Bitmap bottom = Expected(1000, 750, [](int x, int y) -> std::optional<Point> {
    if (y >= 375) return Point{x, y};
    if (y >= 300) return Point{x, 750 - 375 - 150 - 1 + (374 - y)};
    return std::nullopt;
  });
  ShadeRows(bottom, 48, 300, 75);
  ExpectSameFrame(RunEffect(32, old_, picture_, 50), bottom);
}

class QuarterTest : public testing::Test {
 protected:
  const Bitmap old_ = Tagged(640, 480, kOld);
  const Bitmap picture_ = Tagged(640, 480, kNew);
};

TEST_F(QuarterTest, RevealInToCentreLeavesAHoleAndNoClipping) {
  Bitmap screen = old_.Clone();
  FindEffect(54)->Proc(screen, picture_, 640, 480, 320, 240, 50);
  EXPECT_FALSE(screen.HasClip());
  ExpectSameFrame(screen, Expected(640, 480, [](int x, int y) -> std::optional<Point> {
                    const bool hole = x >= 160 && x < 480 && y >= 120 && y < 360;
                    return hole ? std::nullopt : std::optional<Point>(Point{x, y});
                  }));
}

TEST_F(QuarterTest, QuartersRevealInToMiddleUncoversTheFourCorners) {
  ExpectSameFrame(RunEffect(55, old_, picture_, 50),
                  Expected(640, 480, [](int x, int y) -> std::optional<Point> {
                    const bool corner = (x < 160 || x >= 480) && (y < 120 || y >= 360);
                    return corner ? std::optional<Point>(Point{x, y}) : std::nullopt;
                  }));
}

TEST_F(QuarterTest, QuartersSlideInLikeAPinwheel) {
  // h = 160, v = 120, qw = 320, qh = 240.
  ExpectSameFrame(RunEffect(57, old_, picture_, 50),
                  Expected(640, 480, [](int x, int y) -> std::optional<Point> {
                    if (x < 160 && y < 240) return Point{x + 160, y};    // from the left
                    if (x >= 320 && y < 120) return Point{x, y + 120};   // from the top
                    if (x >= 480 && y >= 240) return Point{x - 160, y};  // from the right
                    if (x < 320 && y >= 360) return Point{x, y - 120};   // from the bottom
                    return std::nullopt;
                  }));
}

TEST_F(QuarterTest, CurvedRevealFromLeftEndsInAHalfEllipse) {
  Bitmap screen = old_.Clone();
  FindEffect(58)->Proc(screen, picture_, 640, 480, 320, 240, 50);
  EXPECT_FALSE(screen.HasClip());
  // The tip reaches the right edge at mid-height; the curve falls back towards the left edge at
  // the top and bottom rows, and the new picture stands in place.
  EXPECT_EQ(screen.PixelAt(639, 240), Tag(639, 240, kNew));
  EXPECT_EQ(screen.PixelAt(0, 0), Tag(0, 0, kNew));
  EXPECT_EQ(screen.PixelAt(320, 0), Tag(320, 0, kOld));
  EXPECT_EQ(screen.PixelAt(320, 479), Tag(320, 479, kOld));
  int previous = 0;
  for (int y = 0; y <= 240; ++y) {
    int edge = 0;
    while (edge < 640 && PictureOf(screen.PixelAt(edge, y)) == kNew) ++edge;
    ASSERT_GE(edge, previous) << y;
    for (int x = edge; x < 640; ++x) ASSERT_EQ(screen.PixelAt(x, y), Tag(x, y, kOld));
    previous = edge;
  }
  // Style 59 is the mirror image: its tip touches the left edge.
  const Bitmap right = RunEffect(59, old_, picture_, 50);
  EXPECT_EQ(right.PixelAt(0, 240), Tag(0, 240, kNew));
  EXPECT_EQ(right.PixelAt(639, 0), Tag(639, 0, kNew));
  EXPECT_EQ(right.PixelAt(320, 0), Tag(320, 0, kOld));
}

}  // namespace
