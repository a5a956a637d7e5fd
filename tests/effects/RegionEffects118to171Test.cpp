// The worked examples of the fade, pivot, speckle, push, blind and pattern effects
// (styles 117 to 171).
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "RevealChecks.h"
#include "platform/MulDiv.h"
#include "platform/Random.h"
#include "raster/Blit.h"

namespace {

Bitmap Flat(int w, int h, std::uint8_t level, std::uint8_t fourth) {
  return Bitmap(w, h, MakePixel(level, level, level, fourth));
}

TEST(Fade, MixesColourBytesAndKeepsTheFourth) {
  // Progress 50: a = 128, 0 -> 255 gives 127; progress 1: a = 3 gives 2. 13 pixels wide, so
  // whole groups and a tail.
  for (const auto& [progress, level] : {std::pair{50, 127}, std::pair{1, 2}}) {
    const Bitmap frame = RunEffect(118, Flat(13, 3, 0, 0x44), Flat(13, 3, 255, 0x99), progress);
    const auto expected = static_cast<std::uint8_t>(level);
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 13; ++x) {
        ASSERT_EQ(frame.PixelAt(x, y), MakePixel(expected, expected, expected, 0x44)) << progress;
      }
    }
  }
}

TEST(Pivot, TopLeftNearTheEndLeavesTwoThinWedges) {
  // Turned 0.9 degrees counter-clockwise about the point just outside the bottom-left corner.
  const Bitmap frame = Frame(119, 640, 480, 99);
  EXPECT_TRUE(IsNew(frame, 0, 479));
  EXPECT_TRUE(IsNew(frame, 0, 0));
  EXPECT_TRUE(IsNew(frame, 320, 240));
  EXPECT_FALSE(IsNew(frame, 639, 479));  // bottom wedge, widest at the right
  EXPECT_TRUE(IsNew(frame, 20, 479));
  EXPECT_FALSE(IsNew(frame, 639, 0));  // right wedge, widest at the top
  EXPECT_TRUE(IsNew(frame, 630, 240));
}

TEST(RandomSquares, FixedOrderFromTheSizeAndTheSharedSeedUntouched) {
  // 640 x 480: s = 10, seed (640 + 480) x 10, 32 x 24 squares of 20, column by column.
  for (const int progress : {1, 50}) {
    SetRandSeed(0xABCDEF);
    const Bitmap frame = Frame(127, 640, 480, progress);
    EXPECT_EQ(RandSeed(), 0xABCDEFu);
    RandomGenerator order(11200);
    bool shown[32][24];
    for (auto& column : shown) {
      for (bool& square : column) square = order.Random(100) < progress;
    }
    ExpectRevealed(frame, [&](int x, int y) { return shown[x / 20][y / 20]; });
  }
}

TEST(Push, RightAndSqueezeRightAtAQuarter) {
  // X = 160: new columns 480..639 at the left, old columns 0..479 pushed to the right.
  const Bitmap push = Frame(128, 640, 480, 25);
  for (int y = 0; y < 480; y += 13) {
    for (int x = 0; x < 640; ++x) {
      const Pixel expected = x < 160 ? Tag(x + 480, y, kNew) : Tag(x - 160, y, kOld);
      ASSERT_EQ(push.PixelAt(x, y), expected) << x << "," << y;
    }
  }
  // The whole old picture squeezed into columns 160..639, whole columns dropped.
  const Bitmap squeeze = Frame(130, 640, 480, 25);
  int previous = -1;
  for (int x = 160; x < 640; ++x) {
    const Pixel p = squeeze.PixelAt(x, 100);
    ASSERT_EQ(PictureOf(p), kOld);
    ASSERT_EQ(RowOf(p), 100);
    ASSERT_GT(ColumnOf(p), previous);
    previous = ColumnOf(p);
  }
  EXPECT_EQ(ColumnOf(squeeze.PixelAt(160, 0)), 0);
  EXPECT_GE(ColumnOf(squeeze.PixelAt(639, 0)), 638);
  EXPECT_EQ(squeeze.PixelAt(0, 0), Tag(480, 0, kNew));
}

