// End-to-end runs of the real showsaver: a player copy with a trailer, driven with xdotool.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <csignal>
#include <memory>

#include "ShowFixture.h"

namespace {

const QString kPlayer = QStringLiteral(SHOWSAVER_BINARY);

// Output of a command, or empty text when it fails.
QString Command(const QString& program, const QStringList& arguments,
                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  if (!process.waitForFinished(10000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// Titles of the visible windows, to say what was on screen when a step failed.
std::string VisibleWindowTitles() {
  QStringList titles;
  for (const QString& window :
       Command("xdotool", {"search", "--onlyvisible", "--name", "."}).split('\n'))
    titles << Command("xdotool", {"getwindowname", window});
  return titles.join(" | ").toStdString();
}

// A mono 8 kHz 16-bit wave file of silence.
void WriteSilentWave(const QString& path, int seconds) {
  const quint32 rate = 8000;
  const quint32 dataBytes = rate * 2 * static_cast<quint32>(seconds);
  QByteArray wave;
  const auto put32 = [&wave](quint32 v) {
    for (int i = 0; i < 4; ++i) wave.append(char((v >> (8 * i)) & 0xFF));
  };
  const auto put16 = [&wave](quint16 v) { wave.append(char(v & 0xFF)).append(char(v >> 8)); };
  wave.append("RIFF");
  put32(36 + dataBytes);
  wave.append("WAVEfmt ");
  put32(16);
  put16(1);  // PCM
  put16(1);  // mono
  put32(rate);
  put32(rate * 2);
  put16(2);
  put16(16);
  wave.append("data");
  put32(dataBytes);
  wave.append(QByteArray(static_cast<int>(dataBytes), '\0'));
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(wave);
}

// A running showsaver with its diagnostic log.
class Player {
 public:
  // variables are set in the player's environment on top of this process's.
  Player(const QString& executable, const QStringList& arguments, const QString& display = {},
         const QList<std::pair<QString, QString>>& variables = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("SHOWSAVER_LOG", log_.filePath("show.log"));
    environment.insert("SHOWSAVER_POWEROFF_COMMAND", "true");
    if (!display.isEmpty()) environment.insert("DISPLAY", display);
    for (const auto& [name, value] : variables) environment.insert(name, value);
    process_.setProcessEnvironment(environment);
    process_.start(executable, arguments);
    process_.waitForStarted();
  }
  ~Player() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished();
  }

  QString Log() const {
    QFile file(log_.filePath("show.log"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  }
  bool WaitForLog(const QString& text, int milliseconds = 15000) {
    return QTest::qWaitFor([&] { return Log().contains(text); }, milliseconds);
  }
  // The exit status, or -1 when the process still runs after the time given.
  int WaitForExit(int milliseconds = 10000) {
    if (!QTest::qWaitFor([&] { return process_.state() == QProcess::NotRunning; }, milliseconds))
      return -1;
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -2;
  }
  QString Errors() { return QString::fromUtf8(process_.readAllStandardError()); }
  qint64 Pid() const { return process_.processId(); }

 private:
  QTemporaryDir log_;
  QProcess process_;
};

// An X server of our own with two monitors side by side: two screens of 800 × 600.
class TwoMonitorDisplay {
 public:
  TwoMonitorDisplay() {
    for (int number = 90; number < 110 && name_.isEmpty(); ++number) {
      if (QFile::exists(QString("/tmp/.X%1-lock").arg(number))) continue;
      server_.start("Xvfb", {QString(":%1").arg(number), "-nolisten", "tcp", "-screen", "0",
                             "800x600x24", "-screen", "1", "800x600x24"});
      const QString socket = QString("/tmp/.X11-unix/X%1").arg(number);
      if (QTest::qWaitFor([&] { return QFile::exists(socket); }, 5000))
        name_ = QString(":%1").arg(number);
    }
  }
  ~TwoMonitorDisplay() {
    server_.terminate();
    server_.waitForFinished();
  }
  const QString& Name() const { return name_; }

 private:
  QProcess server_;
  QString name_;
};

QProcessEnvironment OnDisplay(const QString& display) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("DISPLAY", display);
  return environment;
}

TEST(EndToEnd, TwoMonitorsEachShowAndOneKeyEndsBoth) {
  TwoMonitorDisplay display;
  ASSERT_FALSE(display.Name().isEmpty());
  ShowSpec showData = SilentShow(2);
  showData.exitOnKey = true;
  showData.backColor = 0x0000FF;  // red
  const TTestShow show(showData);
  Player player(show.MakePlayerCopy(kPlayer, "MyShow.scr"), {}, display.Name());
  ASSERT_TRUE(player.WaitForLog("[1] setup-done")) << player.Log().toStdString();
  ASSERT_TRUE(player.Log().contains("[0] setup-done"));
  const QProcessEnvironment environment = OnDisplay(display.Name());
  for (const char* screen : {"0", "1"}) {
    QString window;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
          window = Command(
              "xdotool",
              {"search", "--screen", QString(screen), "--onlyvisible", "--name", "^frmShowSaver$"},
              environment);
          return !window.isEmpty();
        },
        5000))
        << "no show window on screen " << screen;
    const QString geometry = Command(
        "xdotool", {"getwindowgeometry", "--shell", window.section('\n', 0, 0)}, environment);
    EXPECT_TRUE(geometry.contains("X=0\nY=0\nWIDTH=800\nHEIGHT=600")) << geometry.toStdString();
    // The monitor shows the show's colour.
    const QString screenDisplay = display.Name() + "." + screen;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
          return Command("import", {"-display", screenDisplay, "-window", "root", "-crop",
                                    "1x1+400+300", "-depth", "8", "txt:-"})
              .contains("#FF0000");
        },
        5000))
        << "screen " << screen;
  }
  Command("xdotool", {"mousemove", "400", "300", "key", "a"}, environment);
  EXPECT_EQ(player.WaitForExit(), 0);
  EXPECT_TRUE(player.Log().contains("[0] exit trigger=key"));
  EXPECT_TRUE(player.Log().contains("[1] exit trigger=key"));
}

