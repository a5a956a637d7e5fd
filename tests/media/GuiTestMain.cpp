#include <gtest/gtest.h>

#include <QApplication>

// GoogleTest inside a Qt application with widgets, so that tests can show windows and run the
// event loop. Without a display (as when the build lists the tests) it runs off screen.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
