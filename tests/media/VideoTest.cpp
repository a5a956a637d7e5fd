#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <memory>

#include "MediaFiles.h"
#include "ShowFixture.h"
#include "host/ShowError.h"
#include "host/ShowSaver.h"
#include "players/MediaPlayer.h"

namespace {

// A video show in a 1024 × 768 window (a preview window, which keeps its size), on the null
// outputs.
class VideoTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    TMediaPlayer::SetPlayerOptions({{"vo", "null"}, {"ao", "null"}, {"ao-null-untimed", "yes"}});
  }
  ~VideoTest() override { window_.reset(); }

  // One item per file name; the files are made by the caller in Folder().
  TfrmShowSaver& Start(std::uint8_t fitMode, const std::vector<std::string>& files,
                       const std::function<void(const std::string& folder)>& makeFiles) {
    ShowSpec showData;
    showData.showKind = ikVideo;
    showData.fitMode = fitMode;
    showData.backColor = 0x00204080;
    for (const auto& file : files) showData.items.push_back({ikVideo, "", file, ".y4m"});
    show_ = std::make_unique<TTestShow>(showData);
    makeFiles(show_->Folder());
    window_ = std::make_unique<TfrmShowSaver>(nullptr, TShowWindowOptions{show_->PlayerPath(), 0});
    window_->IsPreview = true;
    window_->setGeometry(0, 0, 1024, 768);
    window_->show();
    return *window_;
  }
  TfrmShowSaver& StartOne(std::uint8_t fitMode, int width, int height, int frames = 3) {
    return Start(fitMode, {"v.y4m"}, [&](const std::string& folder) {
      WriteY4m(folder + "v.y4m", width, height, frames);
    });
  }

  std::unique_ptr<TTestShow> show_;
  std::unique_ptr<TfrmShowSaver> window_;
};

TEST_F(VideoTest, PanelAndPictureFollowTheFitMode) {
  struct Case {
    int fitMode, width, height;
    QRect panel, display;
  };
  const Case cases[] = {
      {1, 320, 240, {0, 0, 1024, 768}, {0, 0, 1024, 768}},        // the panel filled
      {1, 640, 360, {0, 0, 1024, 768}, {0, 0, 1024, 768}},        // proportions not kept
      {2, 320, 240, {0, 0, 1024, 768}, {0, 0, 1024, 768}},        // proportional
      {2, 640, 360, {0, 96, 1024, 576}, {0, 0, 1024, 576}},       // bars above and below
      {0, 320, 240, {352, 264, 320, 240}, {0, 0, 320, 240}},      // natural size, centred
      {0, 1280, 960, {-128, -96, 1280, 960}, {0, 0, 1280, 960}},  // larger than the window
      {7, 320, 240, {352, 264, 320, 240}, {0, 0, 320, 240}},      // any other mode as 0
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << c.fitMode << ", " << c.width << "x" << c.height);
    TfrmShowSaver& window = StartOne(static_cast<std::uint8_t>(c.fitMode), c.width, c.height);
    ASSERT_NE(window.mdp, nullptr);
    EXPECT_EQ(window.mdp->objectName(), "Player_1");
    EXPECT_EQ(window.mdp->Display(), window.pnVedeo);
    EXPECT_EQ(window.pnVedeo->geometry(), c.panel);
    EXPECT_EQ(window.mdp->DisplayRect(), c.display);
    EXPECT_TRUE(window.pnVedeo->isVisible());
    EXPECT_EQ(window.pnVedeo->palette().color(QPalette::Window), QColor(0x80, 0x40, 0x20));
    EXPECT_TRUE(window.VideoPlaying);
    EXPECT_EQ(window.TraceLine, "000");
    EXPECT_EQ(window.TraceFunction, "");
    window_.reset();
  }
}

TEST_F(VideoTest, TheEndOfAVideoStartsTheNextItemAfterTenMilliseconds) {
  TfrmShowSaver& window = Start(1, {"a.y4m", "b.y4m"}, [](const std::string& folder) {
    WriteY4m(folder + "a.y4m", 64, 48, 5);
    WriteY4m(folder + "b.y4m", 32, 32, 5);
  });
  std::vector<std::pair<int, bool>> timerAtEnds;  // Timer1's interval and state after each end
  window.mdp->OnNotify = [&window, &timerAtEnds](QObject* sender) {
    window.mdpNotify(sender);
    timerAtEnds.push_back({window.Timer1->interval(), window.Timer1->isActive()});
  };
  // The end has not come yet: a notification now changes nothing.
  window.mdpNotify(window.mdp);
  EXPECT_FALSE(window.Timer1->isActive());
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.CurrentItem == 1; }, 10000));
  EXPECT_EQ(window.mdp->DisplayRect(), QRect(0, 0, 1024, 768));
  EXPECT_FALSE(window.Timer1->isActive());
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.CurrentItem == 0; }, 10000));
  ASSERT_GE(timerAtEnds.size(), 2u);
  EXPECT_EQ(timerAtEnds[0], std::make_pair(10, true));
  EXPECT_EQ(timerAtEnds[1], std::make_pair(10, true));
}

TEST_F(VideoTest, AfterStopAnyTheEndOfTheVideoIsIgnored) {
  TfrmShowSaver& window = StartOne(2, 64, 48, 5);
  bool ended = false;
  window.mdp->OnNotify = [&](QObject* sender) {
    window.mdpNotify(sender);
    ended = true;
  };
  window.StopAny();
  EXPECT_FALSE(window.VideoPlaying);
  EXPECT_FALSE(window.pnVedeo->isVisible());
  ASSERT_TRUE(QTest::qWaitFor([&] { return ended; }, 10000));
  EXPECT_FALSE(window.Timer1->isActive());
}

TEST_F(VideoTest, AFileThatCannotBeOpenedGivesOneReportAtStepFiveAndNoFurtherItem) {
  int reports = 0;
  QStringList lines;
  std::function<void(QWidget*)> onReport = [&](QWidget* modal) {
    ++reports;
    if (auto* report = qobject_cast<TfrmShowError*>(modal))
      lines = report->Memo1->toPlainText().split('\n');
    modal->close();
  };
  WhenModal(onReport);
  TfrmShowSaver& window = Start(1, {"broken.y4m", "good.y4m"}, [](const std::string& folder) {
    WriteText(folder + "broken.y4m", "YUV4MPEG2 but nothing a decoder could use");
    WriteY4m(folder + "good.y4m", 32, 32, 3);
  });
  EXPECT_EQ(reports, 1);
  ASSERT_EQ(lines.size(), 6);
  EXPECT_TRUE(lines[0].startsWith("Error Message:Cannot open the file")) << lines[0].toStdString();
  EXPECT_EQ(lines[1], "Error    Code:0");
  EXPECT_EQ(lines[2], "function     :PlayVideo");
  EXPECT_EQ(lines[3], "Lines     :5");
  EXPECT_EQ(lines[4], "Object     :");
  EXPECT_EQ(lines[5], "Error Class:EMCIDeviceError");
  EXPECT_EQ(window.TraceLine, "000");
  EXPECT_EQ(window.TraceFunction, "");
  EXPECT_TRUE(window.pnVedeo->isVisible());
  QTest::qWait(500);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(window.CurrentItem, 0);
  EXPECT_FALSE(window.Timer1->isActive());
}

}  // namespace
