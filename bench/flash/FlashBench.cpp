// The Flash control's figures: the time from loading a movie to its first frame, for the first
// movie of a fresh control (its page and Ruffle start too) and for a later movie in the same
// page, and the memory of the whole process tree (this process and the web engine's helpers)
// while a movie plays.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>

#include "players/FlashControl.h"
#include "tests/web/TestMovies.h"

namespace {

std::string WriteMovie(const QTemporaryDir& dir, const std::string& name, int frames) {
  const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
  const auto bytes = CountingMovie(frames, 24);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return path;
}

// Loads and starts movie; returns the milliseconds to its first frame.
double StartMovie(TFlashControl& control, const std::string& movie) {
  control.SetMovie(movie);
  control.Play();
  while (control.MillisecondsToFirstFrame() < 0) QTest::qWait(1);
  return double(control.MillisecondsToFirstFrame());
}

// Proportional set size of pid and every process below it, in kibibytes.
long TreePssKiB(pid_t root) {
  std::set<pid_t> tree{root};
  for (bool grew = true; grew;) {
    grew = false;
    for (const auto& entry : QDir("/proc").entryList(QDir::Dirs)) {
      bool isPid = false;
      const pid_t pid = entry.toInt(&isPid);
      if (!isPid || tree.count(pid)) continue;
      std::ifstream stat("/proc/" + entry.toStdString() + "/stat");
      std::string line;
      std::getline(stat, line);
      const auto close = line.rfind(')');
      if (close == std::string::npos) continue;
      std::istringstream rest(line.substr(close + 2));
      char state;
      pid_t parent = 0;
      rest >> state >> parent;
      if (tree.count(parent)) grew = tree.insert(pid).second || grew;
    }
  }
  long total = 0;
  for (pid_t pid : tree) {
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    for (std::string key; rollup >> key;) {
      long value = 0;
      if (key == "Pss:" && rollup >> value) total += value;
    }
  }
  return total;
}

void FirstMovieToFirstFrame(benchmark::State& state) {
  QTemporaryDir dir;
  const std::string movie = WriteMovie(dir, "first.swf", 240);
  for (auto _ : state) {
    QWidget window;
    window.resize(800, 600);
    window.show();
    auto* control = new TFlashControl(&window);
    control->show();
    control->AlignToParent();
    state.SetIterationTime(StartMovie(*control, movie) / 1000.0);
  }
}

void LaterMovieToFirstFrame(benchmark::State& state) {
  QTemporaryDir dir;
  const std::string first = WriteMovie(dir, "first.swf", 240);
  const std::string later = WriteMovie(dir, "later.swf", 240);
  QWidget window;
  window.resize(800, 600);
  window.show();
  auto* control = new TFlashControl(&window);
  control->show();
  control->AlignToParent();
  StartMovie(*control, first);
  for (auto _ : state) state.SetIterationTime(StartMovie(*control, later) / 1000.0);
  QTest::qWait(2000);  // the movie plays on
  state.counters["tree_pss_MiB"] = double(TreePssKiB(getpid())) / 1024.0;
}

BENCHMARK(FirstMovieToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(LaterMovieToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
