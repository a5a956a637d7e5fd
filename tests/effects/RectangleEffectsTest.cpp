// Worked examples of the single-rectangle effects, on a 640 x 480 picture unless said otherwise.
#include <gtest/gtest.h>

#include "TaggedPictures.h"

namespace {

class RectangleEffectsTest : public testing::Test {
 protected:
  const Bitmap old_ = Tagged(640, 480, kOld);
  const Bitmap picture_ = Tagged(640, 480, kNew);
};

TEST_F(RectangleEffectsTest, AppearAndContractToMiddleAtHalfWayMagnifiesTheMiddleFourTimes) {
  // S = (160, 120, 320, 240) onto D = (-320, -240, 1280, 960).
  const Bitmap frame = RunEffect(51, old_, picture_, 50);
  for (const Point p : {Point{0, 0}, Point{639, 479}, Point{320, 240}, Point{101, 57}}) {
    const Pixel got = frame.PixelAt(p.x, p.y);
    EXPECT_EQ(PictureOf(got), kNew);
    EXPECT_EQ(ColumnOf(got), 160 + (p.x + 320) / 4) << p.x;
    EXPECT_EQ(RowOf(got), 120 + (p.y + 240) / 4) << p.y;
  }
}

TEST_F(RectangleEffectsTest, AppearAndContractToMiddleNearTheEndIsAlmostInPlace) {
  // X = 634, Y = 476: S = (3, 2, 634, 476) onto D = (-6, -4, 652, 488).
  const Bitmap frame = RunEffect(51, old_, picture_, 99);
  for (int y = 0; y < 480; y += 7) {
    for (int x = 0; x < 640; x += 5) {
      const Pixel got = frame.PixelAt(x, y);
      ASSERT_EQ(PictureOf(got), kNew);
      ASSERT_EQ(ColumnOf(got), 3 + ((2 * (x + 6) + 1) * 634) / (2 * 652));
      ASSERT_EQ(RowOf(got), 2 + ((2 * (y + 4) + 1) * 476) / (2 * 488));
    }
  }
  EXPECT_EQ(frame.PixelAt(320, 240), Tag(320, 240, kNew));
}

TEST_F(RectangleEffectsTest, SlidesAtHalfWay) {
  // Style 3: the picture's left half in screen columns 320..639.
  const Bitmap right = RunEffect(3, old_, picture_, 50);
  EXPECT_EQ(right.PixelAt(320, 10), Tag(0, 10, kNew));
  EXPECT_EQ(right.PixelAt(639, 479), Tag(319, 479, kNew));
  EXPECT_EQ(right.PixelAt(319, 10), Tag(319, 10, kOld));
  // Style 41: the picture's bottom-right quarter in the screen's top-left quarter.
  const Bitmap corner = RunEffect(41, old_, picture_, 50);
  EXPECT_EQ(corner.PixelAt(0, 0), Tag(320, 240, kNew));
  EXPECT_EQ(corner.PixelAt(319, 239), Tag(639, 479, kNew));
  EXPECT_EQ(corner.PixelAt(320, 0), Tag(320, 0, kOld));
  EXPECT_EQ(corner.PixelAt(0, 240), Tag(0, 240, kOld));
}

TEST_F(RectangleEffectsTest, ExpandOutFromMiddleSqueezesTheWholePictureIntoTheMiddle) {
  const Bitmap frame = RunEffect(10, old_, picture_, 25);  // X = 160: columns 240..399
  EXPECT_EQ(frame.PixelAt(239, 0), Tag(239, 0, kOld));
  EXPECT_EQ(frame.PixelAt(400, 0), Tag(400, 0, kOld));
  // Each screen column takes the picture column under its centre: 4k + 2 of each group of 4.
  EXPECT_EQ(frame.PixelAt(240, 0), Tag(2, 0, kNew));
  EXPECT_EQ(frame.PixelAt(399, 479), Tag(638, 479, kNew));
  for (int x = 240; x < 400; ++x) ASSERT_EQ(ColumnOf(frame.PixelAt(x, 7)), (x - 240) * 4 + 2);
}

TEST_F(RectangleEffectsTest, CentredBlocksLeaveTheLargerMarginOnTheRight) {
  const Bitmap old = Tagged(641, 10, kOld);
  const Bitmap picture = Tagged(641, 10, kNew);
  const Bitmap frame = RunEffect(11, old, picture, 50);  // X = 321, W - X = 320: margins 160, 160
  EXPECT_EQ(PictureOf(frame.PixelAt(159, 0)), kOld);
  EXPECT_EQ(PictureOf(frame.PixelAt(160, 0)), kNew);
  const Bitmap odd = RunEffect(11, old, picture, 49);  // X = 314, W - X = 327: margins 163, 164
  EXPECT_EQ(PictureOf(odd.PixelAt(162, 0)), kOld);
  EXPECT_EQ(odd.PixelAt(163, 0), Tag(163, 0, kNew));
  EXPECT_EQ(odd.PixelAt(476, 0), Tag(476, 0, kNew));
  EXPECT_EQ(PictureOf(odd.PixelAt(477, 0)), kOld);
}

TEST_F(RectangleEffectsTest, RevealsNeverMoveAPixel) {
  for (int style : {5, 6, 11, 22, 23, 28, 43, 44, 45, 46, 53}) {
    const Bitmap frame = RunEffect(style, old_, picture_, 37);
    for (int y = 0; y < 480; y += 3) {
      for (int x = 0; x < 640; x += 3) {
        const Pixel got = frame.PixelAt(x, y);
        ASSERT_EQ(got, Tag(x, y, PictureOf(got))) << style;
      }
    }
  }
}

TEST_F(RectangleEffectsTest, ZeroProgressInPixelsDrawsNothing) {
  // 40 x 30 at progress 1: X = Y = 0, so destinations and zoom sources are empty.
  const Bitmap old = Tagged(40, 30, kOld);
  const Bitmap picture = Tagged(40, 30, kNew);
  for (int style = 1; style <= 53; ++style) {
    if ((style >= 12 && style <= 17) || (style >= 29 && style <= 34)) continue;
    const Bitmap frame = RunEffect(style, old, picture, 1);
    for (int y = 0; y < 30; ++y) {
      for (int x = 0; x < 40; ++x) ASSERT_EQ(frame.PixelAt(x, y), Tag(x, y, kOld)) << style;
    }
  }
}

}  // namespace
