#include <gtest/gtest.h>

#include <QCursor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "platform/ConfigRegistry.h"
#include "platform/CursorCount.h"

namespace {

bool CursorHidden() {
  const QCursor* cursor = QGuiApplication::overrideCursor();
  return cursor != nullptr && cursor->shape() == Qt::BlankCursor;
}

TEST(CursorCount, HiddenWhileTheCountIsNegative) {
  // Windows of earlier tests may have been destroyed with the cursor hidden: start from 0.
  while (CursorShowCount() < 0) ShowCursor(true);
  while (CursorShowCount() > 0) ShowCursor(false);
  EXPECT_EQ(ShowCursor(false), -1);
  EXPECT_TRUE(CursorHidden());
  EXPECT_EQ(ShowCursor(false), -2);
  EXPECT_EQ(ShowCursor(true), -1);
  EXPECT_TRUE(CursorHidden());
  EXPECT_EQ(ShowCursor(true), 0);
  EXPECT_FALSE(CursorHidden());
  // Shown more often than hidden: the count rises and the cursor stays visible.
  EXPECT_EQ(ShowCursor(true), 1);
  EXPECT_EQ(ShowCursor(false), 0);
  EXPECT_FALSE(CursorHidden());
}

class ConfigRegistry : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QDir(root_.path()).mkpath("home"));
    ASSERT_TRUE(QDir(root_.path()).mkpath("first"));
    ASSERT_TRUE(QDir(root_.path()).mkpath("second"));
    qputenv("XDG_CONFIG_HOME", root_.filePath("home").toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS",
            (root_.filePath("first") + ":" + root_.filePath("second")).toLocal8Bit());
  }
  void TearDown() override {
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_CONFIG_DIRS");
  }
  void Write(const QString& folder, const QByteArray& text) {
    QFile file(root_.filePath(folder + "/vornhelm.conf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  QTemporaryDir root_;
};

TEST_F(ConfigRegistry, MissingFileOrKeyReadsEmpty) {
  EXPECT_EQ(ReadConfigToolPath(), "");
  Write("home", "Other=/bin/true\n");
  EXPECT_EQ(ReadConfigToolPath(), "");
}

TEST_F(ConfigRegistry, UserFolderFirstThenTheSystemFoldersInOrder) {
  Write("second", "T=/opt/second/tool\n");
  EXPECT_EQ(ReadConfigToolPath(), "/opt/second/tool");
  Write("first", "T=/opt/first/tool\n");
  EXPECT_EQ(ReadConfigToolPath(), "/opt/first/tool");
  Write("home", "T=/home/u/my tool\n");
  EXPECT_EQ(ReadConfigToolPath(), "/home/u/my tool");
}

}  // namespace