// Every push equals its two copies made from a separate copy of the old picture: the move
// within the screen reads its whole source before writing.
TEST(Push, EveryStyleMatchesCopiesFromTheOldPicture) {
  const int w = 37;
  const int h = 23;
  const Bitmap old = Tagged(w, h, kOld);
  const Bitmap picture = Tagged(w, h, kNew);
  for (const int progress : {1, 25, 50, 77, 99}) {
    const ProgressPixels p = ProgressToPixels(w, h, progress);
    const int X = p.x;
    const int Y = p.y;
    Bitmap expected[8] = {old.Clone(), old.Clone(), old.Clone(), old.Clone(),
                          old.Clone(), old.Clone(), old.Clone(), old.Clone()};
    BitBlt(expected[0], X, 0, w - X, h, old, 0, 0);
    BitBlt(expected[0], 0, 0, X, h, picture, w - X, 0);
    BitBlt(expected[1], 0, 0, w - X, h, old, X, 0);
    BitBlt(expected[1], w - X, 0, X, h, picture, 0, 0);
    StretchBlt(expected[2], X, 0, w - X, h, old, 0, 0, w, h);
    BitBlt(expected[2], 0, 0, X, h, picture, w - X, 0);
    StretchBlt(expected[3], 0, 0, w - X, h, old, 0, 0, w, h);
    BitBlt(expected[3], w - X, 0, X, h, picture, 0, 0);
    BitBlt(expected[4], 0, Y, w, h - Y, old, 0, 0);
    BitBlt(expected[4], 0, 0, w, Y, picture, 0, h - Y);
    BitBlt(expected[5], 0, 0, w, h - Y, old, 0, Y);
    BitBlt(expected[5], 0, h - Y, w, Y, picture, 0, 0);
    StretchBlt(expected[6], 0, Y, w, h - Y, old, 0, 0, w, h);
    BitBlt(expected[6], 0, 0, w, Y, picture, 0, h - Y);
    StretchBlt(expected[7], 0, 0, w, h - Y, old, 0, 0, w, h);
    BitBlt(expected[7], 0, h - Y, w, Y, picture, 0, 0);
    for (int i = 0; i < 8; ++i) {
      const Bitmap frame = RunEffect(128 + i, old, picture, progress);
      ASSERT_EQ(std::memcmp(frame.Bits(), expected[i].Bits(), frame.Stride() * h), 0)
          << "style " << 128 + i << " at " << progress;
    }
  }
}

TEST(Blinds, VerticalSlatsOpenAboutTheirCentres) {
  // s = 17, d = MulDiv(17, 50, 100) = 9: slats at x = 17, 51, 85, ..., each 18 wide.
  ExpectRevealed(Frame(136, 640, 480, 50), [](int x, int) {
    const int centre = (x + 17) / 34 * 34 + 17;
    return (x >= centre - 9 && x < centre + 9) || (x >= centre - 34 - 9 && x < centre - 34 + 9);
  });
}

TEST(Blinds, UnevenFromLeftSpacedByTheProgress) {
  // 1000 wide, landscape: at 20 X = 200 and d = 40; at 50 X = 500, d = 250; at 1 d = 0.
  ExpectRevealed(Frame(138, 1000, 300, 20), [](int x, int) { return x % 200 < 40; });
  ExpectRevealed(Frame(138, 1000, 300, 50), [](int x, int) { return x % 500 < 250; });
  ExpectRevealed(Frame(138, 1000, 300, 1), [](int, int) { return false; });
  // Narrower than 50 pixels at progress 1: X = 0, nothing drawn.
  ExpectRevealed(Frame(139, 40, 30, 1), [](int, int) { return false; });
}

