// Measures two figures of the video player on the display it runs on, with the player executable
// itself: the time from the end of one video to the first frame of the next, and the processor
// time the player uses while a given video plays.
//
//   media_figures <player executable> [video for the processor figure]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>

#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <vector>

#include "showdata/ShowWriter.h"

namespace {

constexpr int kFrames = 50;  // two seconds at 25 frames per second
constexpr double kFrameMs = 40.0;

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

// A video of one colour whose last frame is blue, so that its end can be seen. Colours are
// limited-range Y, Cb, Cr.
void WriteMarkedY4m(const std::string& path, int y, int cb, int cr) {
  std::ofstream out(path, std::ios::binary);
  out << "YUV4MPEG2 W320 H240 F25:1 Ip A1:1 C420jpeg\n";
  auto frame = [](int fy, int fcb, int fcr) {
    std::string f(320 * 240, static_cast<char>(fy));
    f.append(160 * 120, static_cast<char>(fcb));
    f.append(160 * 120, static_cast<char>(fcr));
    return f;
  };
  const std::string body = frame(y, cb, cr);
  for (int i = 0; i < kFrames - 1; ++i) out << "FRAME\n" << body;
  out << "FRAME\n" << frame(41, 240, 110);
}

// A player copy playing items in order, filling the screen, with no exit trigger but the
// screen-saver command.
QString MakeShow(const QTemporaryDir& dir, const QString& player,
                 const std::vector<std::string>& videos) {
  ShowSpec contents;
  contents.showKind = ikVideo;
  contents.fitMode = 1;
  contents.exitOnMouseMove = contents.exitOnClick = contents.exitOnKey = false;
  contents.absolutePaths = true;
  for (const auto& video : videos) {
    const auto slash = video.rfind('/');
    contents.items.push_back({ikVideo, video.substr(0, slash + 1), video.substr(slash + 1), ""});
  }
  const std::string show = dir.filePath("show.krv").toStdString();
  WriteBytes(show, EncodeShow(contents));
  const QString copy = dir.filePath("show.scr");
  QFile::copy(player, copy);
  std::ofstream(copy.toStdString(), std::ios::binary | std::ios::app) << [&] {
    const auto trailer = EncodeTrailer(show);
    return std::string(trailer.begin(), trailer.end());
  }();
  QFile::setPermissions(copy, QFile::permissions(copy) | QFile::ExeOwner);
  return copy;
}

char Classify(const QColor& c) {
  if (c.red() > 160 && c.green() < 90 && c.blue() < 90) return 'R';
  if (c.green() > 160 && c.red() < 90 && c.blue() < 90) return 'G';
  if (c.blue() > 160 && c.red() < 90 && c.green() < 90) return 'B';
  return '-';
}

void MeasureGap(const QString& player) {
  QTemporaryDir dir;
  const std::string red = dir.filePath("red.y4m").toStdString();
  const std::string green = dir.filePath("green.y4m").toStdString();
  WriteMarkedY4m(red, 81, 90, 240);
  WriteMarkedY4m(green, 145, 54, 34);
  QProcess process;
  process.start(MakeShow(dir, player, {red, green}), {});
  process.waitForStarted();

  QScreen* screen = QGuiApplication::primaryScreen();
  const QPoint centre = screen->geometry().center();
  QElapsedTimer clock;
  clock.start();
  char shown = '-';
  double lastFrameAt = -1;  // when the blue last frame of the video before came up
  std::vector<double> gaps;
  int blanks = 0;  // times something else than a frame came between two videos
  while (clock.elapsed() < 20000 && gaps.size() < 6) {
    const QImage pixel = screen->grabWindow(0, centre.x(), centre.y(), 1, 1).toImage();
    const char now = Classify(pixel.pixelColor(0, 0));
    const double t = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    if (now != shown) {
      if (now == 'B') lastFrameAt = t;
      if (now == '-' && shown == 'B') ++blanks;
      if ((now == 'R' || now == 'G') && lastFrameAt >= 0) {
        gaps.push_back(t - lastFrameAt - kFrameMs);
        lastFrameAt = -1;
      }
      shown = now;
    }
    QThread::usleep(500);
  }
  process.terminate();
  process.waitForFinished(5000);

  std::printf("end of a video to the first frame of the next, ms:");
  for (double gap : gaps) std::printf(" %.0f", gap);
  if (!gaps.empty()) {
    std::sort(gaps.begin(), gaps.end());
    std::printf("; median %.0f", gaps[gaps.size() / 2]);
  }
  std::printf("; blank screens between videos: %d\n", blanks);
}

double CpuSeconds(qint64 pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string field;
  double ticks = 0;
  for (int i = 1; i <= 15 && stat >> field; ++i)
    if (i == 14 || i == 15) ticks += std::stod(field);
  return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

void MeasureCpu(const QString& player, const QString& video) {
  QTemporaryDir dir;
  QProcess process;
  process.start(MakeShow(dir, player, {video.toStdString()}), {});
  process.waitForStarted();
  QThread::sleep(3);  // past the start-up
  const double before = CpuSeconds(process.processId());
  QElapsedTimer clock;
  clock.start();
  QThread::sleep(10);
  const double used = CpuSeconds(process.processId()) - before;
  const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;
  process.terminate();
  process.waitForFinished(5000);
  std::printf("processor time while %s plays: %.0f %% of one core (%.1f s in %.1f s)\n",
              qPrintable(video), 100.0 * used / seconds, used, seconds);
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: media_figures <player> [video]\n");
    return 2;
  }
  MeasureGap(QString::fromLocal8Bit(argv[1]));
  if (argc > 2) MeasureCpu(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
  return 0;
}
