#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <memory>

#include "host/ShowError.h"
#include "host/ShowSaver.h"
#include "players/FlashControl.h"
#include "players/WebBrowser.h"
#include "tests/host/ShowFixture.h"
#include "tests/swf/TempFolder.h"
#include "tests/web/TestMovies.h"
#include "tests/web/WaitFor.h"

namespace {

// A show window on a show of the test's making, its files in the show's folder.
class WebShow : public testing::Test {
 protected:
  void TearDown() override { window_.reset(); }

  TfrmShowSaver& Start(const ShowSpec& showData, bool preview = false) {
    show_ = std::make_unique<TTestShow>(showData);
    for (const auto& [name, bytes] : files_) Write(name, bytes);
    window_ = std::make_unique<TfrmShowSaver>(nullptr, TShowWindowOptions{show_->PlayerPath(), 0});
    window_->IsPreview = preview;
    window_->setGeometry(0, 0, 640, 480);
    window_->show();
    return *window_;
  }

  // A file to put into the show's folder before the show starts.
  void AddFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    files_.emplace_back(name, bytes);
  }
  std::string Path(const std::string& name) const { return show_->Folder() + name; }
  bool Exists(const std::string& name) const {
    return QFileInfo::exists(QString::fromStdString(Path(name)));
  }
  bool Ended() const { return window_->Saver == nullptr; }

  // Moves the real pointer of the display, as a user would.
  static void MovePointer(QPoint to) {
    ASSERT_EQ(QProcess::execute("xdotool",
                                {"mousemove", QString::number(to.x()), QString::number(to.y())}),
              0);
  }

  static ShowSpec ShowOfKind(std::uint8_t kind) {
    ShowSpec showData;
    showData.showKind = kind;
    showData.exitOnMouseMove = false;
    showData.exitOnClick = false;
    showData.exitOnKey = false;
    return showData;
  }

  std::unique_ptr<TTestShow> show_;
  std::unique_ptr<TfrmShowSaver> window_;

 private:
  void Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    std::ofstream(Path(name), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  }
  std::vector<std::pair<std::string, std::vector<std::uint8_t>>> files_;
};

std::vector<std::uint8_t> Html(const std::string& title) {
  const std::string html =
      "<html><head><title>" + title + "</title></head><body>" + title + "</body></html>";
  return {html.begin(), html.end()};
}

TEST_F(WebShow, FlashMoviesPlayToTheirLastFrameAndTheNextFollows) {
  ShowSpec showData = ShowOfKind(ikFlash);
  showData.muteFlash = true;
  showData.fitMode = 1;
  showData.backColor = 0x336699;
  showData.items = {{ikFlash, "", "twelve.swf", ".swf"}, {ikFlash, "", "six.swf", ".swf"}};
  AddFile("twelve.swf", CountingMovie(12, 24));
  AddFile("six.swf", CountingMovie(6, 24));
  TfrmShowSaver& window = Start(showData);

  ASSERT_NE(window.FlashMovie, nullptr);
  EXPECT_TRUE(window.FlashMovie->isVisible());
  EXPECT_EQ(window.FlashMovie->geometry(), window.rect());
  EXPECT_EQ(window.FlashMovie->BackgroundColor(), 0x02996633);
  EXPECT_EQ(window.FlashMovie->ScaleMode(), 0);
  EXPECT_EQ(window.FlashFrameCount, 12);
  EXPECT_EQ(window.Timer1->interval(), 40);
  EXPECT_TRUE(window.timeFlash->isActive());
  EXPECT_TRUE(Exists("tmpflash0000.swf"));
  ASSERT_TRUE(WaitFor([&] { return window.FlashMovie->MillisecondsToFirstFrame() >= 0; }));
  const qint64 firstMovie = window.FlashMovie->MillisecondsToFirstFrame();

  ASSERT_TRUE(WaitFor([&] { return window.CurrentItem == 1; }));
  EXPECT_EQ(window.FlashFrameCount, 6);
  ASSERT_TRUE(WaitFor([&] { return window.FlashMovie->MillisecondsToFirstFrame() >= 0; }));
  const qint64 laterMovie = window.FlashMovie->MillisecondsToFirstFrame();
  ASSERT_TRUE(WaitFor([&] { return window.CurrentItem == 0; }));  // and round again
  RecordProperty("first_movie_to_first_frame_ms", std::to_string(firstMovie));
  RecordProperty("later_movie_to_first_frame_ms", std::to_string(laterMovie));
  std::printf("PlayFlash to first frame: first movie %lld ms, later movie %lld ms\n",
              static_cast<long long>(firstMovie), static_cast<long long>(laterMovie));

  window.ExitSaver();
  EXPECT_EQ(window.FlashMovie, nullptr);
  EXPECT_FALSE(Exists("tmpflash0000.swf"));
  EXPECT_FALSE(Exists("tmpflash0001.swf"));
}

