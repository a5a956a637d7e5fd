#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include "MediaFiles.h"
#include "ShowFixture.h"

namespace {

QString ReadLog(const QString& path) {
  QFile log(path);
  return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

QColor ScreenPixel(const QPoint& at) {
  return QGuiApplication::primaryScreen()
      ->grabWindow(0, at.x(), at.y(), 1, 1)
      .toImage()
      .pixelColor(0, 0);
}

// The player itself, on the virtual display with its real video output: a video show with
// music runs from video to video, draws the picture into the panel in the show's colour, and
// ends on the screen-saver command.
TEST(VideoShow, PlaysFromVideoToVideoOnTheScreenAndEndsOnTheScreenSaverCommand) {
  if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs the X display";
  ShowSpec showData;
  showData.showKind = ikVideo;
  showData.fitMode = 0;             // natural size, centred
  showData.backColor = 0x00FF0000;  // blue
  showData.exitOnMouseMove = showData.exitOnClick = showData.exitOnKey = false;
  showData.items = {{ikVideo, "", "red.y4m", ".y4m"}, {ikVideo, "", "red2.y4m", ".y4m"}};
  showData.music = {{"", "tune.mid"}};
  TTestShow show(showData);
  WriteSolidY4m(show.Folder() + "red.y4m", 320, 240, 25, 81, 90, 240);
  WriteSolidY4m(show.Folder() + "red2.y4m", 320, 240, 25, 81, 90, 240);
  WriteBytes(show.Folder() + "tune.mid", MidiData(8));
  const QString log = QString::fromStdString(show.Folder() + "show.log");

  QProcess player;
  auto environment = QProcessEnvironment::systemEnvironment();
  environment.insert("SHOWSAVER_LOG", log);
  player.setProcessEnvironment(environment);
  player.start(show.MakePlayerCopy(SHOWSAVER_EXECUTABLE, "show.scr"), {});
  ASSERT_TRUE(player.waitForStarted());

  // Items 0, 1, 0: each video's end started the next one.
  ASSERT_TRUE(QTest::qWaitFor([&] { return ReadLog(log).count("item-start index=0") >= 2; }, 20000))
      << ReadLog(log).toStdString();
  const QString text = ReadLog(log);
  EXPECT_GE(text.count("item-done index=0"), 1);
  EXPECT_GE(text.count("item-start index=1"), 1);
  EXPECT_EQ(text.count("error"), 0) << text.toStdString();

  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const QColor video = ScreenPixel(screen.center());
  const QColor background = ScreenPixel(screen.topLeft() + QPoint(10, 10));
  EXPECT_GT(video.red(), 180);
  EXPECT_LT(video.green(), 80);
  EXPECT_LT(video.blue(), 80);
  EXPECT_EQ(background, QColor(0, 0, 255));

  player.terminate();  // SIGTERM stands for the screen-saver command
  ASSERT_TRUE(player.waitForFinished(10000));
  EXPECT_EQ(player.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(player.exitCode(), 0) << player.readAllStandardError().toStdString();
  EXPECT_EQ(ReadLog(log).count("exit trigger=screensave"), 1);
}

}  // namespace
