#include "effects/Shading.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Profile = std::vector<std::int32_t>;

TEST(ShadingTest, ColumnProfileClimbsUpToAndIncludingTheMiddle) {
  EXPECT_EQ(ColumnShadeProfile(48, 20),
            (Profile{-48, -44, -40, -36, -32, -28, -24, -20, -16, -12,
                     -8,  -12, -16, -20, -24, -28, -32, -36, -40, -44}));
}

TEST(ShadingTest, RowProfileClimbsOnlyBeforeTheMiddle) {
  EXPECT_EQ(RowShadeProfile(48, 20), (Profile{-48, -44, -40, -36, -32, -28, -24, -20, -16, -12,
                                              -16, -20, -24, -28, -32, -36, -40, -44, -48, -52}));
}

TEST(ShadingTest, WideBandsStepByOneAndBothHelpersAgree) {
  const Profile columns = ColumnShadeProfile(48, 200);
  EXPECT_EQ(columns, RowShadeProfile(48, 200));
  ASSERT_EQ(columns.size(), 200u);
  EXPECT_EQ(columns[0], -48);
  EXPECT_EQ(columns[1], -48);
  EXPECT_EQ(columns[2], -47);
  EXPECT_EQ(columns[3], -47);
  EXPECT_EQ(columns[98], 1);
  EXPECT_EQ(columns[99], 1);
  EXPECT_EQ(columns[198], -49);
  EXPECT_EQ(columns[199], -49);
}

TEST(ShadingTest, NarrowBandsOrNoAmountAreNotShaded) {
  EXPECT_TRUE(ColumnShadeProfile(48, 1).empty());
  EXPECT_TRUE(RowShadeProfile(48, 0).empty());
  EXPECT_TRUE(ColumnShadeProfile(0, 20).empty());
  Bitmap bitmap(3, 3, MakePixel(20, 20, 20));
  ShadeColumns(bitmap, 48, 1, 1);
  ShadeRows(bitmap, 48, 1, 1);
  EXPECT_EQ(bitmap.PixelAt(1, 1), MakePixel(20, 20, 20));
}

TEST(ShadingTest, ShadingClampsColourAndKeepsTheFourthByte) {
  Bitmap bitmap(4, 3, MakePixel(20, 200, 250, 0x7F));
  ShadeColumns(bitmap, 48, 1, 3);  // half 1 < 48: offsets -48, 0, -48
  EXPECT_EQ(bitmap.PixelAt(0, 2), MakePixel(20, 200, 250, 0x7F));
  EXPECT_EQ(bitmap.PixelAt(1, 2), MakePixel(0, 152, 202, 0x7F));
  EXPECT_EQ(bitmap.PixelAt(2, 0), MakePixel(20, 200, 250, 0x7F));
  EXPECT_EQ(bitmap.PixelAt(3, 1), MakePixel(0, 152, 202, 0x7F));
}

TEST(ShadingTest, RowsAreShadedFromTheBandsBottomRowUpwards) {
  Bitmap bitmap(2, 5, MakePixel(100, 100, 100));
  ShadeRows(bitmap, 48, 1, 3);  // half 1 < 48: offsets -48, -96, -144
  EXPECT_EQ(bitmap.PixelAt(0, 0), MakePixel(100, 100, 100));
  EXPECT_EQ(bitmap.PixelAt(1, 3), MakePixel(52, 52, 52));
  EXPECT_EQ(bitmap.PixelAt(0, 2), MakePixel(4, 4, 4));
  EXPECT_EQ(bitmap.PixelAt(0, 1), MakePixel(0, 0, 0));
  EXPECT_EQ(bitmap.PixelAt(1, 4), MakePixel(100, 100, 100));
  // Bands reaching past the bitmap shade only the rows and columns inside it.
  ShadeColumns(bitmap, 48, -5, 10);  // offsets -48, -39, -30, -21, -12, -3, -12, ...
  EXPECT_EQ(bitmap.PixelAt(0, 0), MakePixel(97, 97, 97));
  EXPECT_EQ(bitmap.PixelAt(1, 0), MakePixel(88, 88, 88));
}

}  // namespace