// Two pictures of 64 × 48, red then blue, each shown for a second, over a silent wave file.
ShowSpec PicturesWithMusic() {
  ShowSpec showData;
  showData.showSeconds = 1;
  showData.backColor = 0x00FF00;  // green
  for (int i = 0; i < 2; ++i)
    showData.items.push_back({ikPicture, "", "pic" + std::to_string(i) + ".bmp", ".bmp"});
  showData.music.push_back({"", "quiet.wav"});
  return showData;
}

void WritePicturesAndMusic(const TTestShow& show) {
  WriteSilentWave(QString::fromStdString(show.Folder()) + "quiet.wav", 3);
  for (int i = 0; i < 2; ++i) {
    QImage picture(64, 48, QImage::Format_RGB888);
    picture.fill(i == 0 ? Qt::red : Qt::blue);
    ASSERT_TRUE(picture.save(QString::fromStdString(show.Folder()) + QString("pic%1.bmp").arg(i)));
  }
}

const QStringList kTemporaryFiles{"tmppic*", "tmpflash*"};

TEST(EndToEnd, SigtermEndsTheShowAndLeavesNoTemporaryFile) {
  const TTestShow show(PicturesWithMusic());
  WritePicturesAndMusic(show);
  Player player(show.MakePlayerCopy(kPlayer, "Pictures.scr"), {});
  ASSERT_TRUE(player.WaitForLog("item-start index=0"))
      << player.Log().toStdString() << player.Errors().toStdString() << VisibleWindowTitles();
  const QDir folder(QString::fromStdString(show.Folder()));
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return !folder.entryList(kTemporaryFiles, QDir::Files).isEmpty(); }, 5000))
      << "the show made no temporary file";
  ::kill(static_cast<pid_t>(player.Pid()), SIGTERM);
  EXPECT_EQ(player.WaitForExit(), 0);
  EXPECT_TRUE(player.Log().contains("exit trigger=screensave"));
  const QStringList left = folder.entryList(kTemporaryFiles, QDir::Files);
  EXPECT_TRUE(left.isEmpty()) << left.join(' ').toStdString();
  const QString log = player.Log();
  EXPECT_TRUE(log.contains("music-start index=0 ")) << log.toStdString();
  const QString made = log.section("tempfile-made ", 1, 1).section('\n', 0, 0);
  EXPECT_TRUE(made.contains("tmppic")) << log.toStdString();
  EXPECT_TRUE(log.contains("tempfile-deleted " + made)) << log.toStdString();
}

// The colour of the pixel at x, y of an X window, as ImageMagick writes it ("#RRGGBB").
QString PixelOf(WId window, int x, int y) {
  const QString text = Command("import", {"-window", QString::number(window), "-crop",
                                          QString("1x1+%1+%2").arg(x).arg(y), "-depth", "8",
                                          "txt:-"});
  // The second line reads "0,0: (255,0,0)  #FF0000  red".
  return text.section('\n', 1, 1).section('#', 1, 1).left(6).prepend('#');
}

