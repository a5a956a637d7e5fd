#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <memory>
#include <thread>

#include "ShowFixture.h"
#include "host/CustomModule.h"
#include "host/ExitTriggers.h"
#include "host/ShowApplication.h"
#include "host/ShowError.h"
#include "host/ShowSaver.h"
#include "platform/CursorCount.h"
#include "platform/TickCount.h"
#include "ui/KRVButton.h"
#include "ui/ShutdownComputer.h"

namespace {

// A shown window playing showData, with the diagnostic log going to a file of its own.
class ShowWindow : public testing::Test {
 protected:
  void SetUp() override { qputenv("SHOWSAVER_LOG", logDir_.filePath("show.log").toLocal8Bit()); }
  void TearDown() override {
    window_.reset();
    qunsetenv("SHOWSAVER_LOG");
  }

  TfrmShowSaver& Start(const ShowSpec& showData, bool preview = false, bool hosted = false) {
    show_ = std::make_unique<TTestShow>(showData);
    window_ = std::make_unique<TfrmShowSaver>(nullptr, TShowWindowOptions{show_->PlayerPath(), 0});
    window_->IsPreview = preview;
    window_->IsHosted = hosted;
    window_->setGeometry(0, 0, 640, 480);
    window_->show();
    return *window_;
  }

  QWindow* Handle() { return window_->windowHandle(); }

  int LogLinesWith(const QString& text) {
    QFile log(logDir_.filePath("show.log"));
    if (!log.open(QIODevice::ReadOnly)) return 0;
    return static_cast<int>(QString::fromUtf8(log.readAll()).count(text));
  }

  bool Ended() const { return window_->Saver == nullptr; }

