#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>

#include <algorithm>
#include <deque>
#include <fstream>
#include <memory>
#include <set>

#include "FakeMciDevice.h"
#include "MediaFiles.h"
#include "ShowFixture.h"
#include "NotifySink.h"
#include "host/ShowSaver.h"
#include "platform/MciMpvDevice.h"

namespace {

// A show whose two items are of a kind no player plays, so the music can be watched alone.
ShowSpec SilentShow() {
  ShowSpec showData;
  showData.exitOnMouseMove = showData.exitOnClick = showData.exitOnKey = false;
  for (int i = 0; i < 2; ++i) showData.items.push_back({9, "", "item" + std::to_string(i), ".x"});
  return showData;
}

// A shown window whose music goes to a recording device.
class MusicTest : public ::testing::Test {
 protected:
  MusicTest() {
    auto fake = std::make_unique<FakeMciDevice>();
    fake->sent_ = &sent_;
    fake->modes_ = &modes_;
    previous_ = ReplaceMciDevice(std::move(fake));
  }
  ~MusicTest() override {
    window_.reset();
    ReplaceMciDevice(std::move(previous_));
  }

  // A silent show with music records m0.mp3 ... that exist unless listed in missing.
  TfrmShowSaver& Start(int tracks, bool random = false, bool preview = false,
                       std::vector<int> missing = {}) {
    ShowSpec showData = SilentShow();
    showData.randomMusic = random;
    for (int i = 0; i < tracks; ++i) showData.music.push_back({"", Track(i)});
    show_ = std::make_unique<TTestShow>(showData);
    for (int i = 0; i < tracks; ++i) {
      if (std::find(missing.begin(), missing.end(), i) == missing.end())
        WriteText(show_->Folder() + Track(i), "music");
    }
    window_ = std::make_unique<TfrmShowSaver>(nullptr, TShowWindowOptions{show_->PlayerPath(), 0});
    window_->IsPreview = preview;
    window_->setGeometry(0, 0, 320, 240);
    window_->show();
    return *window_;
  }
  static std::string Track(int i) { return "m" + std::to_string(i) + ".mp3"; }
  std::string Open(int i) const { return "Open " + window_->Saver->MusicPath(i) + " alias mid"; }
  std::vector<std::string> TakeCommands() {
    std::vector<std::string> commands;
    for (const auto& sent : sent_) commands.push_back(sent.command);
    sent_.clear();
    return commands;
  }
  void Notify(int code) { window_->MciNotify(MciNotifyEvent(code)); }