// A window of this test for a player to draw into, as XScreenSaver makes one. It is wider than
// the test pictures' shape, so a picture fitted into it leaves the show's colour at the sides.
class HostWindow : public QWidget {
 public:
  HostWindow(int x, int y) {
    setWindowTitle("xscreensaver window");
    setGeometry(x, y, 320, 120);
    show();
  }
  QString Id() const { return "0x" + QString::number(winId(), 16); }
};

TEST(EndToEnd, XScreenSaverModeDrawsIntoTheGivenWindowIgnoresInputAndEndsOnSigterm) {
  ShowSpec showData = PicturesWithMusic();
  showData.exitOnKey = showData.exitOnClick = showData.exitOnMouseMove = true;
  showData.closeButton = true;
  showData.showSeconds = 5;  // time to look at the first picture once its transition is over
  const TTestShow show(showData);
  WritePicturesAndMusic(show);
  QTemporaryDir runtime;
  HostWindow host(100, 100);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
  Player player(show.MakePlayerCopy(kPlayer, "Hosted.scr"), {"--window-id", host.Id()}, {},
                {{"XDG_RUNTIME_DIR", runtime.path()}});
  ASSERT_TRUE(player.WaitForLog("item-done index=0")) << player.Errors().toStdString();
  // The first picture shows in the middle of the window, on the show's colour.
  EXPECT_EQ(PixelOf(host.winId(), 160, 60), "#FF0000");
  EXPECT_EQ(PixelOf(host.winId(), 310, 5), "#00FF00") << "no close button in the corner";
  Command("xdotool", {"mousemove", "200", "200", "click", "1", "key", "a", "mousemove", "250",
                      "250"});
  QTest::qWait(300);
  EXPECT_FALSE(player.Log().contains("exit")) << player.Log().toStdString();
  EXPECT_TRUE(player.Log().contains("music-start index=0 ")) << player.Log().toStdString();
  const QDir folder(QString::fromStdString(show.Folder()));
  ASSERT_FALSE(folder.entryList(kTemporaryFiles, QDir::Files).isEmpty());
  ::kill(static_cast<pid_t>(player.Pid()), SIGTERM);
  EXPECT_EQ(player.WaitForExit(), 0);
  EXPECT_TRUE(player.Log().contains("exit trigger=screensave")) << player.Log().toStdString();
  EXPECT_TRUE(folder.entryList(kTemporaryFiles, QDir::Files).isEmpty());
}

TEST(EndToEnd, OfTwoXScreenSaverProcessesOnlyTheFirstPlaysTheMusic) {
  const TTestShow show(PicturesWithMusic());
  WritePicturesAndMusic(show);
  QTemporaryDir runtime;
  HostWindow left(0, 0);
  HostWindow right(400, 0);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&left) && QTest::qWaitForWindowExposed(&right));
  const QString copy = show.MakePlayerCopy(kPlayer, "TwoMonitors.scr");
  Player first(copy, {}, {},
               {{"XDG_RUNTIME_DIR", runtime.path()}, {"XSCREENSAVER_WINDOW", left.Id()}});
  ASSERT_TRUE(first.WaitForLog("music-start index=0 ")) << first.Log().toStdString();
  Player second(copy, {"--root"}, {},
                {{"XDG_RUNTIME_DIR", runtime.path()}, {"XSCREENSAVER_WINDOW", right.Id()}});
  ASSERT_TRUE(second.WaitForLog("item-start index=0")) << second.Log().toStdString();
  EXPECT_TRUE(QTest::qWaitFor([&] { return PixelOf(right.winId(), 160, 60) == "#FF0000"; }, 5000));
  QTest::qWait(500);
  EXPECT_TRUE(second.Log().contains("music-elsewhere")) << second.Log().toStdString();
  EXPECT_FALSE(second.Log().contains("music-start")) << second.Log().toStdString();
  for (Player* player : {&first, &second}) {
    ::kill(static_cast<pid_t>(player->Pid()), SIGTERM);
    EXPECT_EQ(player->WaitForExit(), 0);
  }
}

TEST(EndToEnd, XScreenSaverModeWithoutItsWindowEndsBeforeShowing) {
  const TTestShow show(SilentShow(1));
  const QString copy = show.MakePlayerCopy(kPlayer, "NoWindow.scr");
  Player badId(copy, {"-window-id", "0xZZ"});
  EXPECT_EQ(badId.WaitForExit(), 1);
  EXPECT_EQ(badId.Errors().trimmed(), "'0xZZ' is not a valid window id");
  Player gone(copy, {}, {}, {{"XSCREENSAVER_WINDOW", "0x7ffffff0"}});
  EXPECT_EQ(gone.WaitForExit(), 1);
  EXPECT_TRUE(gone.Errors().contains("does not exist")) << gone.Errors().toStdString();
  EXPECT_FALSE(gone.Log().contains("setup-done"));
}

