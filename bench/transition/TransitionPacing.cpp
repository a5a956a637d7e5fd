// Pacing and painting of the transition view at full-screen sizes.
//
// First the machine's own pacing: a plain thread sleeping to 40 ms deadlines. Then, for each
// size and Delay, one threaded transition with Step 1 (100 frames): frames per second, the
// spread of the periods between frames (stamped when each frame's effect begins, after the old
// picture has been copied), and the median time to compose a frame and to have it shown. Then the
// cost of painting one frame, compared in the same run with a plain widget that paints the same
// image over its whole area: once as an on-screen repaint (paint and flush to the display) and once
// rendered into an image (the painting alone).
//
//   transition_pacing [--style N] [--sizes 1920x1080,3840x2160] [--repeats N]
// Needs a display at least as large as the largest size (scripts: bench/transition/pacing.sh).
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QLinearGradient>
#include <QPainter>
#include <QStackedLayout>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "platform/TickCount.h"
#include "transition/TransitionView.h"

namespace {

QImage Gradient(QSize size, QColor from, QColor to) {
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  QLinearGradient gradient(0, 0, size.width(), size.height());
  gradient.setColorAt(0, from);
  gradient.setColorAt(1, to);
  painter.fillRect(image.rect(), gradient);
  return image;
}

// A widget that paints one image over its whole area: the peer of the view's paint.
class PlainImageWidget : public QWidget {
 public:
  explicit PlainImageWidget(QImage image) : image_(std::move(image)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawImage(rect(), image_);
  }

 private:
  QImage image_;
};

void ShowAt(QWidget& widget, QSize size) {
  widget.setWindowFlag(Qt::FramelessWindowHint);
  widget.setGeometry(QRect(QPoint(0, 0), size));
  widget.show();
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 300) QApplication::processEvents();
}

void RunUntilStopped(TTransitionView& view) {
  while (view.Running()) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  const auto index = static_cast<size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
  return values[index];
}

double Median(std::vector<double> values) {
  return Percentile(std::move(values), 0.5);
}

void Pacing(QSize size, int delay, int style) {
  TTransitionView view;
  ShowAt(view, size);
  view.SetBgMode(bmNone);
  view.SetStyle(style);
  view.SetDelay(0);
  view.Picture().SetGraphic(Gradient(size, QColor(20, 60, 160), QColor(120, 200, 255)));
  view.StartTransition();
  RunUntilStopped(view);

  // Stamps of each frame on the worker: composing begins, composing ends, the frame is shown.
  std::vector<std::int64_t> starts, composed, shown;
  view.OnBeforeNewFrame = [&starts](TCustomTransitionView*, const Bitmap&, Bitmap&) {
    starts.push_back(static_cast<std::int64_t>(HighResolutionCounter()));
  };
  view.OnAfterNewFrame = [&composed](TCustomTransitionView*, const Bitmap&, Bitmap&) {
    composed.push_back(static_cast<std::int64_t>(HighResolutionCounter()));
  };
  view.OnProgress = [&shown](TCustomTransitionView*) {
    shown.push_back(static_cast<std::int64_t>(HighResolutionCounter()));
  };
  view.SetStep(1);
  view.SetDelay(static_cast<std::uint16_t>(delay));
  view.Picture().SetGraphic(Gradient(size, QColor(170, 40, 20), QColor(255, 200, 60)));
  view.StartTransition();
  RunUntilStopped(view);

  std::vector<double> periods, composing, showing;
  for (size_t i = 1; i < starts.size(); ++i) periods.push_back((starts[i] - starts[i - 1]) / 1e6);
  for (size_t i = 0; i < shown.size(); ++i) {
    composing.push_back((composed[i] - starts[i]) / 1e6);
    showing.push_back((shown[i] - composed[i]) / 1e6);
  }
  const double total = (starts.back() - starts.front()) / 1e6;
  const double fps = 1000.0 * static_cast<double>(periods.size()) / total;
  const auto within = std::count_if(periods.begin(), periods.end(),
                                    [delay](double p) { return p >= delay - 5 && p <= delay + 5; });
  std::printf(
      "%4dx%-4d  delay %2d  frames %3zu  %6.1f fps  period ms: min %6.2f  p5 %6.2f  "
      "median %6.2f  p95 %6.2f  max %6.2f",
      size.width(), size.height(), delay, starts.size(), fps,
      *std::min_element(periods.begin(), periods.end()), Percentile(periods, 0.05), Median(periods),
      Percentile(periods, 0.95), *std::max_element(periods.begin(), periods.end()));
  if (delay > 0) std::printf("  within %d±5: %td/%zu", delay, within, periods.size());
  std::printf("  (median compose %.2f, show %.2f)\n", Median(composing), Median(showing));
}

