#include "platform/MciMpvDevice.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "MediaFiles.h"
#include "NotifySink.h"

namespace {

// Music without a sound card, as fast as the files decode.
const MpvPlayer::Options kNullAudio = {{"ao", "null"}, {"ao-null-untimed", "yes"}};

class MciMpvDeviceTest : public ::testing::Test {
 protected:
  std::string File(const char* name) const { return dir_.filePath(name).toStdString(); }
  MciResult Send(const std::string& command, QObject* callback = nullptr) {
    return device_.SendString(command, callback);
  }
  std::string Mode() { return Send("Status mid mode").reply; }
  void OpenAndPlay(const std::string& path, NotifySink& sink) {
    ASSERT_EQ(Send("Open " + path + " alias mid").error, MciError::None) << path;
    ASSERT_EQ(Send("Play mid notify", &sink).error, MciError::None);
  }

  QTemporaryDir dir_;
  MciMpvDevice device_{kNullAudio};
  NotifySink sink_;
};

TEST_F(MciMpvDeviceTest, TrackPlayedToItsEndNotifiesTheSenderWithCodeOne) {
  WriteWav(File("a.wav"), 300);
  EXPECT_EQ(Send("Status mid mode").error, MciError::InvalidDeviceName);
  ASSERT_EQ(Send("Open " + File("a.wav") + " alias mid").error, MciError::None);
  EXPECT_EQ(Mode(), "stopped");
  NotifySink other;
  ASSERT_EQ(Send("Play mid notify", &sink_).error, MciError::None);
  EXPECT_EQ(Mode(), "playing");
  EXPECT_EQ(device_.Mode("mid"), "playing");
  EXPECT_EQ(device_.Mode("other"), "");
  ASSERT_TRUE(sink_.WaitForCodes(1));
  EXPECT_EQ(sink_.codes, std::vector<int>{MciNotifyEvent::Successful});
  EXPECT_TRUE(other.codes.empty());
  EXPECT_EQ(Mode(), "stopped");
  EXPECT_EQ(Send("stop mid").error, MciError::None);
  EXPECT_EQ(Send("close mid").error, MciError::None);
  EXPECT_EQ(Send("Status mid mode").reply, "");
}

TEST_F(MciMpvDeviceTest, StopAndCloseCutTheTrackShortWithCodeFour) {
  WriteWav(File("long.wav"), 60000);
  MciMpvDevice timed(
      MpvPlayer::Options{{"ao", "null"}});  // plays in real time, so the track is still running
  ASSERT_EQ(timed.SendString("open " + File("long.wav") + " alias mid", nullptr).error,
            MciError::None);
  timed.SendString("play mid notify", &sink_);
  timed.SendString("stop mid", nullptr);
  EXPECT_EQ(timed.SendString("status mid mode", nullptr).reply, "stopped");
  timed.SendString("play mid notify", &sink_);
  NotifySink second;
  timed.SendString("play mid notify", &second);  // supersedes the first
  timed.SendString("close mid", nullptr);
  ASSERT_TRUE(sink_.WaitForCodes(2));
  ASSERT_TRUE(second.WaitForCodes(1));
  QTest::qWait(100);
  EXPECT_EQ(sink_.codes, (std::vector<int>{MciNotifyEvent::Aborted, MciNotifyEvent::Superseded}));
  EXPECT_EQ(second.codes, std::vector<int>{MciNotifyEvent::Aborted});
}

TEST_F(MciMpvDeviceTest, FileThatCannotBeOpenedLeavesTheAliasClosedAndTheDeviceUsable) {
  WriteWav(File("good.wav"), 200);
  WriteWav(File("long.wav"), 2000);
  WriteText(File("text.wav"), "this is not a sound file at all");
  WriteText(File("empty.mp3"), "");
  WriteTruncated(File("long.wav"), File("header.wav"), 40);
  WriteBytes(File("broken.mid"), {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'x'});
  for (const char* name : {"missing.wav", "text.wav", "empty.mp3", "header.wav", "broken.mid"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Send("Open " + File(name) + " alias mid").error, MciError::CannotLoadFile);
    EXPECT_EQ(Send("Play mid notify", &sink_).error, MciError::InvalidDeviceName);
    EXPECT_EQ(Mode(), "");
  }
  OpenAndPlay(File("good.wav"), sink_);
  ASSERT_TRUE(sink_.WaitForCodes(1));
  EXPECT_EQ(sink_.codes, std::vector<int>{MciNotifyEvent::Successful});
}

TEST_F(MciMpvDeviceTest, TruncatedTrackPlaysWhatItHasAndEnds) {
  WriteWav(File("long.wav"), 2000);
  WriteTruncated(File("long.wav"), File("cut.wav"), 3000);
  OpenAndPlay(File("cut.wav"), sink_);
  ASSERT_TRUE(sink_.WaitForCodes(1));
  EXPECT_EQ(sink_.codes, std::vector<int>{MciNotifyEvent::Successful});
}

TEST_F(MciMpvDeviceTest, SecondOpenOfTheAliasIsRefused) {
  WriteWav(File("a.wav"), 200);
  ASSERT_EQ(Send("Open " + File("a.wav") + " alias mid").error, MciError::None);
  EXPECT_EQ(Send("Open " + File("a.wav") + " alias mid").error, MciError::DuplicateAlias);
  EXPECT_EQ(Send("pause mid").error, MciError::UnrecognizedCommand);
  EXPECT_EQ(Send("status mid length").error, MciError::UnsupportedFunction);
  EXPECT_EQ(Send("play other notify").error, MciError::InvalidDeviceName);
}

TEST_F(MciMpvDeviceTest, MidiFilesPlayToTheirEnd) {
  ASSERT_TRUE(QDir(dir_.path()).mkpath("with space"));
  WriteBytes(File("with space/tune.mid"), MidiData(4));
  WriteBytes(File("tune.RMI"), RmidData(MidiData(2)));
  for (const char* name : {"with space/tune.mid", "tune.RMI"}) {
    SCOPED_TRACE(name);
    NotifySink sink;
    OpenAndPlay(File(name), sink);
    EXPECT_EQ(Mode(), "playing");
    ASSERT_TRUE(sink.WaitForCodes(1));
    EXPECT_EQ(sink.codes, std::vector<int>{MciNotifyEvent::Successful});
    Send("stop mid");
    Send("close mid");
  }
}

}  // namespace
