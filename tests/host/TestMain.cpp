#include <gtest/gtest.h>

#include <QtGlobal>

#include "host/ShowApplication.h"

int main(int argc, char** argv) {
  // No test may ever reach the real power-off.
  qputenv("SHOWSAVER_POWEROFF_COMMAND", "true");
  TShowApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