  QTemporaryDir logDir_;
  std::unique_ptr<TTestShow> show_;
  std::unique_ptr<TfrmShowSaver> window_;
};

TEST_F(ShowWindow, SetUpPlaysTheFirstItemAndLeavesAClearTrace) {
  ShowSpec showData = SilentShow(3);
  showData.showSeconds = 7;
  showData.backColor = 0x00336699;  // red 0x99, green 0x66, blue 0x33
  const int cursorBefore = CursorShowCount();
  TfrmShowSaver& window = Start(showData);
  EXPECT_EQ(window.CurrentItem, 0);
  EXPECT_EQ(window.CurrentMusic, -1);
  EXPECT_EQ(window.TraceLine, "000");
  EXPECT_EQ(window.TraceFunction, "");
  EXPECT_FALSE(window.Timer1->isActive());
  EXPECT_EQ(window.Timer1->interval(), 7000);
  EXPECT_EQ(window.palette().color(QPalette::Window), QColor(0x99, 0x66, 0x33));
  EXPECT_EQ(CursorShowCount(), cursorBefore - 1);
  EXPECT_LT(window.KRVButton1->y(), 0);  // no close button asked for
  EXPECT_EQ(window.windowTitle(), "frmShowSaver");
  EXPECT_EQ(LogLinesWith("[0] setup-done items=3"), 1);
  EXPECT_EQ(LogLinesWith("[0] item-start index=0 kind=9 style=-1"), 1);
}

TEST_F(ShowWindow, SequencerSteps) {
  struct Case {
    int items;
    bool random;
    std::vector<int> picks;  // the set-up's pick, then three more
  };
  for (const Case& c : {Case{3, false, {0, 1, 2, 0}}, Case{2, true, {1, 0, 1, 0}},
                        Case{1, true, {0, 0, 0, 0}}, Case{1, false, {0, 0, 0, 0}}}) {
    ShowSpec showData = SilentShow(c.items);
    showData.randomOrder = c.random;
    TfrmShowSaver& window = Start(showData);
    std::vector<int> picks{window.CurrentItem};
    for (int i = 0; i < 3; ++i) {
      window.PlayRes();
      picks.push_back(window.CurrentItem);
    }
    EXPECT_EQ(picks, c.picks) << c.items << " items, random " << c.random;
    window_.reset();
  }
}

TEST_F(ShowWindow, ItemDoneFromAnotherThreadStartsTheNextItemAfterTheDisplayTime) {
  ShowSpec showData = SilentShow(2);
  showData.showSeconds = 0;
  TfrmShowSaver& window = Start(showData);
  std::thread worker([&window] { window.ItemDone(); });
  worker.join();
  QTRY_COMPARE(window.CurrentItem, 1);  // Timer1 fired on this thread and played item 1
  EXPECT_FALSE(window.Timer1->isActive());
  EXPECT_EQ(LogLinesWith("item-done index=0"), 1);
}

TEST_F(ShowWindow, ASecondCompletionSignalKeepsTheTimerCounting) {
  TfrmShowSaver& window = Start(SilentShow(2));
  window.Timer1->setInterval(60000);
  window.ItemDone();
  QTest::qWait(30);
  const int remaining = window.Timer1->remainingTime();
  window.ItemDone();
  EXPECT_LE(window.Timer1->remainingTime(), remaining);
}

TEST_F(ShowWindow, AnEmptyShowShowsItsColourAndEndsOnItsTriggers) {
  ShowSpec showData = SilentShow(0);
  showData.exitOnKey = true;
  showData.backColor = 0x0000FF00;
  TfrmShowSaver& window = Start(showData);
  EXPECT_EQ(window.CurrentItem, -1);
  EXPECT_EQ(window.palette().color(QPalette::Window), QColor(0, 255, 0));
  window.PlayRes();
  window.ItemDone();
  EXPECT_EQ(window.CurrentItem, -1);
  QTest::keyClick(Handle(), Qt::Key_Space);
  EXPECT_TRUE(Ended());
}

TEST_F(ShowWindow, ExitSaverRunsOnceAndShowsTheCursor) {
  const int cursorBefore = CursorShowCount();
  TfrmShowSaver& window = Start(SilentShow(2));
  window.ExitSaver("test");
  EXPECT_EQ(window.TraceLine, "000");
  EXPECT_EQ(window.TraceFunction, "");
  window.ExitSaver("test");
  QTest::keyClick(Handle(), Qt::Key_A);
  window.PlayRes();  // a late Timer1 tick finds no show and returns at its first step
  EXPECT_EQ(window.TraceLine, "1");
  EXPECT_EQ(window.TraceFunction, "PlayRes");
  EXPECT_TRUE(Ended());
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(CursorShowCount(), cursorBefore);
  EXPECT_TRUE(Application()->Terminated());
  EXPECT_EQ(LogLinesWith("exit trigger="), 1);
}

struct InputCase {
  const char* name;
  std::function<void(ShowSpec&)> configure;
  std::function<void(QWindow*, QPoint start)> input;
  bool ends;
};

TEST_F(ShowWindow, ExitTriggersThroughTheWindow) {
  const auto moveBy = [](int dx, int dy) {
    return [dx, dy](QWindow* window, QPoint start) {
      QTest::mouseMove(window, window->mapFromGlobal(start + QPoint(dx, dy)));
    };
  };
  const auto key = [](Qt::Key k) {
    return [k](QWindow* window, QPoint) { QTest::keyClick(window, k); };
  };
  const auto click = [](Qt::MouseButton button) {
    return
        [button](QWindow* window, QPoint) { QTest::mouseClick(window, button, {}, QPoint(5, 5)); };
  };
  const std::vector<InputCase> cases{
      {"2 px keeps", [](ShowSpec& s) { s.exitOnMouseMove = true; }, moveBy(2, -2), false},
      {"3 px ends", [](ShowSpec& s) { s.exitOnMouseMove = true; }, moveBy(0, 3), true},
      {"move without the flag", [](ShowSpec&) {}, moveBy(50, 50), false},
      {"key ends", [](ShowSpec& s) { s.exitOnKey = true; }, key(Qt::Key_Shift), true},
      {"key without the flag", [](ShowSpec&) {}, key(Qt::Key_A), false},
      {"Esc with the close button", [](ShowSpec& s) { s.closeButton = true; }, key(Qt::Key_Escape),
       true},
      {"other key with the close button", [](ShowSpec& s) { s.closeButton = true; }, key(Qt::Key_Q),
       false},
      {"left click ends", [](ShowSpec& s) { s.exitOnClick = true; }, click(Qt::LeftButton), true},
      {"right click ends", [](ShowSpec& s) { s.exitOnClick = true; }, click(Qt::RightButton), true},
      {"middle click keeps", [](ShowSpec& s) { s.exitOnClick = true; }, click(Qt::MiddleButton),
       false},
      {"click without the flag", [](ShowSpec&) {}, click(Qt::LeftButton), false},
  };
  for (const InputCase& c : cases) {
    ShowSpec showData = SilentShow(1);
    c.configure(showData);
    TfrmShowSaver& window = Start(showData);
    window.StartCursor = window.mapToGlobal(QPoint(100, 100));
    c.input(Handle(), window.StartCursor);
    EXPECT_EQ(Ended(), c.ends) << c.name;
    window_.reset();
  }
}

TEST_F(ShowWindow, PreviewIgnoresInputAndEndsOnLosingActivation) {
  ShowSpec showData = SilentShow(1);
  showData.exitOnKey = showData.exitOnClick = showData.exitOnMouseMove = true;
  const int cursorBefore = CursorShowCount();
  TfrmShowSaver& window = Start(showData, true);
  EXPECT_EQ(CursorShowCount(), cursorBefore);  // the preview leaves the cursor alone
  QTest::keyClick(Handle(), Qt::Key_A);
  QTest::mouseClick(Handle(), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseMove(Handle(), QPoint(300, 300));
  EXPECT_FALSE(Ended());
  QEvent deactivate(QEvent::WindowDeactivate);
  QCoreApplication::sendEvent(&window, &deactivate);
  EXPECT_TRUE(Ended());
  EXPECT_EQ(LogLinesWith("exit trigger=deactivate"), 1);
}

TEST_F(ShowWindow, LosingActivationKeepsAFullScreenShow) {
  Start(SilentShow(1));
  QEvent deactivate(QEvent::WindowDeactivate);
  QCoreApplication::sendEvent(window_.get(), &deactivate);
  EXPECT_FALSE(Ended());
}

TEST_F(ShowWindow, TheScreenSaverCommandEndsEveryMode) {
  for (bool preview : {false, true}) {
    TfrmShowSaver& window = Start(SilentShow(1), preview);
    QCoreApplication::postEvent(&window, new QEvent(ScreenSaveEventType()));
    QTRY_VERIFY(Ended());
    window_.reset();
  }
  EXPECT_EQ(LogLinesWith("exit trigger=screensave"), 2);
}

TEST_F(ShowWindow, CloseButtonSitsTopRightWithTheCursorShownAndEndsTheShow) {
  ShowSpec showData = SilentShow(1);
  showData.closeButton = true;
  const int cursorBefore = CursorShowCount();
  TfrmShowSaver& window = Start(showData);
  EXPECT_EQ(CursorShowCount(), cursorBefore);
  EXPECT_EQ(window.KRVButton1->geometry(), QRect(640 - 19, 0, 19, 18));
  window.resize(800, 480);  // anchored to the right edge
  EXPECT_EQ(window.KRVButton1->x(), 800 - 19);
  QTest::mouseClick(window.KRVButton1, Qt::LeftButton, {}, QPoint(9, 9));
  EXPECT_TRUE(Ended());
  EXPECT_EQ(LogLinesWith("exit trigger=close-button"), 1);
}

TEST_F(ShowWindow, MissingShowDataGivesFileOpenError) {
  ShowSpec showData = SilentShow(1);
  show_ = std::make_unique<TTestShow>(showData);
  QFile::remove(QString::fromStdString(show_->ShowPath()));
  window_ = std::make_unique<TfrmShowSaver>(nullptr, TShowWindowOptions{show_->PlayerPath(), 0});
  QString text;
  QString title;
  WhenModal([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    text = box->text();
    title = box->windowTitle();
    box->accept();
  });
  window_->show();
  EXPECT_EQ(text, "File open Error");
  EXPECT_EQ(title.toStdString(),
            ApplicationTitle(QCoreApplication::applicationFilePath().toStdString()));
  EXPECT_TRUE(Application()->Terminated());
  EXPECT_EQ(LogLinesWith("setup-done"), 0);
}

TEST_F(ShowWindow, WebsitePreviewShowsThePreviewTextAndPlaysNothing) {
  ShowSpec showData;
  showData.showKind = ikWebsite;
  showData.previewText = "A page about birds";
  showData.items.push_back({ikWebsite, "", "http://127.0.0.1:9/", ""});
  TfrmShowSaver& window = Start(showData, true);
  EXPECT_TRUE(window.pnWebPreView->isVisible());
  EXPECT_EQ(window.pnWebPreView->geometry(), window.rect());
  EXPECT_EQ(window.lblWebsitePre->text(), "A page about birds");
  EXPECT_EQ(window.CurrentItem, 0);  // untouched: no item was picked
  EXPECT_EQ(window.TraceLine, "11");
}

TEST_F(ShowWindow, AFailingItemIsReportedWithTheRoutineAndTheObjectThatRanIt) {
  ShowSpec showData;
  showData.showSeconds = 0;
  for (int i = 0; i < 2; ++i)
    showData.items.push_back({ikPicture, "", "missing" + std::to_string(i) + ".bmp", ".bmp"});
  std::vector<QStringList> reports;
  const auto collect = [&reports](QWidget* modal) {
    auto* report = qobject_cast<TfrmShowError*>(modal);
    ASSERT_NE(report, nullptr);
    reports.push_back(report->Memo1->toPlainText().split('\n'));
    report->close();
  };
  WhenModal(collect);
  TfrmShowSaver& window = Start(showData);  // the set-up's first item fails in the show event
  ASSERT_EQ(reports.size(), 1u);
  WhenModal(collect);
  window.Timer1->start();  // the tick plays item 1, which fails too
  QTRY_COMPARE(reports.size(), 2u);
  EXPECT_EQ(reports[0][2], "function     :PlayPicture");
  EXPECT_EQ(reports[0][4], "Object     :TfrmShowSaver");
  EXPECT_EQ(reports[1][2], "function     :PlayPicture");
  EXPECT_EQ(reports[1][4], "Object     :TTimer");
  EXPECT_EQ(window.CurrentItem, 1);
  EXPECT_FALSE(window.Timer1->isActive());  // the failed item never signals its end
  EXPECT_EQ(LogLinesWith("error-report"), 2);
}

class IdleShutdownWindow : public ShowWindow {
 protected:
  TfrmShowSaver& StartDue(bool hosted = false) {
    ShowSpec showData = SilentShow(3);
    showData.shutdownEnabled = true;
    showData.shutdownMinutes = 1;
    TfrmShowSaver& window = Start(showData, false, hosted);
    window.StartTick = GetTickCount() - 60001;
    window.Timer1->start();
    return window;
  }
};

TEST_F(IdleShutdownWindow, CancelPlaysTheNextItemAndAsksAgainAtTheNextChange) {
  TfrmShowSaver& window = StartDue();
  const int cursorBefore = CursorShowCount();
  int asked = 0;
  const auto cancel = [&](QWidget* modal) {
    auto* countdown = qobject_cast<TfrmShutDown*>(modal);
    ASSERT_NE(countdown, nullptr);
    EXPECT_FALSE(window.Timer1->isActive());
    EXPECT_EQ(countdown->Label1->text(), "The computer will shut down after 15  seconds");
    ++asked;
    countdown->Cancel->click();
  };
  WhenModal(cancel);
  window.PlayRes();
  EXPECT_EQ(window.CurrentItem, 1);
  WhenModal(cancel);
  window.PlayRes();
  EXPECT_EQ(window.CurrentItem, 2);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(CursorShowCount(), cursorBefore + 2);
  EXPECT_FALSE(Ended());
}

TEST_F(IdleShutdownWindow, AHostedShowCountsDownInsideItsWindow) {
  TfrmShowSaver& window = StartDue(true);
  bool seen = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* countdown = window.findChild<TfrmShutDown*>();
    if (countdown == nullptr || !countdown->isVisible()) return;
    poll.stop();
    seen = true;
    EXPECT_FALSE(countdown->isWindow());
    EXPECT_TRUE(window.rect().contains(countdown->geometry())) << countdown->x() << ","
                                                               << countdown->y();
    countdown->Cancel->click();
  });
  poll.start(10);
  window.PlayRes();
  EXPECT_TRUE(seen);
  EXPECT_EQ(window.CurrentItem, 1);
  EXPECT_FALSE(Ended());
}

