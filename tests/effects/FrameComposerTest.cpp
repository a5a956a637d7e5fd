#include "effects/FrameComposer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TaggedPictures.h"
#include "platform/Errors.h"

namespace {

TEST(ProgressToPixelsTest, LongerSideFirstThenTheAspectRatio) {
  EXPECT_EQ(ProgressToPixels(640, 480, 37), (ProgressPixels{237, 178}));
  EXPECT_EQ(ProgressToPixels(100, 300, 50), (ProgressPixels{50, 150}));
  EXPECT_EQ(ProgressToPixels(40, 30, 1), (ProgressPixels{0, 0}));
  EXPECT_EQ(ProgressToPixels(640, 480, 99), (ProgressPixels{634, 476}));
  EXPECT_EQ(ProgressToPixels(50, 50, 33), (ProgressPixels{17, 17}));
  EXPECT_EQ(ProgressToPixels(640, 480, 100), (ProgressPixels{640, 480}));
  EXPECT_EQ(ProgressToPixels(0, 0, 50), (ProgressPixels{0, 0}));
  EXPECT_EQ(ProgressToPixels(10, 0, 50), (ProgressPixels{0, 0}));
}

class RenderFrameTest : public testing::Test {
 protected:
  Bitmap old_ = Tagged(16, 12, kOld);
  Bitmap picture_ = Tagged(16, 12, kNew);
  Bitmap screen_ = Bitmap(16, 12);
  std::vector<std::string> calls_;

  FrameHooks RecordingHooks() {
    FrameHooks hooks;
    hooks.beforeNewFrame = [this](const Bitmap&, Bitmap& s) {
      calls_.push_back("before:" + std::to_string(PictureOf(s.PixelAt(0, 0))));
    };
    hooks.customDraw = [this](const Bitmap&, Bitmap&) { calls_.push_back("custom"); };
    hooks.afterNewFrame = [this](const Bitmap&, Bitmap&) { calls_.push_back("after"); };
    return hooks;
  }
  bool ScreenIs(int picture) const {
    for (int y = 0; y < 12; ++y) {
      for (int x = 0; x < 16; ++x) {
        if (screen_.PixelAt(x, y) != Tag(x, y, picture)) return false;
      }
    }
    return true;
  }
};

TEST_F(RenderFrameTest, ProgressZeroIsTheOldPictureAndHundredTheNewOne) {
  for (int style : {0, 2, 51}) {
    RenderFrame(screen_, old_, picture_, style, 0, RecordingHooks());
    EXPECT_TRUE(ScreenIs(kOld));
    RenderFrame(screen_, old_, picture_, style, 100, RecordingHooks());
    EXPECT_TRUE(ScreenIs(kNew));
    RenderFrame(screen_, old_, picture_, style, 150);
    EXPECT_TRUE(ScreenIs(kNew));
  }
  // The custom callback is never asked for the first or last frame.
  for (const std::string& call : calls_) EXPECT_NE(call, "custom");
}

TEST_F(RenderFrameTest, TheStyleDrawsOnTheOldPictureBetweenTheHooks) {
  RenderFrame(screen_, old_, picture_, 5, 50, RecordingHooks());
  EXPECT_EQ(calls_, (std::vector<std::string>{"before:1", "after"}));
  // Style 5 reveals the left half.
  EXPECT_EQ(screen_.PixelAt(7, 3), Tag(7, 3, kNew));
  EXPECT_EQ(screen_.PixelAt(8, 3), Tag(8, 3, kOld));
  calls_.clear();
  RenderFrame(screen_, old_, picture_, 0, 50, RecordingHooks());
  EXPECT_EQ(calls_, (std::vector<std::string>{"before:1", "custom", "after"}));
  EXPECT_TRUE(ScreenIs(kOld));
}

TEST_F(RenderFrameTest, AStyleWithoutAProcedureLeavesTheOldPicture) {
  for (int style : {172, -3, 1000}) {
    RenderFrame(screen_, old_, picture_, style, 50);
    EXPECT_TRUE(ScreenIs(kOld));
  }
}

TEST_F(RenderFrameTest, ClippingLeftOnTheScreenIsRemovedBeforeAndAfter) {
  screen_.SelectClipRegion(Region(Rect{0, 0, 1, 1}));
  FrameHooks hooks;
  hooks.customDraw = [](const Bitmap&, Bitmap& s) { s.SelectClipRegion(Region(Rect{0, 0, 2, 2})); };
  RenderFrame(screen_, old_, picture_, 0, 50, hooks);
  EXPECT_TRUE(ScreenIs(kOld));
  EXPECT_FALSE(screen_.HasClip());
}

TEST(RenderEmptyFrameTest, EmptyPicturesStillRaiseTheFrameHooks) {
  int hooks = 0;
  FrameHooks counting;
  counting.beforeNewFrame = [&](const Bitmap&, Bitmap&) { ++hooks; };
  counting.afterNewFrame = [&](const Bitmap&, Bitmap&) { ++hooks; };
  for (const Size size : {Size{0, 0}, Size{5, 0}, Size{0, 5}}) {
    Bitmap screen(size.width, size.height);
    const Bitmap old(size.width, size.height);
    const Bitmap picture(size.width, size.height);
    for (int style = 1; style <= kLastStyle; ++style) {
      RenderFrame(screen, old, picture, style, 50, counting);
    }
    EXPECT_EQ(screen.GetSize(), size);
  }
  EXPECT_EQ(hooks, 3 * 2 * kLastStyle);
}

TEST_F(RenderFrameTest, PicturesOfDifferentSizesAreRefused) {
  Bitmap small(15, 12);
  EXPECT_THROW(RenderFrame(screen_, old_, small, 1, 50), EInvalidOperation);
  EXPECT_THROW(RenderFrame(small, old_, picture_, 1, 50), EInvalidOperation);
}

}  // namespace
