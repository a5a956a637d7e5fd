#include <gtest/gtest.h>

#include "host/ShowApplication.h"

// The show window's tests run inside the show's own application object.
int main(int argc, char** argv) {
  // No test may ever reach the real power-off.
  qputenv("SHOWSAVER_POWEROFF_COMMAND", "true");
  TShowApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
