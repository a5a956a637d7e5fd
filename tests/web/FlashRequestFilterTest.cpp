#include <gtest/gtest.h>

#include <QTcpServer>
#include <QWebEnginePage>
#include <QWebEngineProfile>

#include "players/FlashScheme.h"
#include "tests/web/WaitFor.h"

namespace {

// Loads a page that asks a loopback server for a picture, through a profile with or without
// the Flash page's request filter, and tells whether the request reached the server.
bool RequestReachesServer(bool filtered) {
  QTcpServer server;
  EXPECT_TRUE(server.listen(QHostAddress::LocalHost));
  QWebEngineProfile profile;
  if (filtered) profile.setUrlRequestInterceptor(new TFlashRequestFilter(&profile));
  auto* page = new QWebEnginePage(&profile);
  bool loaded = false;
  QObject::connect(page, &QWebEnginePage::loadFinished, [&loaded](bool) { loaded = true; });
  page->setHtml(QString("<img src='http://127.0.0.1:%1/picture.png'>").arg(server.serverPort()));
  WaitFor([&] { return loaded || server.hasPendingConnections(); }, 10000);
  WaitFor([&] { return server.hasPendingConnections(); }, 500);
  const bool reached = server.hasPendingConnections();
  delete page;
  return reached;
}

TEST(FlashRequestFilter, RefusesRequestsThatLeaveThePage) {
  EXPECT_TRUE(RequestReachesServer(false));  // the page does ask
  EXPECT_FALSE(RequestReachesServer(true));
}

}  // namespace
