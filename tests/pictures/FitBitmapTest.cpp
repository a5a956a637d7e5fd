// Fitting a picture to the screen, smooth scaling, turning photos upright, and writing BMP
// files.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/Errors.h"
#include "players/picture/BmpWriter.h"
#include "players/picture/FitBitmap.h"
#include "players/picture/Orientation.h"
#include "players/picture/Resample.h"

namespace {

constexpr std::uint32_t kBlue = 0xFF0000;  // as a show colour: red in the low byte
constexpr Pixel kBluePixel = MakePixel(0, 0, 255);

// A picture whose every pixel tells where it came from.
Bitmap Numbered(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b.SetPixel(x, y, MakePixel(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7));
  return b;
}

Bitmap Solid(int w, int h, Pixel p) {
  return Bitmap(w, h, p);
}

std::uint8_t Red(Pixel p) {
  return static_cast<std::uint8_t>(p >> 16);
}

TEST(FitBitmap, CentreWithExactSizeCopiesOneToOneAtOrigin) {
  Bitmap b = Numbered(40, 30);
  FitBitmap(b, Rect{0, 0, 40, 30}, 0, kBlue);
  ASSERT_EQ(b.GetSize(), (Size{40, 30}));
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x)
      ASSERT_EQ(b.PixelAt(x, y),
                MakePixel(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7));
}

TEST(FitBitmap, CentreWithSmallerPictureCentresItOnTheColour) {
  Bitmap b = Solid(5, 4, MakePixel(1, 2, 3));
  FitBitmap(b, Rect{0, 0, 10, 9}, 0, kBlue);
  ASSERT_EQ(b.GetSize(), (Size{10, 9}));
  // x = trunc(5 / 2) = 2, y = trunc(5 / 2) = 2.
  EXPECT_EQ(b.PixelAt(1, 2), kBluePixel);
  EXPECT_EQ(b.PixelAt(2, 2), MakePixel(1, 2, 3));
  EXPECT_EQ(b.PixelAt(6, 5), MakePixel(1, 2, 3));
  EXPECT_EQ(b.PixelAt(7, 5), kBluePixel);
  EXPECT_EQ(b.PixelAt(2, 6), kBluePixel);
}

TEST(FitBitmap, CentreWithOnePixelWiderPictureStretchesLikeModeOne) {
  Bitmap centre = Numbered(41, 30);
  Bitmap stretch = Numbered(41, 30);
  FitBitmap(centre, Rect{0, 0, 40, 30}, 0, kBlue);
  FitBitmap(stretch, Rect{0, 0, 40, 30}, 1, kBlue);
  ASSERT_EQ(centre.GetSize(), (Size{40, 30}));
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(centre.PixelAt(x, y), stretch.PixelAt(x, y));
  // Stretched, not cropped: the last column comes from the picture's last column.
  EXPECT_GE(Red(centre.PixelAt(39, 0)), 39);
}

TEST(FitBitmap, ProportionalPlacement) {
  struct Case {
    Size picture;
    Rect client;
    Rect block;  // where the picture lands; the rest is the colour
  };
  const Case cases[] = {
      {{200, 100}, {0, 0, 100, 100}, {0, 25, 100, 75}},  // width limits: centred vertically
      {{100, 200}, {0, 0, 100, 100}, {25, 0, 75, 100}},  // height limits: centred horizontally
      {{10, 10}, {0, 0, 100, 50}, {25, 0, 75, 50}},      // small pictures are enlarged
      {{600, 400}, {0, 0, 192, 108}, {15, 0, 177, 108}},
      {{3, 1}, {0, 0, 10, 10}, {0, 3, 10, 6}},  // trunc((10 - 10 / 3) / 2) = 3
  };
  for (const Case& c : cases) {
    Bitmap b = Solid(c.picture.width, c.picture.height, MakePixel(9, 9, 9));
    FitBitmap(b, c.client, 2, kBlue);
    ASSERT_EQ(b.GetSize(), (Size{c.client.right, c.client.bottom}));
    for (int y = 0; y < b.Height(); ++y) {
      for (int x = 0; x < b.Width(); ++x) {
        const Pixel want = c.block.Contains(x, y) ? MakePixel(9, 9, 9) : kBluePixel;
        ASSERT_EQ(b.PixelAt(x, y), want)
            << c.picture.width << "x" << c.picture.height << " at " << x << "," << y;
      }
    }
  }
}