TEST(EndToEnd, PreviewFillsTheGivenWindowIgnoresKeysAndEndsOnLosingActivation) {
  ShowSpec showData = SilentShow(1);
  showData.exitOnKey = showData.exitOnClick = showData.exitOnMouseMove = true;
  const TTestShow show(showData);
  QWidget area;
  area.setWindowTitle("preview area");
  area.setGeometry(100, 100, 300, 200);
  area.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
  QWidget elsewhere;
  elsewhere.setWindowTitle("elsewhere");
  elsewhere.setGeometry(600, 100, 100, 100);
  elsewhere.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&elsewhere));
  Player player(show.MakePlayerCopy(kPlayer, "Preview.scr"), {"/p", QString::number(area.winId())});
  ASSERT_TRUE(player.WaitForLog("setup-done")) << player.Errors().toStdString();
  QString preview;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        preview = Command("xdotool", {"search", "--onlyvisible", "--name", "^frmShowSaver$"});
        return !preview.isEmpty();
      },
      5000));
  const QString geometry = Command("xdotool", {"getwindowgeometry", "--shell", preview});
  EXPECT_TRUE(geometry.contains("X=100\nY=100\nWIDTH=300\nHEIGHT=200")) << geometry.toStdString();
  Command("xdotool", {"windowfocus", "--sync", preview});
  Command("xdotool",
          {"mousemove", "250", "200", "click", "1", "key", "a", "mousemove", "200", "150"});
  QTest::qWait(300);
  EXPECT_FALSE(player.Log().contains("exit"));
  Command("xdotool", {"windowfocus", "--sync", QString::number(elsewhere.winId())});
  EXPECT_EQ(player.WaitForExit(), 0);
  EXPECT_TRUE(player.Log().contains("exit trigger=deactivate")) << player.Log().toStdString();
}

TEST(EndToEnd, PreviewWithoutAValidHandleEndsBeforeAnyWindow) {
  for (const QStringList& arguments : {QStringList{"/p", "abc"}, QStringList{"/P"}}) {
    Player player(kPlayer, arguments);
    EXPECT_EQ(player.WaitForExit(), 1);
    const QString expected = QString("'%1' is not a valid integer value")
                                 .arg(arguments.size() > 1 ? arguments[1] : QString());
    EXPECT_EQ(player.Errors().trimmed(), expected);
    EXPECT_TRUE(player.Log().isEmpty());
  }
}

// The configuration tool: a script that records each start, behind the registry stand-in.
class ConfigureMode : public testing::Test {
 protected:
  void SetUp() override {
    qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", config_.filePath("none").toLocal8Bit());
    tool_ = config_.filePath("config tool.sh");
    QFile script(tool_);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(("#!/bin/sh\necho started >> '" + config_.filePath("starts") + "'\n").toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
  }
  void TearDown() override {
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_CONFIG_DIRS");
  }
  void Register(const QString& path) {
    QFile conf(config_.filePath("vornhelm.conf"));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write(("T=" + path + "\n").toUtf8());
  }
  int Starts() {
    QFile starts(config_.filePath("starts"));
    return starts.open(QIODevice::ReadOnly) ? static_cast<int>(starts.readAll().count('\n')) : 0;
  }
  int RunConfigure(const QString& argument) {
    Player player(kPlayer, {argument});
    return player.WaitForExit();
  }

  QTemporaryDir config_;
  QString tool_;
};

TEST_F(ConfigureMode, NothingHappensWithoutTheValueOrItsFile) {
  EXPECT_EQ(RunConfigure("/c"), 0);
  Register(config_.filePath("missing tool"));
  EXPECT_EQ(RunConfigure("/c"), 0);
  QTest::qWait(300);
  EXPECT_EQ(Starts(), 0);
}

TEST_F(ConfigureMode, StartsTheToolOrBringsUpTheRunningOne) {
  Register(tool_);
  EXPECT_EQ(RunConfigure("/C:1234"), 0);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Starts() == 1; }, 5000));
  QWidget running;
  running.setWindowTitle("BrindlemoorBrindlemoor");
  running.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&running));
  QWidget other;
  other.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
  Command("xdotool", {"windowfocus", "--sync", QString::number(other.winId())});
  EXPECT_EQ(RunConfigure("/c"), 0);
  // The running tool was found: no second copy starts. (Whether it comes to the front is not
  // checked here: on a display without a window manager, windows of this test process do not
  // take the focus that another process hands them.)
  QTest::qWait(300);
  EXPECT_EQ(Starts(), 1);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
