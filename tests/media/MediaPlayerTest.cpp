#include "players/MediaPlayer.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

#include "MediaFiles.h"
#include "platform/Errors.h"

namespace {

class MediaPlayerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    TMediaPlayer::SetPlayerOptions({{"vo", "null"}, {"ao", "null"}, {"ao-null-untimed", "yes"}});
  }
  MediaPlayerTest() {
    player_->OnNotify = [this](QObject* sender) {
      EXPECT_EQ(sender, player_);
      ends_.push_back({player_->Position(), player_->Length()});
    };
  }
  std::string File(const char* name) const { return dir_.filePath(name).toStdString(); }
  void Open(const std::string& path) {
    player_->SetFileName(path);
    player_->Open();
  }
  bool WaitForEnds(std::size_t count) {
    return QTest::qWaitFor([&] { return ends_.size() >= count; }, 10000);
  }

  QTemporaryDir dir_;
  QWidget window_;
  TMediaPlayer* player_ = new TMediaPlayer(&window_);
  std::vector<std::pair<std::int32_t, std::int32_t>> ends_;  // position and length at each end
};

TEST_F(MediaPlayerTest, OpenGivesTheNaturalSizeAndTheEndIsReportedWithPositionAtLength) {
  WriteY4m(File("a.y4m"), 320, 240, 10);
  Open(File("a.y4m"));
  EXPECT_EQ(player_->DisplayRect(), QRect(0, 0, 320, 240));
  EXPECT_EQ(player_->Length(), 400);
  EXPECT_EQ(player_->Position(), 0);
  player_->Play();
  ASSERT_TRUE(WaitForEnds(1));
  QTest::qWait(50);
  ASSERT_EQ(ends_.size(), 1u);
  EXPECT_GE(ends_[0].first, ends_[0].second);
  EXPECT_EQ(ends_[0].second, 400);

  // The next file replaces it at once.
  WriteY4m(File("b.y4m"), 64, 48, 5);
  Open(File("b.y4m"));
  EXPECT_EQ(player_->DisplayRect(), QRect(0, 0, 64, 48));
  EXPECT_LT(player_->Position(), player_->Length());
  player_->Play();
  ASSERT_TRUE(WaitForEnds(2));
}

TEST_F(MediaPlayerTest, FileThatCannotBeOpenedThrowsAndLeavesThePlayerUsable) {
  WriteY4m(File("good.y4m"), 32, 32, 5);
  WriteText(File("text.avi"), "not a video at all, just some words");
  WriteText(File("empty.mp4"), "");
  WriteTruncated(File("good.y4m"), File("header.y4m"), 20);
  for (const char* name : {"missing.avi", "text.avi", "empty.mp4", "header.y4m"}) {
    SCOPED_TRACE(name);
    player_->SetFileName(File(name));
    try {
      player_->Open();
      ADD_FAILURE() << "no error";
    } catch (const EMCIDeviceError& error) {
      EXPECT_NE(error.Message().find(name), std::string::npos) << error.Message();
    }
    EXPECT_THROW(player_->Play(), EMCIDeviceError);
    EXPECT_EQ(player_->Length(), 0);
  }
  Open(File("good.y4m"));
  player_->Play();
  ASSERT_TRUE(WaitForEnds(1));
}

TEST_F(MediaPlayerTest, VideoCutShortEndsLikeAFinishedOne) {
  WriteY4m(File("long.y4m"), 64, 48, 50);
  // Half of the frames, the last one incomplete.
  WriteTruncated(File("long.y4m"), File("cut.y4m"), 25 * (64 * 48 * 3 / 2 + 6) + 1000);
  Open(File("cut.y4m"));
  player_->Play();
  ASSERT_TRUE(WaitForEnds(1));
  EXPECT_GE(ends_[0].first, ends_[0].second);
}

TEST_F(MediaPlayerTest, SoundWithoutPictureHasNoSizeAndEnds) {
  WriteWav(File("a.wav"), 200);
  Open(File("a.wav"));
  EXPECT_EQ(player_->DisplayRect(), QRect(0, 0, 0, 0));
  player_->Play();
  ASSERT_TRUE(WaitForEnds(1));
}

TEST_F(MediaPlayerTest, CloseForgetsTheFileAndItsPendingEnd) {
  WriteY4m(File("a.y4m"), 32, 32, 100);
  Open(File("a.y4m"));
  player_->Close();
  EXPECT_EQ(player_->Length(), 0);
  EXPECT_EQ(player_->Position(), 0);
  EXPECT_THROW(player_->Play(), EMCIDeviceError);
  QTest::qWait(200);
  EXPECT_TRUE(ends_.empty());
}

}  // namespace
