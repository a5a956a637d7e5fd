#include "players/FlashControl.h"

#include <gtest/gtest.h>

#include <QScreen>
#include <QTest>
#include <QWidget>
#include <array>
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
}

TEST_F(FlashControl, EstimatesTheFrameOfAnActionScript3MovieFromItsPlayingTime) {
  control->show();
  control->SetMovie(folder.Write("as3.swf", CountingMovie(48, 24, 400, 300, 0xCC2020, true)));
  EXPECT_EQ(control->TotalFrames(), 48);
  QTest::qWait(200);
  EXPECT_EQ(control->FrameNum(), 0);  // not playing yet
  control->Play();
  QTest::qWait(150);
  control->Stop();
  const int stopped = control->FrameNum();
  EXPECT_GE(stopped, 2);
  EXPECT_LT(stopped, 47);
  QTest::qWait(300);
  EXPECT_EQ(control->FrameNum(), stopped);  // a stopped movie stays where it is
  control->Play();
  EXPECT_TRUE(WaitFor([&] { return control->FrameNum() == 47; }, 5000));
  QTest::qWait(300);
  EXPECT_EQ(control->FrameNum(), 47);  // the last frame, once its playing time has passed
}

TEST_F(FlashControl, ReportsMoviesItCannotPlay) {
  const std::vector<std::uint8_t> text{'n', 'o', 't', ' ', 'a', ' ', 'm', 'o', 'v', 'i', 'e'};
  EXPECT_THROW(control->SetMovie(folder.Write("text.swf", text)), EControlError);
  EXPECT_THROW(control->SetMovie(folder.File("missing.swf")), EFOpenError);
  auto truncated = CountingMovie(12, 24);
  truncated.resize(truncated.size() / 2);
  EXPECT_THROW(control->SetMovie(folder.Write("cut.swf", truncated)), EReadError);
  // The control still plays a good movie afterwards.
  control->SetMovie(folder.Write("good.swf", CountingMovie(12, 24)));
  EXPECT_EQ(control->TotalFrames(), 12);
}

// The colour on screen at a point of the window.
QColor ScreenColour(const QWidget& window, QPoint at) {
  const QPoint global = window.mapToGlobal(at);
  return window.screen()->grabWindow(0, global.x(), global.y(), 1, 1).toImage().pixelColor(0, 0);
}

bool Near(QColor a, QColor b) {
  return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
             std::abs(a.blue() - b.blue()) <
         24;
}

TEST_F(FlashControl, ScalesTheMovieAsAskedWithBarsInTheShowColour) {
  // A 400 x 100 stage in a 640 x 480 window.
  const std::string movie = folder.Write("wide.swf", CountingMovie(24, 24, 400, 100, 0xCC2020));
  const QColor show(0x33, 0x66, 0x99), stage(0xCC, 0x20, 0x20);
  control->show();
  control->AlignToParent();
  control->SetBackgroundColor(0x02336699);
  struct Case {
    int mode;
    QColor corner, leftMiddle, centre;
  };
  for (const Case& c : {Case{0, show, stage, stage}, Case{1, stage, stage, stage},
                        Case{2, stage, stage, stage}, Case{3, show, show, stage}}) {
    control->SetScaleMode(c.mode);
    control->SetMovie(movie);
    control->Play();
    const auto colours = [&] {
      return std::array{ScreenColour(window, {5, 5}), ScreenColour(window, {20, 240}),
                        ScreenColour(window, {320, 240})};
    };
    EXPECT_TRUE(WaitFor(
        [&] {
          const auto seen = colours();
          return Near(seen[0], c.corner) && Near(seen[1], c.leftMiddle) && Near(seen[2], c.centre);
        },
        10000))
        << "scale mode " << c.mode << ": " << colours()[0].name().toStdString() << " "
        << colours()[1].name().toStdString() << " " << colours()[2].name().toStdString();
  }
}

}  // namespace