TEST(GridShreds, TriangleCentresIncludeARowBelowThePicture) {
  // 640 x 480: sx = 65, sy = 49; centres x = 65, 195, ..., 585 and y = 49, ..., 539.
  const Bitmap early = Frame(117, 640, 480, 10);  // dx = 13, dy = 10
  for (int x = 65; x < 640; x += 130) {
    for (int y = 49; y < 480; y += 98) {
      EXPECT_TRUE(IsNew(early, x, y)) << x << "," << y;
      if (x + 65 < 640) {
        EXPECT_FALSE(IsNew(early, x + 65, y)) << x + 65 << "," << y;
      }
    }
  }
  // Late on, a pixel between the apexes of the last full row is covered only by the triangle
  // centred below the picture.
  EXPECT_TRUE(IsNew(Frame(117, 640, 480, 99), 130, 475));
}

TEST(GridShreds, CirclesOnTheirGrid) {
  // s = 49, radius at 50 = MulDiv(147, 50, 200) = 37; centres 49, 147, ..., 637 by 49, ..., 441.
  const Bitmap frame = Frame(152, 640, 480, 50);
  for (int x = 49; x < 640; x += 98) {
    for (int y = 49; y < 480; y += 98) {
      EXPECT_TRUE(IsNew(frame, x, y)) << x << "," << y;
      EXPECT_TRUE(IsNew(frame, x - 35, y)) << x << "," << y;
      EXPECT_FALSE(IsNew(frame, x - 39, y)) << x << "," << y;
      if (y + 49 < 480) {
        EXPECT_FALSE(IsNew(frame, x - 49, y + 49)) << x << "," << y;
      }
    }
  }
}

TEST(Bands, NothingOnALowPicture) {
  ExpectRevealed(Frame(145, 400, 19, 50), [](int, int) { return false; });
}

TEST(Turning, RectangleAtAQuarterIsTurnedAQuarter) {
  // X = 160, Y = 120: the 160 x 120 rectangle about the centre, turned upright: 120 x 160.
  const Bitmap frame = Frame(149, 640, 480, 25);
  EXPECT_TRUE(IsNew(frame, 320, 240));
  EXPECT_TRUE(IsNew(frame, 320, 240 - 75));
  EXPECT_TRUE(IsNew(frame, 320 - 55, 240));
  EXPECT_FALSE(IsNew(frame, 320, 240 - 85));
  EXPECT_FALSE(IsNew(frame, 320 - 65, 240));
}

TEST(Zigzag, HorizontalBandAtHalfway) {
  // a = 48, t = 64, m = 144: at x = 32 the upper edge lies at y = 96 and the lower at 384.
  const Bitmap frame = Frame(162, 640, 480, 50);
  EXPECT_FALSE(IsNew(frame, 32, 92));
  EXPECT_TRUE(IsNew(frame, 32, 100));
  EXPECT_TRUE(IsNew(frame, 32, 380));
  EXPECT_FALSE(IsNew(frame, 32, 388));
  // At the corners: upper edge at 144 (x = 0) and 48 (x = 64), lower at 432 and 336.
  EXPECT_TRUE(IsNew(frame, 64, 52));
  EXPECT_FALSE(IsNew(frame, 64, 44));
  EXPECT_TRUE(IsNew(frame, 64, 332));
  EXPECT_FALSE(IsNew(frame, 64, 340));
}

TEST(Pixelate, BlocksComeFromTheCentre) {
  // Progress 1: the old block (11, 9, 618, 462) fills (-22, -18, 684, 516).
  const Bitmap early = Frame(168, 640, 480, 1);
  EXPECT_EQ(PictureOf(early.PixelAt(0, 0)), kOld);
  EXPECT_NEAR(ColumnOf(early.PixelAt(0, 0)), 31, 1);
  EXPECT_NEAR(ColumnOf(early.PixelAt(320, 240)), 320, 1);
  EXPECT_NEAR(RowOf(early.PixelAt(320, 240)), 240, 1);
  // Progress 60: the new block (292, 219, 56, 42) is stretched, unmixed, over
  // (-584, -438, 1808, 1356); the screen shows its middle, each pixel about 32 wide.
  const Bitmap late = Frame(168, 640, 480, 60);
  EXPECT_EQ(late.PixelAt(0, 0), Tag(292 + 1169 * 56 / 3616, 219 + 877 * 42 / 2712, kNew));
  EXPECT_EQ(late.PixelAt(639, 479), Tag(292 + 2447 * 56 / 3616, 219 + 1835 * 42 / 2712, kNew));
}

