#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "ShowFixture.h"
#include "host/CustomModule.h"
#include "host/ReportNames.h"
#include "host/ShowApplication.h"
#include "host/ShowError.h"
#include "host/ShowSaver.h"
#include "platform/Errors.h"
#include "ui/KRVButton.h"

namespace {

TEST(ErrorReport, LinesCarryTheirLabelsWithNoSpaceAdded) {
  const auto lines = ErrorReportLines(EReadError(kStreamReadError), "FormShow", "8", "TTimer");
  EXPECT_EQ(lines, (std::vector<std::string>{"Error Message:Stream read error", "Error    Code:0",
                                             "function     :FormShow", "Lines     :8",
                                             "Object     :TTimer", "Error Class:EReadError"}));
  const auto players = ErrorReportLines(EConvertError("x", 17), "", "000", "");
  EXPECT_EQ(players[1], "Error    Code:17");
  EXPECT_EQ(players[4], "Object     :");
  EXPECT_EQ(players[5], "Error Class:EConvertError");
}

TEST(ErrorReport, NamesAsOurUsersKnowThem) {
  QTimer timer;
  TfrmShowSaver window;
  EXPECT_EQ(ReportClassName(&timer), "TTimer");
  EXPECT_EQ(ReportClassName(QCoreApplication::instance()), "TApplication");
  EXPECT_EQ(ReportClassName(&window), "TfrmShowSaver");
  EXPECT_EQ(ReportClassName(window.KRVButton1), "TKRVButton");
  window.winId();
  EXPECT_EQ(ReportClassName(window.windowHandle()), "TfrmShowSaver");
  EXPECT_EQ(ErrorClassName(std::runtime_error("x")), "Exception");
  EXPECT_EQ(ErrorClassName(std::bad_alloc()), "EOutOfMemory");
  EXPECT_EQ(ErrorClassName(EReadError("x")), "EReadError");
}

TEST(ErrorReport, AnErrorEscapingATimerReachesTheHandlerWithTheTimerAsSender) {
  const QObject owner;
  std::string sender;
  std::string errorClass;
  Application()->SetExceptionHandler(&owner, [&](QObject* from, const std::exception& error) {
    sender = ReportClassName(from);
    errorClass = ErrorClassName(error);
  });
  QTimer timer;
  timer.setSingleShot(true);
  QObject::connect(&timer, &QTimer::timeout, [] { throw EInvalidOperation("boom"); });
  timer.start(0);
  QTRY_VERIFY(!sender.empty());
  Application()->ClearExceptionHandler(&owner);
  EXPECT_EQ(sender, "TTimer");
  EXPECT_EQ(errorClass, "EInvalidOperation");
}

TEST(ErrorReport, ATruncatedShowFileIsReportedWithTheSetUpStep) {
  ShowSpec showData = SilentShow(2);
  const TTestShow show(showData, 624 + 1296 + 100);  // ends inside the second item record
  TfrmShowSaver window(nullptr, {show.PlayerPath(), 0});
  QStringList lines;
  QString caption;
  QSize size;
  WhenModal([&](QWidget* modal) {
    auto* report = qobject_cast<TfrmShowError*>(modal);
    ASSERT_NE(report, nullptr);
    lines = report->Memo1->toPlainText().split('\n');
    caption = report->windowTitle();
    size = report->size();
    EXPECT_EQ(report->Label1->text(), "The program had heppen a error");
    EXPECT_EQ(report->Button1->text(), "Report");
    EXPECT_EQ(report->Button2->text(), "Exit");
    report->Button1->click();  // "Report" does nothing: the report stays open
    EXPECT_TRUE(report->isVisible());
    report->close();  // closing returns to the show
  });
  window.show();
  EXPECT_EQ(lines, (QStringList{"Error Message:Stream read error", "Error    Code:0",
                                "function     :FormShow", "Lines     :8",
                                "Object     :TfrmShowSaver", "Error Class:EReadError"}));
  EXPECT_EQ(caption, "Error");
  EXPECT_EQ(size, QSize(325, 225));
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.TraceFunction, "FormShow");
  // The report belongs to the window and outlives its closing.
  EXPECT_EQ(window.findChildren<TfrmShowError*>().size(), 1);
}

TEST(ErrorReport, ExitEndsTheProgramAlsoBeforeTheMessageLoopRuns) {
  TfrmShowError report(nullptr);
  bool stillOpen = false;
  WhenModal([&](QWidget*) {
    report.Button2->click();
    // Still open a second later means Exit did not end the dialog's loop.
    QTimer::singleShot(1000, &report, [&] {
      stillOpen = report.isVisible();
      report.close();
    });
  });
  QElapsedTimer clock;
  clock.start();
  report.exec();
  EXPECT_LT(clock.elapsed(), 900);
  EXPECT_FALSE(stillOpen);
  EXPECT_TRUE(Application()->Terminated());
  ClearQuitRequest();
}

TEST(CustomModule, ApplicationTitleRule) {
  EXPECT_EQ(ApplicationTitle("/home/u/MyShow.scr"), "Myshow");
  EXPECT_EQ(ApplicationTitle("ALLCAPS"), "Allcaps");
  EXPECT_EQ(ApplicationTitle("/x/show.saver.scr"), "show");
  EXPECT_EQ(ApplicationTitle("/x/.hidden"), "");
}

TEST(CustomModule, TextIsCutToItsBufferBetweenCharacters) {
  EXPECT_EQ(TruncateText(std::string(70, 'a'), 63), std::string(63, 'a'));
  EXPECT_EQ(TruncateText("short", 63), "short");
  std::string accents;
  for (int i = 0; i < 40; ++i) accents += "é";  // two bytes each
  EXPECT_EQ(TruncateText(accents, 63).size(), 62u);
  EXPECT_EQ(TruncateText(std::string(2000, 'x'), 1023).size(), 1023u);
}

TEST(CustomModule, MessageBoxShowsTheCutTitleAndText) {
  QString title;
  QString text;
  WhenModal([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    box->accept();
  });
  CustomMessageBox(nullptr, std::string(1500, 't'), std::string(100, 'T'),
                   QMessageBox::Information);
  EXPECT_EQ(title, QString(63, 'T'));
  EXPECT_EQ(text, QString(1023, 't'));
}

}  // namespace
