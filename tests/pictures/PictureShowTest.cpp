// Picture shows end to end: a show made with mkshow, played by a player copy under the virtual
// display, watched through screenshots and the diagnostic log; and a damaged first picture,
// which must reach the error report.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <fstream>

#include "JpegTestFiles.h"
#include "host/ShowApplication.h"
#include "host/ShowError.h"
#include "host/ShowSaver.h"
#include "players/picture/BmpWriter.h"
#include "showdata/ShowWriter.h"
#include "transition/TransitionView.h"

namespace {

std::string At(const QTemporaryDir& dir, const char* name) {
  return QDir(dir.path()).filePath(name).toStdString();
}

void WriteJpeg(const std::string& path, std::uint32_t rgb) {
  const auto bytes = EncodeJpeg(96, 64, [rgb](int, int) { return rgb; });
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

int RunTool(const QString& program, const QStringList& args) {
  QProcess p;
  p.setProcessChannelMode(QProcess::ForwardedChannels);
  p.start(program, args);
  p.waitForFinished(30000);
  return p.exitCode();
}

QStringList LogLines(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
}

int CountWith(const QStringList& lines, const QString& text) {
  int n = 0;
  for (const QString& line : lines) n += line.contains(text);
  return n;
}

QColor ScreenCentre() {
  QScreen* screen = QGuiApplication::primaryScreen();
  const QImage shot = screen->grabWindow(0).toImage();
  return shot.pixelColor(shot.width() / 2, shot.height() / 2);
}

bool Near(QColor a, QColor b) {
  return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 &&
         std::abs(a.blue() - b.blue()) < 40;
}

std::vector<std::string> PreparedFiles(const QTemporaryDir& dir) {
  std::vector<std::string> names;
  for (const QString& name : QDir(dir.path()).entryList({"tmppic*"}, QDir::Files)) {
    names.push_back(name.toStdString());
  }
  return names;
}

TEST(PictureShow, PlaysThePicturesInOrderAndLeavesNoFilesAfterTheKeyThatEndsIt) {
  QTemporaryDir dir;
  const QColor red(230, 20, 20), green(20, 200, 40), blue(30, 40, 220);
  WriteJpeg(At(dir, "red.JPG"), 0xE61414);
  SaveBmp(Bitmap(80, 60, MakePixel(20, 200, 40)), At(dir, "green.bmp"));
  WriteJpeg(At(dir, "blue.jpeg"), 0x1E28DC);
  const QString show = QString::fromStdString(At(dir, "show.dat"));
  const QString player = QString::fromStdString(At(dir, "player"));
  ASSERT_EQ(RunTool(MKSHOW_BINARY,
                    {"create", show, "--seconds", "1", "--fit", "proportional", "--background",
                     "#000000", "--exit-on", "key", QString::fromStdString(At(dir, "red.JPG")),
                     QString::fromStdString(At(dir, "green.bmp")),
                     QString::fromStdString(At(dir, "blue.jpeg"))}),
            0);
  ASSERT_EQ(RunTool(MKSHOW_BINARY, {"build", show, player, "--player", SHOWSAVER_BINARY}), 0);

  const QString log = QString::fromStdString(At(dir, "log.txt"));
  QProcess saver;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("SHOWSAVER_LOG", log);
  env.insert("SHOWSAVER_POWEROFF_COMMAND", "true");
  saver.setProcessEnvironment(env);
  saver.setProcessChannelMode(QProcess::ForwardedChannels);
  saver.start(player, {});
  ASSERT_TRUE(saver.waitForStarted());

  // After each transition ends the picture stays a second: look at it then.
  const std::vector<QColor> expected = {red, green, blue, red};
  std::vector<QColor> seen;
  QElapsedTimer clock;
  clock.start();
  while (seen.size() < expected.size() && clock.elapsed() < 30000) {
    QThread::msleep(20);
    if (CountWith(LogLines(log), "item-done") > static_cast<int>(seen.size())) {
      QThread::msleep(150);
      seen.push_back(ScreenCentre());
    }
  }
  ASSERT_EQ(seen.size(), expected.size()) << LogLines(log).join('\n').toStdString();
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_TRUE(Near(seen[i], expected[i]))
        << "picture " << i << " shows " << seen[i].name().toStdString();
  }
  EXPECT_EQ(PreparedFiles(dir),
            (std::vector<std::string>{"tmppic0000.bmp", "tmppic0001.bmp", "tmppic0002.bmp"}));
  const QStringList lines = LogLines(log);
  EXPECT_EQ(CountWith(lines, "item-start index=0 kind=0"), 2);
  EXPECT_EQ(CountWith(lines, "item-start index=1 kind=0"), 1);

  ASSERT_EQ(RunTool("xdotool", {"key", "a"}), 0);
  ASSERT_TRUE(saver.waitForFinished(10000));
  EXPECT_EQ(saver.exitCode(), 0);
  EXPECT_EQ(CountWith(LogLines(log), "exit trigger=key"), 1);
  EXPECT_TRUE(PreparedFiles(dir).empty());
}

TEST(PictureShow, DamagedFirstPictureReachesTheErrorReport) {
  QTemporaryDir dir;
  std::ofstream(At(dir, "broken.jpg"), std::ios::binary) << "\xFF\xD8\xFF\xE0 this is no JPEG";
  ShowSpec showData;
  showData.items = {{ikPicture, "", "broken.jpg", ".jpg"}};
  const auto data = EncodeShow(showData);
  std::ofstream(At(dir, "show.dat"), std::ios::binary)
      .write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  const auto trailer = EncodeTrailer(At(dir, "show.dat"));
  std::ofstream(At(dir, "player"), std::ios::binary)
      .write(reinterpret_cast<const char*>(trailer.data()),
             static_cast<std::streamsize>(trailer.size()));

  QString report;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (auto* dialog = qobject_cast<TfrmShowError*>(QApplication::activeModalWidget())) {
      report = dialog->Memo1->toPlainText();
      dialog->reject();
    }
  });
  watch.start(20);
  TfrmShowSaver window(nullptr, TShowWindowOptions{QString::fromStdString(At(dir, "player")), 0});
  window.IsPreview = true;  // leaves the cursor and the input filter alone
  window.setGeometry(0, 0, 320, 240);
  window.show();
  watch.stop();

  EXPECT_TRUE(report.contains("Error Class:EJPEG")) << report.toStdString();
  EXPECT_TRUE(report.contains("function     :PlayPicture")) << report.toStdString();
  EXPECT_TRUE(report.contains("Lines     :16")) << report.toStdString();
  EXPECT_TRUE(report.contains("JPEG")) << report.toStdString();
  EXPECT_FALSE(window.Timer1->isActive());
  EXPECT_TRUE(PreparedFiles(dir).empty());
  window.close();
}

TEST(PictureShow, OnlyTheProgressOfOneHundredEnablesTimer1) {
  TfrmShowSaver window;
  TCustomTransitionView& view = *window.TransitionView1;
  view.Picture().SetBitmap(Bitmap(16, 16, MakePixel(1, 2, 3)));
  view.SetManual(true);  // progress written by the test, on this thread
  view.StartTransition();
  ASSERT_TRUE(view.Running());
  view.SetProgress(99);
  EXPECT_EQ(view.Progress(), 99);
  EXPECT_FALSE(window.Timer1->isActive());
  view.SetProgress(100);
  EXPECT_TRUE(window.Timer1->isActive());
  view.StopTransition();
}

}  // namespace

int main(int argc, char** argv) {
  TShowApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
