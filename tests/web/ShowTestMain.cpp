// Runs the Flash and website show tests inside one show application.
#include <gtest/gtest.h>
#include <unistd.h>

#include "host/ShowApplication.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  // No test may ever reach the real power-off; the web engine's sandbox cannot run as root.
  qputenv("SHOWSAVER_POWEROFF_COMMAND", "true");
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  TShowApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
