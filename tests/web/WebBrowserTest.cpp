#include "players/WebBrowser.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QWidget>

#include "platform/Errors.h"
#include "tests/swf/TempFolder.h"
#include "tests/web/WaitFor.h"

namespace {

std::vector<std::uint8_t> Page(const std::string& title) {
  const std::string html =
      "<html><head><title>" + title + "</title></head><body>" + title + "</body></html>";
  return {html.begin(), html.end()};
}

TEST(WebBrowserAddress, TurnsAddressesIntoUrls) {
  TempFolder folder;
  const std::string page = folder.Write("a page.html", Page("a"));
  EXPECT_EQ(TWebBrowser::AddressUrl(page), QUrl::fromLocalFile(QString::fromStdString(page)));
  EXPECT_EQ(TWebBrowser::AddressUrl("http://127.0.0.1:8080/x.html"),
            QUrl("http://127.0.0.1:8080/x.html"));
  EXPECT_EQ(TWebBrowser::AddressUrl("www.example.com"), QUrl("http://www.example.com"));
  EXPECT_EQ(TWebBrowser::AddressUrl("  file:///tmp/y.html "), QUrl("file:///tmp/y.html"));
  EXPECT_TRUE(TWebBrowser::AddressUrl("").isEmpty());
  EXPECT_TRUE(TWebBrowser::AddressUrl("   ").isEmpty());
}

class WebBrowser : public ::testing::Test {
 protected:
  void SetUp() override {
    window.resize(320, 240);
    window.show();
    browser = new TWebBrowser(&window);
  }

  TempFolder folder;
  QWidget window;
  TWebBrowser* browser = nullptr;
};

TEST_F(WebBrowser, CompletesEachDocumentAlsoWhenItFailsToLoad) {
  QSignalSpy complete(browser, &TWebBrowser::DocumentComplete);
  const std::string first = folder.Write("first.html", Page("first"));
  browser->Navigate(first);
  ASSERT_TRUE(WaitFor([&] { return complete.count() == 1; }));
  EXPECT_EQ(complete[0][0].toString(),
            QUrl::fromLocalFile(QString::fromStdString(first)).toString());
  EXPECT_EQ(browser->title(), "first");
  browser->Navigate(folder.File("missing.html"));
  EXPECT_TRUE(WaitFor([&] { return complete.count() == 2; }));
  EXPECT_THROW(browser->Navigate(""), EControlError);
}

TEST_F(WebBrowser, CoversItsParentUntilParked) {
  browser->AlignToParent();
  EXPECT_EQ(browser->geometry(), window.rect());
  window.resize(400, 300);
  EXPECT_TRUE(WaitFor([&] { return browser->geometry() == window.rect(); }));
  browser->SetAlignNone();
  browser->move(browser->x(), -2000);
  window.resize(300, 200);
  EXPECT_TRUE(WaitFor([&] { return window.width() == 300; }));
  EXPECT_EQ(browser->geometry(), QRect(0, -2000, 400, 300));
}

}  // namespace
