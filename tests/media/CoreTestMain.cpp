#include <gtest/gtest.h>

#include <QCoreApplication>

// GoogleTest inside a Qt application without a display, so that tests can run its event loop.
int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