// The machine's own pacing for comparison: a plain thread that sleeps until each 40 ms
// deadline, measured from each period's start like the view's frame loop.
void SleepingThreadPacing() {
  std::vector<std::int64_t> starts;
  std::thread thread([&starts] {
    for (int i = 0; i < 100; ++i) {
      const auto start = std::chrono::steady_clock::now();
      starts.push_back(static_cast<std::int64_t>(HighResolutionCounter()));
      std::this_thread::sleep_until(start + std::chrono::milliseconds(40));
    }
  });
  thread.join();
  std::vector<double> periods;
  for (size_t i = 1; i < starts.size(); ++i) periods.push_back((starts[i] - starts[i - 1]) / 1e6);
  const auto within =
      std::count_if(periods.begin(), periods.end(), [](double p) { return p >= 35 && p <= 45; });
  std::printf(
      "plain sleeping thread, 40 ms: period ms: min %6.2f  p5 %6.2f  median %6.2f  p95 %6.2f"
      "  max %6.2f  within 40±5: %td/%zu\n",
      *std::min_element(periods.begin(), periods.end()), Percentile(periods, 0.05), Median(periods),
      Percentile(periods, 0.95), *std::max_element(periods.begin(), periods.end()), within,
      periods.size());
}

// Milliseconds one call takes.
template <typename Fn>
double TimeOne(Fn&& fn) {
  QElapsedTimer clock;
  clock.start();
  fn();
  return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

void PaintCost(QSize size, int style, int repeats) {
  const QImage picture = Gradient(size, QColor(170, 40, 20), QColor(255, 200, 60));
  // One window holds both widgets in turn, so that both repaints flush the same window.
  QWidget window;
  auto* stack = new QStackedLayout(&window);
  stack->setContentsMargins(0, 0, 0, 0);
  auto* view = new TTransitionView;
  auto* plain = new PlainImageWidget(picture);
  stack->addWidget(view);
  stack->addWidget(plain);
  view->SetBgMode(bmNone);
  view->SetStyle(style);
  view->SetManual(true);
  view->Picture().SetGraphic(picture);
  ShowAt(window, size);
  view->StartTransition();
  view->SetProgress(100);  // both widgets now show the same picture

  // One call at a time, alternating between the two widgets (each measured while it is the
  // one shown); medians of many. An on-screen repaint is timed until the display has taken the
  // picture (a round trip to the display server), so that no part of its cost lands on the
  // next call. Rendering into an image measures the painting alone.
  std::vector<double> viewOnScreen, plainOnScreen, viewRender, plainRender;
  QImage target(size, QImage::Format_RGB32);
  auto settle = [] {
    QApplication::processEvents();
    QGuiApplication::sync();
  };
  for (int r = 0; r < repeats; ++r) {
    stack->setCurrentWidget(view);
    settle();
    viewOnScreen.push_back(TimeOne([&] {
      view->repaint(view->DisplayRect());
      QGuiApplication::sync();
    }));
    viewRender.push_back(TimeOne([&] { view->render(&target); }));
    stack->setCurrentWidget(plain);
    settle();
    plainOnScreen.push_back(TimeOne([&] {
      plain->repaint();
      QGuiApplication::sync();
    }));
    plainRender.push_back(TimeOne([&] { plain->render(&target); }));
  }
  target.fill(Qt::black);
  view->render(&target);
  if (target != picture) std::printf("the view did not render its picture\n");
  view->StopTransition();
  const double vs = Median(viewOnScreen), ps = Median(plainOnScreen);
  const double vr = Median(viewRender), pr = Median(plainRender);
  std::printf(
      "%4dx%-4d  paint one frame, median ms: on screen view %6.2f  plain %6.2f  ratio %.2f"
      "  |  rendered view %6.2f  plain %6.2f  ratio %.2f\n",
      size.width(), size.height(), vs, ps, vs / ps, vr, pr, vr / pr);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QCommandLineParser parser;
  parser.addHelpOption();
  const QCommandLineOption effect("effect", "Effect to run.", "n", "51");
  const QCommandLineOption sizes("sizes", "Window sizes.", "list", "1920x1080,3840x2160");
  const QCommandLineOption repeats("repeats", "Calls per paint measurement.", "n", "150");
  parser.addOptions({effect, sizes, repeats});
  parser.process(app);
  const int style = parser.value(effect).toInt();
  std::printf("transition view pacing, effect %d, threaded, Step 1 (100 frames)\n", style);
  SleepingThreadPacing();
  for (const QString& text : parser.value(sizes).split(',')) {
    const QStringList wh = text.split('x');
    const QSize size(wh.value(0).toInt(), wh.value(1).toInt());
    for (int delay : {40, 0}) Pacing(size, delay, style);
    PaintCost(size, style, parser.value(repeats).toInt());
  }
  return 0;
}