TEST(FitBitmap, OtherModesLeaveThePictureAtItsOwnSize) {
  Bitmap b = Numbered(7, 3);
  FitBitmap(b, Rect{0, 0, 100, 100}, 3, kBlue);
  EXPECT_EQ(b.GetSize(), (Size{7, 3}));
  EXPECT_EQ(b.PixelAt(6, 2), MakePixel(6, 2, 7));
}

TEST(FitBitmap, ClientRectangleNotAtOriginUsesItsSize) {
  Bitmap b = Solid(4, 4, 0);
  FitBitmap(b, Rect{10, 20, 30, 35}, 1, kBlue);
  EXPECT_EQ(b.GetSize(), (Size{20, 15}));
}

TEST(FitReduction, AllowsDecodingSmallerOnlyWhenTheFitReduces) {
  const Rect screen{0, 0, 1920, 1080};
  EXPECT_NEAR(FitReduction({6000, 4000}, screen, 2), 0.27, 1e-9);
  EXPECT_NEAR(FitReduction({6000, 4000}, screen, 1), 0.32, 1e-9);
  EXPECT_NEAR(FitReduction({6000, 4000}, screen, 0), 0.32, 1e-9);  // stretched
  EXPECT_EQ(FitReduction({6000, 4000}, screen, 7), 1.0);
  EXPECT_EQ(FitReduction({800, 600}, screen, 0), 1.0);
  EXPECT_EQ(FitReduction({800, 600}, screen, 2), 1.0);  // enlarged, never reduced
}

TEST(Resample, ReductionAveragesEveryCoveredPixel) {
  // Columns white where x % period == 0, reduced to 6 columns: each destination pixel is the
  // covered share of white, not a copy of one source pixel.
  struct Case {
    int period, sourceWidth, destWidth, grey;
  };
  const Case cases[] = {
      {2, 12, 6, 128},  // half white
      {3, 18, 6, 85},   // a third white
      {2, 3, 2, 170},   // 1.5 source pixels each: white, half black / half black, white
  };
  for (const Case& c : cases) {
    Bitmap stripes(c.sourceWidth, 2);
    for (int x = 0; x < c.sourceWidth; ++x)
      for (int y = 0; y < 2; ++y)
        stripes.SetPixel(x, y, x % c.period == 0 ? MakePixel(255, 255, 255) : 0);
    Bitmap out(c.destWidth, 2, 0xFFFFFFFF);
    ResampleInto(stripes, out, out.Bounds());
    for (int x = 0; x < c.destWidth; ++x)
      EXPECT_NEAR(Red(out.PixelAt(x, 1)), c.grey, 1) << c.period;
    EXPECT_EQ(out.PixelAt(0, 0) >> 24, 0u);
  }
}

TEST(Resample, EnlargementInterpolatesBetweenNeighbours) {
  Bitmap two(2, 1);
  two.SetPixel(1, 0, MakePixel(200, 100, 40));
  Bitmap out(8, 1);
  ResampleInto(two, out, out.Bounds());
  EXPECT_EQ(out.PixelAt(0, 0), 0u);  // edges keep the edge pixels
  EXPECT_EQ(out.PixelAt(7, 0), MakePixel(200, 100, 40));
  int previous = -1;
  for (int x = 0; x < 8; ++x) {  // rises steadily in between
    EXPECT_GE(Red(out.PixelAt(x, 0)), previous);
    previous = Red(out.PixelAt(x, 0));
  }
  EXPECT_GT(Red(out.PixelAt(3, 0)), 0);
  EXPECT_LT(Red(out.PixelAt(4, 0)), 200);
}

TEST(Resample, RefusesABlockOutsideTheDestination) {
  Bitmap src(2, 2), dest(4, 4);
  EXPECT_THROW(ResampleInto(src, dest, Rect{2, 2, 5, 4}), EInvalidOperation);
}

