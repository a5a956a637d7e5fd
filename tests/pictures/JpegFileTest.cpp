// Decoding JPEG files: colours, reduction while decoding, EXIF orientation, damaged files.
#include <gtest/gtest.h>

#include "JpegTestFiles.h"
#include "platform/Errors.h"
#include "players/picture/JpegFile.h"

namespace {

// Red on the left half, blue on the right.
std::uint32_t Halves(int x, int /*y*/, int width) {
  return x < width / 2 ? 0xFF0000 : 0x0000FF;
}

bool Near(Pixel p, std::uint8_t r, std::uint8_t g, std::uint8_t b, int tolerance = 24) {
  auto close = [&](int got, int want) { return std::abs(got - want) <= tolerance; };
  return close((p >> 16) & 0xFF, r) && close((p >> 8) & 0xFF, g) && close(p & 0xFF, b);
}

std::vector<std::uint8_t> ExifOrientation6() {
  return {'E',  'x',  'i', 'f', 0, 0, 'I', 'I', 42, 0, 8, 0, 0, 0, 1, 0,
          0x12, 0x01, 3,   0,   1, 0, 0,   0,   6,  0, 0, 0, 0, 0, 0, 0};
}

TEST(DecodeJpeg, ColourPictureAtFullSize) {
  const auto file = EncodeJpeg(64, 32, [](int x, int y) { return Halves(x, y, 64); });
  const Bitmap b = DecodeJpeg(file.data(), file.size(), {});
  ASSERT_EQ(b.GetSize(), (Size{64, 32}));
  EXPECT_TRUE(Near(b.PixelAt(4, 16), 255, 0, 0));
  EXPECT_TRUE(Near(b.PixelAt(60, 16), 0, 0, 255));
}

TEST(DecodeJpeg, GreyAndCmykPictures) {
  const auto grey = EncodeJpeg(
      16, 16, [](int, int) { return 0x808080; }, 1);
  EXPECT_TRUE(Near(DecodeJpeg(grey.data(), grey.size(), {}).PixelAt(8, 8), 128, 128, 128, 4));
  // Inverted inks as stored by Adobe: full cyan byte, no magenta and yellow, black 255 = red.
  const auto cmyk = EncodeJpeg(
      16, 16, [](int, int) { return 0xFF0000FF; }, 4);
  EXPECT_TRUE(Near(DecodeJpeg(cmyk.data(), cmyk.size(), {}).PixelAt(8, 8), 255, 0, 0));
}

TEST(DecodeJpeg, ReducesWhileDecodingByTheAllowedEighths) {
  const auto file = EncodeJpeg(800, 600, [](int x, int y) { return Halves(x, y, 800); });
  struct Case {
    double reduction;
    Size size;
  };
  const Case cases[] = {{1.0, {800, 600}},
                        {0.5, {400, 300}},
                        {0.3, {300, 225}},
                        {0.126, {200, 150}},
                        {0.01, {100, 75}}};
  for (const Case& c : cases) {
    Size asked;
    const Bitmap b = DecodeJpeg(file.data(), file.size(), [&](Size upright) {
      asked = upright;
      return c.reduction;
    });
    EXPECT_EQ(asked, (Size{800, 600}));
    EXPECT_EQ(b.GetSize(), c.size) << c.reduction;
    EXPECT_TRUE(Near(b.PixelAt(2, 2), 255, 0, 0));
  }
}

TEST(DecodeJpeg, TurnsAPhotoUprightByItsExifOrientation) {
  // Stored 64 x 32, red left: turned a quarter clockwise it stands 32 x 64, red on top.
  const auto file = EncodeJpeg(
      64, 32, [](int x, int y) { return Halves(x, y, 64); }, 3, ExifOrientation6());
  Size asked;
  const Bitmap b = DecodeJpeg(file.data(), file.size(), [&](Size upright) {
    asked = upright;
    return 1.0;
  });
  EXPECT_EQ(asked, (Size{32, 64}));
  ASSERT_EQ(b.GetSize(), (Size{32, 64}));
  EXPECT_TRUE(Near(b.PixelAt(16, 4), 255, 0, 0));
  EXPECT_TRUE(Near(b.PixelAt(16, 60), 0, 0, 255));
}

TEST(DecodeJpeg, DamagedFilesRaiseEJpeg) {
  const auto good = EncodeJpeg(64, 64, [](int x, int y) { return Halves(x, y, 64); });
  std::vector<std::vector<std::uint8_t>> damaged;
  damaged.emplace_back(good.begin(), good.begin() + static_cast<long>(good.size() / 2));  // cut
  damaged.emplace_back(good.begin(), good.begin() + 100);                 // header cut
  damaged.push_back({'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'e', 'g'});  // not a JPEG
  auto zeroed = good;
  for (std::size_t i = 20; i < 200; ++i) zeroed.at(i) = 0;  // tables wiped
  damaged.push_back(zeroed);
  for (const auto& file : damaged) {
    EXPECT_THROW(DecodeJpeg(file.data(), file.size(), {}), EJPEG) << file.size();
  }
  EXPECT_THROW(DecodeJpeg(good.data(), 0, {}), EJPEG);
  try {
    DecodeJpeg(damaged[2].data(), damaged[2].size(), {});
  } catch (const EJPEG& e) {
    EXPECT_NE(e.Message().find("JPEG"), std::string::npos);
    EXPECT_STREQ(e.ClassName(), "EJPEG");
  }
}

}  // namespace