TEST(Pixelate, CrossFadesOnlyFromFortyOneToFiftyNine) {
  // Old black, new 200 grey: every frame is one flat level.
  const struct {
    int progress;
    std::uint8_t level;
  } cases[] = {{40, 0}, {41, 10}, {50, 100}, {59, 189}, {60, 200}};
  for (const auto& c : cases) {
    const Bitmap frame = RunEffect(168, Flat(640, 480, 0, 1), Flat(640, 480, 200, 2), c.progress);
    for (const Point p : {Point{0, 0}, Point{320, 240}, Point{639, 479}}) {
      EXPECT_EQ(frame.PixelAt(p.x, p.y) & 0xFFFFFFu, MakePixel(c.level, c.level, c.level))
          << "progress " << c.progress;
    }
  }
}

// The numbers the random-unit styles draw: seed W + H, one Random(100) per unit.
std::vector<int> Sequence(int w, int h, int count) {
  RandomGenerator generator(static_cast<std::uint32_t>(w + h));
  std::vector<int> numbers(static_cast<std::size_t>(count));
  for (int& n : numbers) n = generator.Random(100);
  return numbers;
}

TEST(Dissolve, PixelsInBlockOrderFromTheSizeSeed) {
  // Widths around the eight-lane grouping, and one large picture.
  const struct { int w, h; } sizes[] = {{1, 5}, {7, 3}, {8, 2}, {9, 4}, {37, 11}, {641, 479}};
  for (const auto& size : sizes) {
    const std::vector<int> numbers = Sequence(size.w, size.h, size.w * size.h);
    for (const int progress : {1, 37, 50, 99}) {
      SCOPED_TRACE(testing::Message() << size.w << " x " << size.h << " at " << progress);
      SetRandSeed(0x1234);
      const Bitmap frame = Frame(169, size.w, size.h, progress);
      EXPECT_EQ(RandSeed(), 0x1234u);
      // The block starts at the bottom row, left to right, then the row above it.
      ExpectRevealed(frame, [&](int x, int y) {
        const auto k = static_cast<std::size_t>((size.h - 1 - y) * size.w + x);
        return numbers[k] < progress;
      });
    }
  }
}

TEST(Dissolve, ShownPixelsStayShown) {
  const Bitmap at10 = Frame(169, 101, 67, 10);
  const Bitmap at11 = Frame(169, 101, 67, 11);
  for (int y = 0; y < 67; ++y) {
    for (int x = 0; x < 101; ++x) {
      if (IsNew(at10, x, y)) {
        ASSERT_TRUE(IsNew(at11, x, y));
      }
    }
  }
}

TEST(RandomBars, RowsFromTheBottomAndColumnsFromTheLeftShareTheSequence) {
  const int w = 50;
  const int h = 30;
  const std::vector<int> numbers = Sequence(w, h, std::max(w, h));
  for (const int progress : {1, 30, 77}) {
    SetRandSeed(99);
    ExpectRevealed(Frame(170, w, h, progress), [&](int, int y) {
      return numbers[static_cast<std::size_t>(h - 1 - y)] < progress;
    });
    ExpectRevealed(Frame(171, w, h, progress),
                   [&](int x, int) { return numbers[static_cast<std::size_t>(x)] < progress; });
    EXPECT_EQ(RandSeed(), 99u);
    // The bottom row of 170 and the bottom-left pixel of 169 take the first number.
    EXPECT_EQ(IsNew(Frame(170, w, h, progress), 7, h - 1),
              IsNew(Frame(169, w, h, progress), 0, h - 1));
  }
}

}  // namespace
