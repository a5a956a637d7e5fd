#include "players/FlashControl.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <set>

#include "platform/Errors.h"
#include "tests/swf/TempFolder.h"
#include "tests/web/TestMovies.h"
#include "tests/web/WaitFor.h"

namespace {

class FlashControl : public ::testing::Test {
 protected:
  void SetUp() override {
    window.resize(640, 480);
    window.show();
    control = new TFlashControl(&window);
  }

  TempFolder folder;
  QWidget window;
  TFlashControl* control = nullptr;
};

TEST_F(FlashControl, PlaysAMovieToItsLastFrame) {
  const std::string movie = folder.Write("count.swf", CountingMovie(12, 24));
  control->show();
  control->AlignToParent();
  EXPECT_EQ(control->geometry(), window.rect());
  control->SetBackgroundColor(0x02996633);
  control->SetScaleMode(0);
  control->SetMovie(movie);
  EXPECT_EQ(control->TotalFrames(), 12);
  EXPECT_EQ(control->FrameNum(), 0);
  control->Play();
  std::set<int> seen;
  EXPECT_TRUE(WaitFor([&] {
    seen.insert(control->FrameNum());
    return control->FrameNum() == 11;
  }));
  EXPECT_GT(seen.size(), 3u);
  std::printf("first frame after %lld ms\n",
              static_cast<long long>(control->MillisecondsToFirstFrame()));
}

}  // namespace