TEST_F(WebShow, ClicksOnTheMovieAreSwallowedAndMovementEndsTheShow) {
  ShowSpec showData = ShowOfKind(ikFlash);
  showData.exitOnMouseMove = true;
  showData.items = {{ikFlash, "", "long.swf", ".swf"}};
  AddFile("long.swf", CountingMovie(2400, 24));
  MovePointer({100, 100});
  TfrmShowSaver& window = Start(showData);
  ASSERT_NE(window.FlashMovie, nullptr);
  // Clicks where the pointer is, over the movie.
  QWindow* handle = window.windowHandle();
  const QPoint at = handle->mapFromGlobal(QPoint(100, 100));
  ASSERT_TRUE(window.FlashMovie->OwnsReceiver(window.childAt(at)));
  QMouseEvent press(QEvent::MouseButtonPress, at, handle->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, {});
  EXPECT_TRUE(window.ApplicationEvents1Message(handle, &press));  // handled: not dispatched
  QTest::mouseClick(handle, Qt::LeftButton, {}, at);
  QTest::mouseClick(handle, Qt::RightButton, {}, at);
  QTest::qWait(100);
  EXPECT_FALSE(Ended());
  MovePointer({102, 102});
  QTest::qWait(200);
  EXPECT_FALSE(Ended());
  MovePointer({300, 200});
  EXPECT_TRUE(WaitFor([&] { return Ended(); }, 5000));
}

TEST_F(WebShow, WebPagesCompleteAndTheShowMovesOnAfterItsInterval) {
  TempFolder pages;
  const std::string first = pages.Write("first.html", Html("first"));
  const std::string second = pages.Write("second.html", Html("second"));
  ShowSpec showData = ShowOfKind(ikWebsite);
  showData.exitOnMouseMove = true;
  showData.showSeconds = 1;
  showData.items = {{ikWebsite, "", first, ""}, {ikWebsite, "", second, ""}};
  MovePointer({100, 100});
  TfrmShowSaver& window = Start(showData);
  ASSERT_NE(window.WebBrowser1, nullptr);
  QElapsedTimer clock;
  clock.start();
  std::vector<std::pair<QString, qint64>> completions;
  QObject::connect(
      window.WebBrowser1, &TWebBrowser::DocumentComplete, window.WebBrowser1,
      [&](const QString& address) { completions.emplace_back(address, clock.elapsed()); });
  EXPECT_TRUE(window.WebBrowser1->isVisible());
  EXPECT_EQ(window.WebBrowser1->geometry(), window.rect());
  ASSERT_TRUE(WaitFor([&] { return completions.size() == 1; }));
  EXPECT_TRUE(window.Timer1->isActive());
  EXPECT_EQ(window.Timer1->interval(), 1000);
  ASSERT_TRUE(WaitFor([&] { return window.CurrentItem == 1; }));
  const qint64 moved = clock.elapsed();
  EXPECT_GE(moved - completions[0].second, 900);
  ASSERT_TRUE(WaitFor([&] { return completions.size() == 2; }));
  EXPECT_EQ(completions[1].first, QUrl::fromLocalFile(QString::fromStdString(second)).toString());
  EXPECT_EQ(window.WebBrowser1->title(), "second");

  MovePointer({320, 240});  // over the page
  EXPECT_TRUE(WaitFor([&] { return Ended(); }, 5000));
}

TEST_F(WebShow, TheWebsitePreviewLoadsNoPage) {
  TempFolder pages;
  ShowSpec showData = ShowOfKind(ikWebsite);
  showData.previewText = "Pages about birds";
  showData.items = {{ikWebsite, "", pages.Write("page.html", Html("page")), ""}};
  TfrmShowSaver& window = Start(showData, true);
  ASSERT_NE(window.WebBrowser1, nullptr);
  QTest::qWait(500);
  EXPECT_TRUE(window.WebBrowser1->url().isEmpty());
  EXPECT_FALSE(window.WebBrowser1->isVisible());
  EXPECT_TRUE(window.pnWebPreView->isVisible());
  EXPECT_FALSE(window.Timer1->isActive());
}

TEST_F(WebShow, AnAddressThatCannotBeNavigatedGivesThePlayersOwnReport) {
  ShowSpec showData = ShowOfKind(ikWebsite);
  showData.items = {{ikWebsite, "", "ht tp://x", ""}};
  QString report;
  WhenModal([&report](QWidget* modal) {
    report = modal->findChild<QPlainTextEdit*>()->toPlainText();
    modal->close();
  });
  TfrmShowSaver& window = Start(showData);
  ASSERT_TRUE(WaitFor([&] { return !report.isEmpty(); }));
  EXPECT_TRUE(report.contains("function     :PlayWebsite\nLines     :9\nObject     :\n"))
      << report.toStdString();
  EXPECT_TRUE(report.contains("Error Class:EControlError")) << report.toStdString();
  EXPECT_EQ(window.TraceLine, "000");
  QTest::qWait(300);
  EXPECT_FALSE(window.Timer1->isActive());
}

}  // namespace