// An APP1 EXIF body holding one orientation entry.
std::vector<std::uint8_t> ExifWithOrientation(int value, bool bigEndian) {
  auto u16 = [&](std::vector<std::uint8_t>& v, int x) {
    if (bigEndian) {
      v.push_back(static_cast<std::uint8_t>(x >> 8));
      v.push_back(static_cast<std::uint8_t>(x));
    } else {
      v.push_back(static_cast<std::uint8_t>(x));
      v.push_back(static_cast<std::uint8_t>(x >> 8));
    }
  };
  std::vector<std::uint8_t> s = {'E', 'x', 'i', 'f', 0, 0};
  if (bigEndian)
    s.insert(s.end(), {'M', 'M', 0, 42, 0, 0, 0, 8});
  else
    s.insert(s.end(), {'I', 'I', 42, 0, 8, 0, 0, 0});
  u16(s, 2);  // two entries
  u16(s, 0x010F);
  u16(s, 2);
  u16(s, 0);
  u16(s, 4);
  u16(s, 0);
  u16(s, 0);  // Make, skipped
  u16(s, 0x0112);
  u16(s, 3);
  u16(s, 0);
  u16(s, 1);
  u16(s, value);
  u16(s, 0);
  return s;
}

TEST(Orientation, ReadsTheTagInBothByteOrders) {
  for (bool big : {false, true}) {
    for (int value = 1; value <= 8; ++value) {
      const auto s = ExifWithOrientation(value, big);
      EXPECT_EQ(ExifOrientation(s.data(), s.size()), value);
    }
  }
}

TEST(Orientation, DamagedOrForeignSegmentsCountAsUpright) {
  auto s = ExifWithOrientation(6, false);
  EXPECT_EQ(ExifOrientation(s.data(), s.size() - 6), 1);  // entry cut short
  s[6] = 'X';
  EXPECT_EQ(ExifOrientation(s.data(), s.size()), 1);
  const std::uint8_t xmp[] = "http://ns.adobe.com/xap/1.0/";
  EXPECT_EQ(ExifOrientation(xmp, sizeof xmp), 1);
  auto far = ExifWithOrientation(6, false);
  far[10] = 0xFF;  // first directory beyond the segment
  EXPECT_EQ(ExifOrientation(far.data(), far.size()), 1);
}

TEST(Orientation, TurnsAndMirrorsTheStoredPicture) {
  // Stored 3 x 2:  a b c / d e f
  Bitmap stored(3, 2);
  for (int i = 0; i < 6; ++i) stored.SetPixel(i % 3, i / 3, static_cast<Pixel>('a' + i));
  struct Case {
    int orientation;
    Size size;
    const char* rows;
  };
  const Case cases[] = {
      {1, {3, 2}, "abcdef"}, {2, {3, 2}, "cbafed"}, {3, {3, 2}, "fedcba"}, {4, {3, 2}, "defabc"},
      {5, {2, 3}, "adbecf"}, {6, {2, 3}, "daebfc"}, {7, {2, 3}, "fcebda"}, {8, {2, 3}, "cfbead"},
  };
  for (const Case& c : cases) {
    const Bitmap upright = Orient(stored.Clone(), c.orientation);
    ASSERT_EQ(upright.GetSize(), c.size) << c.orientation;
    std::string got;
    for (int y = 0; y < upright.Height(); ++y)
      for (int x = 0; x < upright.Width(); ++x) got += static_cast<char>(upright.PixelAt(x, y));
    EXPECT_EQ(got, c.rows) << c.orientation;
  }
}

std::vector<std::uint8_t> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(SaveBmp, WritesBottomUpTwentyFourBitRowsPaddedToFourBytes) {
  const auto path = std::filesystem::temp_directory_path() / "pictures-savebmp-test.bmp";
  Bitmap b(3, 2);
  b.SetPixel(0, 0, MakePixel(10, 20, 30));  // top left
  b.SetPixel(2, 1, MakePixel(40, 50, 60));  // bottom right
  SaveBmp(b, path.string());
  const auto f = ReadAll(path.string());
  std::filesystem::remove(path);
  ASSERT_EQ(f.size(), 54u + 2 * 12);
  EXPECT_EQ(f[0], 'B');
  EXPECT_EQ(f[28], 24);
  EXPECT_EQ(f[18], 3);
  EXPECT_EQ(f[22], 2);
  // First stored row is the bottom one: its last pixel is blue 60, green 50, red 40.
  EXPECT_EQ(f[54 + 6], 60);
  EXPECT_EQ(f[54 + 8], 40);
  // Second stored row, first pixel: the top-left one.
  EXPECT_EQ(f[54 + 12], 30);
  EXPECT_EQ(f[54 + 14], 10);
}

TEST(SaveBmp, UnwritableTargetRaisesAndLeavesNothing) {
  const std::string path = "/nonexistent-folder-for-pictures/x.bmp";
  EXPECT_THROW(SaveBmp(Bitmap(2, 2), path), EFCreateError);
  EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
