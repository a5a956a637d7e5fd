#include <gtest/gtest.h>

#include <QApplication>

// GoogleTest inside a Qt application with widgets, so that tests can show windows and run the
// event loop.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