  std::vector<FakeMciDevice::Sent> sent_;
  std::deque<std::string> modes_;
  std::unique_ptr<MciDevice> previous_;
  std::unique_ptr<TTestShow> show_;
  std::unique_ptr<TfrmShowSaver> window_;
};

using Commands = std::vector<std::string>;

TEST_F(MusicTest, TracksInListOrderWrapAroundAndEachNotifiesTheWindow) {
  TfrmShowSaver& window = Start(3);
  EXPECT_EQ(TakeCommands(), (Commands{"stop mid", "close mid", Open(0), "Play mid notify"}));
  EXPECT_EQ(window.CurrentMusic, 0);
  for (int next : {1, 2, 0}) {
    Notify(MciNotifyEvent::Successful);
    EXPECT_EQ(TakeCommands(), (Commands{"Status mid mode", "stop mid", "close mid", Open(next),
                                        "Play mid notify"}));
    EXPECT_EQ(window.CurrentMusic, next);
    EXPECT_EQ(window.TraceLine, "000");
    EXPECT_EQ(window.TraceFunction, "");
  }
  for (const auto& sent : sent_) EXPECT_EQ(sent.callback, &window);
}

TEST_F(MusicTest, TheNotificationReachesMciNotifyThroughTheWindowsEvents) {
  TfrmShowSaver& window = Start(2);
  TakeCommands();
  QCoreApplication::postEvent(&window, new MciNotifyEvent(MciNotifyEvent::Successful));
  QCoreApplication::sendPostedEvents(&window);
  EXPECT_EQ(TakeCommands(),
            (Commands{"Status mid mode", "stop mid", "close mid", Open(1), "Play mid notify"}));
}

TEST_F(MusicTest, OneTrackPlaysAgainEachTimeItEnds) {
  Start(1);
  TakeCommands();
  for (int i = 0; i < 2; ++i) {
    Notify(MciNotifyEvent::Successful);
    EXPECT_EQ(TakeCommands(),
              (Commands{"Status mid mode", "stop mid", "close mid", Open(0), "Play mid notify"}));
  }
}

TEST_F(MusicTest, RandomOrderPicksAnyTrackEachTime) {
  TfrmShowSaver& window = Start(3, /*random=*/true);
  std::set<int> played;
  for (int i = 0; i < 60; ++i) {
    ASSERT_GE(window.CurrentMusic, 0);
    ASSERT_LT(window.CurrentMusic, 3);
    played.insert(window.CurrentMusic);
    const Commands commands = TakeCommands();
    ASSERT_GE(commands.size(), 2u);
    EXPECT_EQ(commands[commands.size() - 2], Open(window.CurrentMusic));
    EXPECT_EQ(commands.back(), "Play mid notify");
    Notify(MciNotifyEvent::Successful);
  }
  EXPECT_EQ(played.size(), 3u);
}

TEST_F(MusicTest, PreviewSendsNoCommandAtAll) {
  TfrmShowSaver& window = Start(2, false, /*preview=*/true);
  Notify(MciNotifyEvent::Successful);
  window.PlayMusic();
  window.ExitSaver();
  EXPECT_TRUE(sent_.empty());
}

TEST_F(MusicTest, WhatANotificationStartsDependsOnItsCodeAndTheDeviceMode) {
  struct Case {
    int code;
    std::deque<std::string> modes;
    Commands expected;  // "next" stands for the commands that start the next track
  };
  const Case cases[] = {
      {MciNotifyEvent::Aborted, {"stopped"}, {"Status mid mode"}},
      {MciNotifyEvent::Aborted, {"playing", "playing"}, {"Status mid mode", "Status mid mode"}},
      {MciNotifyEvent::Superseded,
       {"playing", "playing"},
       {"Status mid mode", "Status mid mode", "next"}},
      {MciNotifyEvent::Failure, {"stopped"}, {"Status mid mode", "next"}},
      {MciNotifyEvent::Successful, {"paused", "paused"}, {"Status mid mode", "Status mid mode"}},
      {MciNotifyEvent::Successful, {"", ""}, {"Status mid mode", "Status mid mode"}},
      {MciNotifyEvent::Successful, {"Stopped", "Playing"}, {"Status mid mode", "Status mid mode"}},
  };
  TfrmShowSaver& window = Start(2);
  for (const auto& c : cases) {
    TakeCommands();
    modes_ = c.modes;
    const int before = window.CurrentMusic;
    Notify(c.code);
    Commands expected;
    for (const auto& command : c.expected) {
      if (command != "next") {
        expected.push_back(command);
        continue;
      }
      const int next = (before + 1) % 2;
      for (const auto& step : {std::string("stop mid"), std::string("close mid"), Open(next),
                               std::string("Play mid notify")})
        expected.push_back(step);
    }
    EXPECT_EQ(TakeCommands(), expected) << "code " << c.code << ", first mode " << c.modes.front();
    EXPECT_EQ(window.TraceLine, "000");
  }
}

TEST_F(MusicTest, AMissingFileEndsTheMusicForTheRestOfTheShow) {
  TfrmShowSaver& window = Start(3, false, false, /*missing=*/{1});
  EXPECT_EQ(TakeCommands(), (Commands{"stop mid", "close mid", Open(0), "Play mid notify"}));
  Notify(MciNotifyEvent::Successful);
  EXPECT_EQ(TakeCommands(), (Commands{"Status mid mode", "stop mid", "close mid"}));
  EXPECT_EQ(window.CurrentMusic, 1);
  EXPECT_EQ(window.TraceLine, "000");
  EXPECT_EQ(window.TraceFunction, "");
}

TEST_F(MusicTest, NoMusicRecordsOpenNothingAndTheEndStopsTheMusic) {
  TfrmShowSaver& window = Start(0);
  EXPECT_EQ(TakeCommands(), (Commands{"stop mid", "close mid"}));
  window.ExitSaver();
  EXPECT_EQ(TakeCommands(), (Commands{"stop mid", "close mid"}));
}

// Two show windows, as on two monitors, on the real device: the window shown last drives the
// music, and only one track ever plays.
TEST(MusicOnTwoMonitors, TheWindowShownLastDrivesTheOnlyTrack) {
  // Tracks at their real pace, so that each track change can be seen.
  auto previous =
      ReplaceMciDevice(std::make_unique<MciMpvDevice>(MpvPlayer::Options{{"ao", "null"}}));
  ShowSpec showData = SilentShow();
  showData.music = {{"", "a.wav"}, {"", "b.wav"}};
  TTestShow show(showData);
  WriteWav(show.Folder() + "a.wav", 300);
  WriteWav(show.Folder() + "b.wav", 300);
  {
    TfrmShowSaver first(nullptr, TShowWindowOptions{show.PlayerPath(), 0});
    TfrmShowSaver second(nullptr, TShowWindowOptions{show.PlayerPath(), 1});
    first.setGeometry(0, 0, 200, 200);
    second.setGeometry(200, 0, 200, 200);
    first.show();
    EXPECT_EQ(MciSendString("Status mid mode", nullptr).reply, "playing");
    second.show();
    EXPECT_EQ(MciSendString("Status mid mode", nullptr).reply, "playing");
    // A second open of the alias is refused while a track is open.
    EXPECT_EQ(MciSendString("Open " + show.Folder() + "a.wav alias mid", nullptr).error,
              MciError::DuplicateAlias);
    // The tracks follow each other through the second window: b, a, b ...
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.CurrentMusic == 1; }, 10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.CurrentMusic == 0; }, 10000));
    EXPECT_EQ(first.CurrentMusic, 0);
    first.ExitSaver();
    second.ExitSaver();
  }
  EXPECT_EQ(MciSendString("Status mid mode", nullptr).reply, "");
  ReplaceMciDevice(std::move(previous));
}

}  // namespace
