#include "FxRender.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <sstream>

#include "PictureFiles.h"
#include "platform/Errors.h"

namespace {

class FxRenderTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    // The old picture is plain red, saved as a 24-bit BMP; the new one a gradient in a 32-bit
    // PNG.
    QImage old(40, 30, QImage::Format_RGB888);
    old.fill(QColor(200, 0, 0));
    ASSERT_TRUE(old.save(Path("old.bmp"), "BMP"));
    QImage picture(40, 30, QImage::Format_ARGB32);
    for (int y = 0; y < 30; ++y) {
      for (int x = 0; x < 40; ++x) picture.setPixel(x, y, qRgba(x * 6, y * 8, 90, 255));
    }
    ASSERT_TRUE(picture.save(Path("new.png"), "PNG"));
    QImage other(41, 30, QImage::Format_RGB32);
    other.fill(Qt::black);
    ASSERT_TRUE(other.save(Path("wide.png"), "PNG"));
  }

  QString Path(const char* name) const { return dir_.filePath(name); }
  std::string P(const char* name) const { return Path(name).toStdString(); }

  int Run(const std::vector<std::string>& args) {
    out_.str("");
    err_.str("");
    return RunFxRender(args, out_, err_);
  }

  QTemporaryDir dir_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(FxRenderTest, ListsEveryStyleWithItsName) {
  ASSERT_EQ(Run({"--list"}), 0);
  std::istringstream lines(out_.str());
  std::string line;
  int count = 0;
  while (std::getline(lines, line)) {
    ++count;
    EXPECT_EQ(line.rfind(std::to_string(count) + "\t", 0), 0u) << line;
  }
  EXPECT_EQ(count, 171);
  EXPECT_NE(out_.str().find("51\tAppear and Contract to middle\n"), std::string::npos);
}

TEST_F(FxRenderTest, DrawsOneFrameAsA32BitBmpOrAPng) {
  // Style 5 at 50 reveals the left half of the new picture.
  ASSERT_EQ(Run({"--style", "5", "--progress", "50", "--old", P("old.bmp"), "--new", P("new.png"),
                 "--out", P("frame.bmp")}),
            0)
      << err_.str();
  QFile file(Path("frame.bmp"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray header = file.read(30);
  EXPECT_EQ(static_cast<unsigned char>(header[28]), 32);  // bits per pixel
  const QImage frame(Path("frame.bmp"));
  EXPECT_EQ(frame.pixel(19, 10), qRgb(19 * 6, 80, 90));
  EXPECT_EQ(frame.pixel(20, 10), qRgb(200, 0, 0));

  ASSERT_EQ(Run({"--style", "REVEAL FROM LEFT", "--progress", "50", "--old", P("old.bmp"), "--new",
                 P("new.png"), "--out", P("frame.PNG")}),
            0);
  const QImage png(Path("frame.PNG"));
  EXPECT_EQ(png.pixel(19, 29), qRgb(19 * 6, 29 * 8, 90));
  EXPECT_EQ(png.pixel(39, 0), qRgb(200, 0, 0));
}

TEST_F(FxRenderTest, WritesEveryFrameOfATransition) {
  ASSERT_EQ(
      Run({"--style", "1", "--old", P("old.bmp"), "--new", P("new.png"), "--frames", P("frames")}),
      0)
      << err_.str();
  const QStringList files = QDir(Path("frames")).entryList(QDir::Files, QDir::Name);
  ASSERT_EQ(files.size(), 25);
  EXPECT_EQ(files.front(), "frame-001.png");
  EXPECT_EQ(files.back(), "frame-025.png");
  // The last frame is the whole new picture.
  const QImage last(QDir(Path("frames")).filePath("frame-025.png"));
  EXPECT_EQ(last.pixel(0, 0), qRgb(0, 0, 90));
  EXPECT_EQ(last.pixel(39, 29), qRgb(39 * 6, 29 * 8, 90));
}

TEST_F(FxRenderTest, BadInputIsReportedWithANonZeroStatus) {
  const std::string old = P("old.bmp");
  const std::string pic = P("new.png");
  const std::string out = P("x.png");
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"--style", "3", "--progress", "50", "--old", old, "--new", P("wide.png"), "--out", out},
       "differ in size"},
      {{"--style", "172", "--progress", "50", "--old", old, "--new", pic, "--out", out},
       "unknown style"},
      {{"--style", "No such", "--progress", "50", "--old", old, "--new", pic, "--out", out},
       "unknown style"},
      {{"--style", "custom", "--progress", "50", "--old", old, "--new", pic, "--out", out},
       "Custom"},
      {{"--style", "3", "--progress", "101", "--old", old, "--new", pic, "--out", out}, "0 to 100"},
      {{"--style", "3", "--progress", "-1", "--old", old, "--new", pic, "--out", out}, "0 to 100"},
      {{"--style", "3", "--progress", "50", "--old", P("missing.bmp"), "--new", pic, "--out", out},
       "Cannot open"},
      {{"--style", "3", "--progress", "50", "--old", P("frames"), "--new", pic, "--out", out},
       "Cannot open"},
      {{"--style", "3", "--progress", "50", "--old", old, "--new", pic, "--out", P("x.gif")},
       ".bmp or .png"},
      {{"--style", "3", "--progress", "50", "--old", old, "--new", pic, "--out", out, "--seed",
        "x"},
       "seed"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Run(c.args), 1) << c.message;
    EXPECT_NE(err_.str().find(c.message), std::string::npos) << err_.str();
  }
  EXPECT_FALSE(QFile::exists(Path("x.png")));

  QFile junk(Path("junk.bmp"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("BM not really");
  junk.close();
  EXPECT_EQ(
      Run({"--style", "3", "--progress", "50", "--old", P("junk.bmp"), "--new", pic, "--out", out}),
      1);
  EXPECT_NE(err_.str().find("not a picture"), std::string::npos);
}

TEST_F(FxRenderTest, CommandLinesItDoesNotUnderstandShowTheUsage) {
  EXPECT_EQ(Run({}), 2);
  EXPECT_EQ(Run({"--style", "3"}), 2);
  EXPECT_EQ(Run({"--list", "--style", "3"}), 2);
  EXPECT_EQ(Run({"--bogus"}), 2);
  EXPECT_EQ(Run({"--style"}), 2);
  EXPECT_NE(err_.str().find("usage: fxrender"), std::string::npos);
}

}  // namespace