TEST_F(IdleShutdownWindow, TheCountdownRunningOutEndsTheShowThenPowersOff) {
  QTemporaryDir markerDir;
  const QString marker = markerDir.filePath("powered-off");
  qputenv("SHOWSAVER_POWEROFF_COMMAND", ("echo off > '" + marker + "'").toLocal8Bit());
  TfrmShowSaver& window = StartDue();
  WhenModal([](QWidget* modal) {
    auto* countdown = qobject_cast<TfrmShutDown*>(modal);
    ASSERT_NE(countdown, nullptr);
    for (int tick = 0; tick < 15; ++tick) countdown->Timer1Timer();
  });
  window.PlayRes();
  EXPECT_TRUE(Ended());
  EXPECT_EQ(LogLinesWith("exit trigger=shutdown"), 1);
  QTRY_VERIFY(QFile::exists(marker));
  qputenv("SHOWSAVER_POWEROFF_COMMAND", "true");
}

TEST_F(IdleShutdownWindow, AnExitTriggerDuringTheCountdownEndsTheShowWithoutPowerOff) {
  QTemporaryDir markerDir;
  const QString marker = markerDir.filePath("powered-off");
  qputenv("SHOWSAVER_POWEROFF_COMMAND", ("echo off > '" + marker + "'").toLocal8Bit());
  TfrmShowSaver& window = StartDue();
  WhenModal([&window](QWidget*) {
    QCoreApplication::postEvent(&window, new QEvent(ScreenSaveEventType()));
  });
  window.PlayRes();
  EXPECT_TRUE(Ended());
  ClearQuitRequest();
  QTest::qWait(200);
  EXPECT_FALSE(QFile::exists(marker));
  qputenv("SHOWSAVER_POWEROFF_COMMAND", "true");
}

TEST_F(ShowWindow, PreviewIsNeverDue) {
  ShowSpec showData = SilentShow(2);
  showData.shutdownEnabled = true;
  TfrmShowSaver& window = Start(showData, true);
  window.StartTick = GetTickCount() - 120000;
  EXPECT_FALSE(window.ShutdownDue());
}

}  // namespace
