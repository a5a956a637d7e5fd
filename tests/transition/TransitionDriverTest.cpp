// The animation driver: events and their order and threads, steps and timing, OverDraw,
// Manual, stopping and destroying in every state, and failures.
#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <atomic>
#include <memory>
#include <thread>

#include "effects/FrameComposer.h"
#include "platform/Errors.h"
#include "transition/BitmapImage.h"
#include "transition/FrameStep.h"
#include "transition/TransitionTestSupport.h"

namespace {

// Catches what escapes an event handler, as the show's application object does.
class CatchingApp : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const Exception& e) {
      caught << QString::fromStdString(e.Message());
      return true;
    }
  }
  QStringList caught;
};

CatchingApp* App() {
  return static_cast<CatchingApp*>(qApp);
}

const QColor kOld(200, 30, 30);
const QColor kNew(30, 30, 200);

// A shown view whose next picture is kNew, 64 × 48.
std::unique_ptr<TTransitionView> MakeView(bool threaded = true) {
  auto view = std::make_unique<TTransitionView>();
  view->resize(80, 60);
  view->SetBgMode(bmNone);
  view->SetColor(0x0000FF00);
  view->SetThreaded(threaded);
  view->Picture().SetGraphic(HalvesImage(64, 48, kNew, Qt::white));
  view->show();
  return view;
}

// Runs one transition to the end so that the view shows a picture.
void ShowPicture(TTransitionView& view, const QImage& image) {
  view.Picture().SetGraphic(image);
  view.SetDelay(0);
  view.StartTransition();
  QTRY_VERIFY_WITH_TIMEOUT(!view.Running(), 5000);
}

}  // namespace

class TransitionDriverTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { App()->caught.clear(); }

  void defaultsRunTwentyFiveFramesThenCompleteThenStop_data() {
    QTest::addColumn<bool>("threaded");
    QTest::newRow("worker thread") << true;
    QTest::newRow("inline") << false;
  }
  void defaultsRunTwentyFiveFramesThenCompleteThenStop() {
    QFETCH(bool, threaded);
    auto view = MakeView(threaded);
    EventLog log(*view);
    QElapsedTimer clock;
    clock.start();
    view->StartTransition();
    QTRY_VERIFY_WITH_TIMEOUT(log.Count("Stop") == 1, 5000);
    const qint64 took = clock.elapsed();

    std::vector<int> expected;
    for (int p = 4; p <= 100; p += 4) expected.push_back(p);
    QCOMPARE(log.Progresses(), expected);
    QStringList outline{"Start"};
    for (int i = 0; i < 25; ++i) outline << "Progress";
    outline << "Complete"
            << "Stop";
    QCOMPARE(log.Outline(), outline);
    // Every frame: Before, After, Progress, in that order; frame events on the worker thread.
    const auto entries = log.Snapshot();
    QCOMPARE(entries.size(), size_t{1 + 3 * 25 + 2});
    for (size_t i = 0; i < 25; ++i) {
      QCOMPARE(entries[1 + 3 * i].name, QString("Before"));
      QCOMPARE(entries[2 + 3 * i].name, QString("After"));
      QCOMPARE(entries[3 + 3 * i].onUiThread, !threaded);
    }
    QVERIFY(entries.front().onUiThread);
    QVERIFY(entries.back().onUiThread);
    QVERIFY(entries[entries.size() - 2].onUiThread);
    // 24 waits of 40 ms between 25 frames.
    QVERIFY2(took >= 24 * 40 - 5, qPrintable(QString::number(took)));
    QVERIFY(!view->Running());
    QVERIFY(SameImage(view->ScreenImage(), view->Picture().Graphic()));
  }

  void stepThirtyCutsTheLastStep_data() {
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<std::vector<int>>("expected");
    QTest::newRow("forward") << false << std::vector<int>{30, 60, 90, 100};
    QTest::newRow("reverse") << true << std::vector<int>{70, 40, 10, 0};
  }
  void stepThirtyCutsTheLastStep() {
    QFETCH(bool, reverse);
    QFETCH(std::vector<int>, expected);
    auto view = MakeView();
    ShowPicture(*view, SolidImage(64, 48, kOld));
    view->Picture().SetGraphic(SolidImage(64, 48, kNew));
    view->SetStep(30);
    view->SetReverse(reverse);
    EventLog log(*view);
    view->StartTransition();
    QTRY_VERIFY_WITH_TIMEOUT(log.Count("Stop") == 1, 5000);
    QCOMPARE(log.Progresses(), expected);
    QCOMPARE(log.Count("Complete"), 1);
    // Reverse ends on the old picture.
    QCOMPARE(view->ScreenImage().pixelColor(10, 10), reverse ? kOld : kNew);
  }

  void nextFrameStep_data() {
    QTest::addColumn<int>("currentStep");
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("elapsed");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<int>("expected");
    QTest::newRow("frame in time") << 10 << 40 << 40 << true << 4;
    QTest::newRow("late, exact: MulDiv(4, 100, 40)") << 4 << 40 << 100 << true << 10;
    QTest::newRow("late, exact, rounded") << 4 << 40 << 45 << true << 5;
    QTest::newRow("late, plain: step kept") << 7 << 40 << 100 << false << 7;
    QTest::newRow("no delay, exact: Step") << 4 << 0 << 25 << true << 4;
    QTest::newRow("very late: at most 100") << 4 << 1 << 100000 << true << 100;
  }
  void nextFrameStep() {
    QFETCH(int, currentStep);
    QFETCH(int, delay);
    QFETCH(int, elapsed);
    QFETCH(bool, exact);
    QFETCH(int, expected);
    QCOMPARE(NextFrameStep(4, currentStep, delay, elapsed, exact), expected);
  }

  // A frame that takes at least 100 ms against a Delay of 40 enlarges the next step to
  // MulDiv(4, elapsed, 40) >= 10 with ExactTiming (a little more on a busy machine), and leaves
  // it at 4 without. With Delay 0 the step always stays Step.
  void exactTimingEnlargesTheStepAfterASlowFrame_data() {
    QTest::addColumn<bool>("exact");
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::newRow("exact timing") << true << 40 << 10 << 14;
    QTest::newRow("plain timing") << false << 40 << 4 << 4;
    QTest::newRow("exact timing, no delay") << true << 0 << 4 << 4;
  }
  void exactTimingEnlargesTheStepAfterASlowFrame() {
    QFETCH(bool, exact);
    QFETCH(int, delay);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    auto view = MakeView();
    view->SetExactTiming(exact);
    view->SetDelay(static_cast<std::uint16_t>(delay));
    EventLog log(*view);
    view->OnProgress = [&log](TCustomTransitionView* v) {
      log.Add("Progress", v);
      if (v->Progress() == 4) QThread::msleep(100);
    };
    view->StartTransition();
    QTRY_VERIFY_WITH_TIMEOUT(log.Count("Stop") == 1, 5000);
    const auto values = log.Progresses();
    QVERIFY(values.size() >= 3);
    QCOMPARE(values[0], 4);
    QVERIFY2(values[1] - values[0] >= lowest && values[1] - values[0] <= highest,
             qPrintable(QString::number(values[1] - values[0])));
    QCOMPARE(values.back(), 100);
  }

  void startDoesNothingWithoutAPictureOrWhileRunning() {
    TTransitionView empty;
    EventLog emptyLog(empty);
    empty.StartTransition();
    QVERIFY(!empty.Running());
    QTest::qWait(50);
    QCOMPARE(emptyLog.Count("Start"), 0);

    auto view = MakeView();
    EventLog log(*view);
    view->StartTransition();
    QVERIFY(view->Running());
    view->Picture().SetGraphic(SolidImage(10, 10, kOld));
    view->StartTransition();
    QTRY_VERIFY_WITH_TIMEOUT(log.Count("Stop") == 1, 5000);
    QCOMPARE(log.Count("Start"), 1);
    QCOMPARE(log.Progresses().size(), size_t{25});
    QCOMPARE(view->SourceRect(), QRect(0, 0, 64, 48));
  }

  // The old picture of the next transition (OnStart's Screen): the picture shown when OverDraw
  // is on and the sizes agree, otherwise the background behind the picture rectangle.
  void overDrawStartsFromThePictureShownOnlyAtTheSameSize_data() {
    QTest::addColumn<bool>("overDraw");
    QTest::addColumn<QSize>("nextSize");
    QTest::addColumn<QColor>("oldColour");
    QTest::newRow("same size") << true << QSize(64, 48) << kOld;
    QTest::newRow("different size") << true << QSize(50, 48) << QColor(0, 255, 0);
    QTest::newRow("overdraw off") << false << QSize(64, 48) << QColor(0, 255, 0);
  }
  void overDrawStartsFromThePictureShownOnlyAtTheSameSize() {
    QFETCH(bool, overDraw);
    QFETCH(QSize, nextSize);
    QFETCH(QColor, oldColour);
    auto view = MakeView();
    ShowPicture(*view, SolidImage(64, 48, kOld));
    view->SetOverDraw(overDraw);
    view->SetManual(true);
    QImage old;
    view->OnStart = [&old](TCustomTransitionView*, const Bitmap&, Bitmap& screen) {
      old = WrapBitmap(screen).copy();
    };
    view->Picture().SetGraphic(SolidImage(nextSize.width(), nextSize.height(), kNew));
    view->StartTransition();
    QCOMPARE(old.size(), nextSize);
    QVERIFY(SameImage(old, SolidImage(nextSize.width(), nextSize.height(), oldColour)));
    QVERIFY(SameImage(view->ScreenImage(), old));
    view->StopTransition();
  }

  // The old picture drawn from a background picture is what lies behind the picture rectangle,
  // and follows a change of the background while a manual transition runs.
  void oldPictureFromTheBackgroundFollowsBackgroundChanges() {
    auto view = MakeView();
    view->resize(100, 100);
    view->SetCenter(true);
    QImage background = SolidImage(100, 100, Qt::black);
    for (int y = 0; y < 100; ++y) {
      for (int x = 0; x < 100; ++x) background.setPixelColor(x, y, QColor(x, y, 0));
    }
    view->BgPicture().SetGraphic(background);
    view->SetBgMode(bmStretched);
    view->SetManual(true);
    view->Picture().SetGraphic(SolidImage(20, 10, kNew));
    view->StartTransition();
    QCOMPARE(view->DisplayRect(), QRect(40, 45, 20, 10));
    QCOMPARE(view->ScreenImage().pixelColor(0, 0), QColor(40, 45, 0));
    QCOMPARE(view->ScreenImage().pixelColor(19, 9), QColor(59, 54, 0));
    view->SetBgMode(bmNone);
    QCOMPARE(view->ScreenImage().pixelColor(5, 5), QColor(0, 255, 0));
    view->StopTransition();
  }

  void stopDuringAThreadedTransitionFiresOnlyStop() {
    auto view = MakeView();
    EventLog log(*view);
    view->StartTransition();
    QTRY_VERIFY_WITH_TIMEOUT(log.Progresses().size() >= 2, 5000);
    view->StopTransition();
    QVERIFY(!view->Running());
    const int frames = static_cast<int>(log.Progresses().size());
    QCOMPARE(log.Count("Stop"), 1);
    QCOMPARE(log.Count("Complete"), 0);
    QTest::qWait(150);
    QCOMPARE(static_cast<int>(log.Progresses().size()), frames);
    QCOMPARE(log.Count("Stop"), 1);
    view->StopTransition();  // nothing runs: nothing happens
    QCOMPARE(log.Count("Stop"), 1);
  }

  void manualTransitionFollowsProgressWrites() {
    auto view = MakeView();
    ShowPicture(*view, SolidImage(64, 48, kOld));
    view->Picture().SetGraphic(HalvesImage(64, 48, kNew, Qt::white));
    view->SetStyle(5);
    view->SetManual(true);
    EventLog log(*view);
    view->SetProgress(50);  // nothing runs yet: ignored
    QCOMPARE(view->Progress(), 0);
    view->StartTransition();
    QVERIFY(view->Running());
    QCOMPARE(log.Outline(), QStringList{"Start"});
    QVERIFY(SameImage(view->ScreenImage(), SolidImage(64, 48, kOld)));

    view->SetProgress(50);
    QCOMPARE(log.Outline(), (QStringList{"Start", "Progress"}));
    Bitmap old(64, 48, kOpaqueBlack);
    Bitmap next(64, 48, kOpaqueBlack);
    Bitmap expected(64, 48, kOpaqueBlack);
    {
      QImage o = WrapBitmap(old);
      QPainter(&o).drawImage(0, 0, SolidImage(64, 48, kOld));
      QImage n = WrapBitmap(next);
      QPainter(&n).drawImage(0, 0, view->Picture().Graphic());
    }
    RenderFrame(expected, old, next, 5, 50);
    QVERIFY(SameImage(view->ScreenImage(), WrapBitmap(expected)));
    QVERIFY(!SameImage(view->ScreenImage(), SolidImage(64, 48, kOld)));

    view->SetProgress(150);
    QCOMPARE(view->Progress(), 100);
    QVERIFY(view->Running());
    QVERIFY(SameImage(view->ScreenImage(), view->Picture().Graphic()));

    view->StopTransition();
    QVERIFY(!view->Running());
    QCOMPARE(log.Outline(), (QStringList{"Start", "Progress", "Progress", "Stop"}));
  }

  // Writing Style during a manual transition composes the frame again with the new effect.
  void styleWriteRecomposesAManualFrame() {
    auto view = MakeView();
    view->SetManual(true);
    view->SetStyle(5);
    view->StartTransition();
    view->SetProgress(50);
    const QImage before = view->ScreenImage();
    view->SetStyle(6);
    QVERIFY(!SameImage(view->ScreenImage(), before));
    view->SetStyle(5);
    QVERIFY(SameImage(view->ScreenImage(), before));
    view->StopTransition();
  }

  void manualSwitchedOnAndOffMidTransition_data() {
    QTest::addColumn<bool>("threaded");
    QTest::newRow("worker thread") << true;
    QTest::newRow("inline") << false;
  }
  void manualSwitchedOnAndOffMidTransition() {
    QFETCH(bool, threaded);
    auto view = MakeView(threaded);
    EventLog log(*view);
    if (threaded) {
      view->StartTransition();
      QTRY_VERIFY_WITH_TIMEOUT(log.Progresses().size() >= 3, 5000);
      view->SetManual(true);
    } else {
      // Inline, the loop runs inside StartTransition: switch from a timer while it waits.
      QTimer::singleShot(130, view.get(), [&view] { view->SetManual(true); });
      view->StartTransition();
    }
    QVERIFY(view->Running());
    const int held = view->Progress();
    QVERIFY(held > 0 && held < 100);
    QTest::qWait(150);
    QCOMPARE(view->Progress(), held);
    QCOMPARE(log.Count("Stop"), 0);

    view->SetManual(false);
    QTRY_VERIFY_WITH_TIMEOUT(log.Count("Stop") == 1, 5000);
    QCOMPARE(log.Count("Complete"), 1);
    const auto values = log.Progresses();
    QCOMPARE(values.back(), 100);
    for (size_t i = 1; i < values.size(); ++i) QCOMPARE(values[i] - values[i - 1], 4);
  }

  // The worker waits for its repaint while the user-interface thread is busy; stopping,
  // switching Manual on or destroying the view then must not deadlock.
  void endingTheWorkerWhileItWaitsForItsRepaint_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("stop") << QString("stop");
    QTest::newRow("manual") << QString("manual");
    QTest::newRow("destroy") << QString("destroy");
  }
  void endingTheWorkerWhileItWaitsForItsRepaint() {
    QFETCH(QString, how);
    auto view = MakeView();
    EventLog log(*view);
    std::atomic<int> frames = 0;
    view->OnAfterNewFrame = [&frames](TCustomTransitionView*, const Bitmap&, Bitmap&) { ++frames; };
    view->StartTransition();
    // The first frame is composed on the worker, which now waits for the repaint that this
    // thread does not serve.
    QElapsedTimer clock;
    clock.start();
    while (frames == 0 && clock.elapsed() < 5000) QThread::msleep(1);
    QThread::msleep(20);
    QCOMPARE(frames.load(), 1);
    if (how == "stop") {
      view->StopTransition();
      QVERIFY(!view->Running());
      // The frame in flight is still announced; then the stop, and nothing more.
      QCOMPARE(log.Outline(), (QStringList{"Start", "Progress", "Stop"}));
    } else if (how == "manual") {
      view->SetManual(true);
      QVERIFY(view->Running());
      QCOMPARE(log.Count("Stop"), 0);
      view->StopTransition();
    } else {
      view.reset();
      QCOMPARE(log.Count("Stop"), 0);  // no events while being destroyed
      QCOMPARE(log.Count("Complete"), 0);
    }
    QTest::qWait(50);  // stale hand-back events must not reach anything
    QCOMPARE(log.Count("Complete"), 0);
  }

  void destroyedMidTransition_data() {
    QTest::addColumn<bool>("threaded");
    QTest::newRow("worker thread") << true;
    QTest::newRow("inline") << false;
  }
  void destroyedMidTransition() {
    QFETCH(bool, threaded);
    auto* view = MakeView(threaded).release();
    EventLog log(*view);
    QPointer<TTransitionView> guard(view);
    if (threaded) {
      view->StartTransition();
      QTRY_VERIFY_WITH_TIMEOUT(log.Progresses().size() >= 2, 5000);
      delete view;
    } else {
      QTimer::singleShot(100, [view] { delete view; });
      view->StartTransition();  // returns once the view is gone
    }
    QVERIFY(guard.isNull());
    QTest::qWait(50);
    QCOMPARE(log.Count("Complete"), 0);
    QCOMPARE(log.Count("Stop"), 0);
  }

  // During the inline loop a handler stops the transition, or stops it and starts the next:
  // the old one ends exactly once and the new one runs to its end.
  void inlineLoopReplacedFromAHandler_data() {
    QTest::addColumn<bool>("fromTimer");
    QTest::addColumn<bool>("restart");
    QTest::newRow("stop from OnProgress") << false << false;
    QTest::newRow("stop from a timer") << true << false;
    QTest::newRow("restart from OnProgress") << false << true;
    QTest::newRow("restart from a timer") << true << true;
  }
  void inlineLoopReplacedFromAHandler() {
    QFETCH(bool, fromTimer);
    QFETCH(bool, restart);
    auto view = MakeView(false);
    view->SetStep(10);
    view->SetDelay(20);
    EventLog log(*view);
    bool done = false;
    auto interrupt = [&] {
      if (done) return;
      done = true;
      view->StopTransition();
      if (!restart) return;
      view->Picture().SetGraphic(SolidImage(64, 48, kOld));
      view->StartTransition();
    };
    if (fromTimer) {
      QTimer::singleShot(50, view.get(), interrupt);
    } else {
      view->OnProgress = [&](TCustomTransitionView* v) {
        log.Add("Progress", v);
        if (v->Progress() == 30) interrupt();
      };
    }
    view->StartTransition();
    QVERIFY(!view->Running());
    QCOMPARE(log.Count("Start"), restart ? 2 : 1);
    QCOMPARE(log.Count("Stop"), restart ? 2 : 1);
    QCOMPARE(log.Count("Complete"), restart ? 1 : 0);
    const QStringList outline = log.Outline();
    const qsizetype firstStop = outline.indexOf("Stop");
    QCOMPARE(outline.mid(firstStop + 1).count("Progress"), restart ? 10 : 0);
    if (restart) QCOMPARE(view->ScreenImage().pixelColor(50, 10), kOld);
  }

  // The show window's pattern: the progress handler, on the worker thread, hands the next step
  // to the user-interface thread.
  void workerHandlerHandsWorkToTheUiThread() {
    auto view = MakeView();
    view->SetDelay(0);
    QTimer timer;
    timer.setSingleShot(true);
    std::atomic<bool> handlerOnWorker = false;
    bool timerOnUi = false;
    view->OnProgress = [&](TCustomTransitionView* v) {
      if (v->Progress() != 100) return;
      handlerOnWorker = QThread::currentThread() != qApp->thread();
      v->PostToUiThread([&timer] { timer.start(0); });
    };
    connect(&timer, &QTimer::timeout,
            [&] { timerOnUi = QThread::currentThread() == qApp->thread(); });
    view->StartTransition();
    QTRY_VERIFY_WITH_TIMEOUT(timerOnUi, 5000);
    QVERIFY(handlerOnWorker);
  }

  // Calls that end or switch the worker, made from a handler on the worker itself, are handed
  // to the user-interface thread instead of waiting for themselves.
  void workerHandlerStopsOrSwitchesToManual_data() {
    QTest::addColumn<bool>("manual");
    QTest::newRow("stop") << false;
    QTest::newRow("manual") << true;
  }
  void workerHandlerStopsOrSwitchesToManual() {
    QFETCH(bool, manual);
    auto view = MakeView();
    EventLog log(*view);
    view->OnProgress = [&](TCustomTransitionView* v) {
      log.Add("Progress", v);
      if (v->Progress() != 8) return;
      if (manual) {
        v->SetManual(true);
      } else {
        v->StopTransition();
      }
    };
    view->StartTransition();
    if (manual) {
      QTRY_VERIFY_WITH_TIMEOUT(view->Manual(), 5000);
      QTest::qWait(100);
      QVERIFY(view->Running());
      view->StopTransition();
    } else {
      QTRY_VERIFY_WITH_TIMEOUT(!view->Running(), 5000);
    }
    QCOMPARE(log.Count("Stop"), 1);
    QCOMPARE(log.Count("Complete"), 0);
    QVERIFY(log.Progresses().back() < 20);
  }

  // Starting the next transition from OnStop, as a show does, animates it.
  void startFromOnStop() {
    auto view = MakeView();
    EventLog log(*view);
    int stops = 0;
    view->OnStop = [&](TCustomTransitionView* v) {
      log.Add("Stop", v);
      if (++stops == 1) v->StartTransition();
    };
    view->StartTransition();
    QTRY_VERIFY_WITH_TIMEOUT(log.Progresses().size() >= 1, 5000);
    view->StopTransition();
    QVERIFY(view->Running());
    QTRY_VERIFY_WITH_TIMEOUT(log.Count("Complete") == 1, 5000);
    QCOMPARE(log.Count("Stop"), 2);
  }

  void failureInAnInlineFrameReachesTheCaller() {
    auto view = MakeView(false);
    EventLog log(*view);
    view->OnAfterNewFrame = [](TCustomTransitionView* v, const Bitmap&, Bitmap&) {
      if (v->Progress() == 12) throw EInvalidGraphic("frame failed");
    };
    QVERIFY_THROWS_EXCEPTION(EInvalidGraphic, view->StartTransition());
    QVERIFY(!view->Running());
    QCOMPARE(log.Count("Stop"), 0);
    view->OnAfterNewFrame = nullptr;
    view->SetDelay(0);
    view->StartTransition();
    QCOMPARE(log.Count("Complete"), 1);
  }

  // A failure on the worker ends the transition with OnStop alone and reaches the
  // application's error handler on the user-interface thread.
  void failureInAWorkerFrameIsReported() {
    auto view = MakeView();
    EventLog log(*view);
    view->OnAfterNewFrame = [](TCustomTransitionView* v, const Bitmap&, Bitmap&) {
      if (v->Progress() == 12) throw EInvalidGraphic("frame failed");
    };
    view->StartTransition();
    QTRY_VERIFY_WITH_TIMEOUT(!view->Running(), 5000);
    QCOMPARE(App()->caught, QStringList{"frame failed"});
    QCOMPARE(log.Outline(), (QStringList{"Start", "Progress", "Progress", "Stop"}));
  }

  void startFailureLeavesNothingRunning() {
    auto view = MakeView();
    view->OnStart = [](TCustomTransitionView*, const Bitmap&, Bitmap&) {
      throw EInvalidOperation("start failed");
    };
    QVERIFY_THROWS_EXCEPTION(EInvalidOperation, view->StartTransition());
    QVERIFY(!view->Running());
    view->OnStart = nullptr;
    view->StartTransition();
    QVERIFY(view->Running());
    view->StopTransition();
  }

  void thousandStartStopCyclesWithoutDelay() {
    auto view = MakeView();
    view->SetDelay(0);
    EventLog log(*view);
    const QImage pictures[2] = {SolidImage(64, 48, kOld), SolidImage(64, 48, kNew)};
    for (int i = 0; i < 1000; ++i) {
      view->Picture().SetGraphic(pictures[i % 2]);
      view->StartTransition();
      if (i % 3 == 0) QCoreApplication::processEvents();
      view->StopTransition();
      QVERIFY(!view->Running());
    }
    QCOMPARE(log.Count("Start"), 1000);
    QCOMPARE(log.Count("Stop"), 1000);
  }
};

int main(int argc, char** argv) {
  CatchingApp app(argc, argv);
  TransitionDriverTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "TransitionDriverTest.moc"
