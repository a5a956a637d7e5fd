#include "raster/Bitmap.h"

#include <gtest/gtest.h>

#include "platform/Errors.h"

namespace {

TEST(BitmapTest, PixelsAreBlueGreenRedFourthInMemory) {
  Bitmap bitmap(2, 1);
  bitmap.SetPixel(1, 0, MakePixel(0x30, 0x20, 0x10, 0x40));
  const std::uint8_t* bytes = bitmap.Bits() + 4;
  EXPECT_EQ(bytes[0], 0x10);
  EXPECT_EQ(bytes[1], 0x20);
  EXPECT_EQ(bytes[2], 0x30);
  EXPECT_EQ(bytes[3], 0x40);
}

TEST(BitmapTest, RowsAreTopDownAndTheBlockWalkStartsAtTheBottomRow) {
  Bitmap bitmap(3, 4);
  for (int y = 0; y < 4; ++y) bitmap.SetPixel(0, y, static_cast<Pixel>(y));
  EXPECT_EQ(bitmap.Stride(), 12u);
  EXPECT_EQ(reinterpret_cast<std::uint8_t*>(bitmap.Row(2)), bitmap.Bits() + 2 * 12);
  EXPECT_EQ(bitmap.BlockRow(0)[0], 3u);
  EXPECT_EQ(bitmap.BlockRow(3)[0], 0u);
}

TEST(BitmapTest, BadSizesAndOutsidePixelsAreReported) {
  EXPECT_THROW(Bitmap(-1, 5), EInvalidOperation);
  EXPECT_THROW(Bitmap(INT32_MAX, INT32_MAX), EOutOfMemory);
  Bitmap bitmap(2, 2);
  EXPECT_THROW(bitmap.PixelAt(2, 0), EInvalidOperation);
  EXPECT_THROW(bitmap.SetPixel(0, -1, 0), EInvalidOperation);
}

TEST(BitmapTest, OneOwnerMovesAndClonesCopyPixelsButNotTheClip) {
  Bitmap a(4, 4, 7);
  a.SelectClipRegion(Region(Rect{0, 0, 2, 2}));
  const Bitmap copy = a.Clone();
  EXPECT_FALSE(copy.HasClip());
  EXPECT_EQ(copy.PixelAt(3, 3), 7u);
  Bitmap b = std::move(a);
  EXPECT_TRUE(b.HasClip());
  EXPECT_EQ(b.Width(), 4);
  EXPECT_TRUE(a.IsEmpty());  // NOLINT(bugprone-use-after-move): a moved-from bitmap is empty
}

TEST(BitmapTest, ClipStateSelectsExcludesAndRemoves) {
  Bitmap bitmap(10, 10);
  // Excluding without a selected region starts from the whole bitmap.
  bitmap.ExcludeClipRect({2, 2, 8, 8});
  ASSERT_TRUE(bitmap.HasClip());
  EXPECT_TRUE(bitmap.ClipRegion()->Contains(0, 0));
  EXPECT_FALSE(bitmap.ClipRegion()->Contains(5, 5));
  // A selected region is kept cut to the bitmap.
  bitmap.SelectClipRegion(Region(Rect{-5, -5, 50, 3}));
  EXPECT_EQ(bitmap.ClipRegion()->Bounds(), (Rect{0, 0, 10, 3}));
  bitmap.ExcludeClipRect({0, 0, 10, 1});
  EXPECT_EQ(bitmap.ClipRegion()->Bounds(), (Rect{0, 1, 10, 3}));
  {
    const ScopedClip clip(bitmap, Region(Rect{1, 1, 2, 2}));
    EXPECT_EQ(bitmap.ClipRegion()->Bounds(), (Rect{1, 1, 2, 2}));
  }
  EXPECT_FALSE(bitmap.HasClip());
}

}  // namespace
