// The prepared picture files of a show window, and the effect styles a picture is shown with.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "JpegTestFiles.h"
#include "platform/Errors.h"
#include "platform/Random.h"
#include "players/EffectGroups.h"
#include "players/PicManager.h"
#include "players/picture/BmpWriter.h"
#include "showdata/SaverBase.h"
#include "showdata/ShowWriter.h"

namespace fs = std::filesystem;

namespace {

TSaverBase LoadSpec(const ShowSpec& showData, const std::string& folder) {
  const std::vector<std::uint8_t> bytes = EncodeShow(showData);
  std::istringstream in(std::string(bytes.begin(), bytes.end()));
  TSaverBase saver;
  EXPECT_TRUE(saver.LoadShow(in, bytes.size()));
  saver.SetDataDir(folder);
  return saver;
}

QSize ImageSize(const std::string& path) {
  return QImage(QString::fromStdString(path)).size();
}

class PicManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = dir_.path().toStdString() + "/";
    Bitmap picture(40, 20, MakePixel(200, 10, 10));
    SaveBmp(picture, folder_ + "red.bmp");
    std::ofstream(folder_ + "broken.jpg", std::ios::binary) << "not a jpeg at all";
    ShowSpec showData;
    showData.fitMode = 2;
    showData.backColor = 0x00FF00;
    showData.items = {{0, "", "red.bmp", ".bmp"}, {0, "", "broken.jpg", ".jpg"}};
    saver_ = LoadSpec(showData, dir_.path().toStdString());
  }
  std::unique_ptr<TPicManager> Manager(int w, int h) {
    auto m = std::make_unique<TPicManager>();
    m->SetClientRect(Rect{0, 0, w, h});
    m->SetWorkFolder(folder_);
    return m;
  }

  QTemporaryDir dir_;
  std::string folder_;
  TSaverBase saver_;
};

TEST(PreparedPictureName, IndexInDecimalAfterThreeZeros) {
  EXPECT_EQ(PreparedPictureName("/shows/holiday/", 0), "/shows/holiday/tmppic0000.bmp");
  EXPECT_EQ(PreparedPictureName("/shows/holiday/", 12), "/shows/holiday/tmppic00012.bmp");
}

TEST_F(PicManagerTest, PreparesAFileAtTheClientSizeAndFitsThePicture) {
  auto m = Manager(100, 80);
  const std::string name = m->GetFile(saver_, 0);
  EXPECT_EQ(name, folder_ + "tmppic0000.bmp");
  EXPECT_EQ(m->Files(), std::vector<std::string>{name});
  const QImage prepared(QString::fromStdString(name));
  ASSERT_EQ(prepared.size(), QSize(100, 80));
  EXPECT_EQ(prepared.pixelColor(50, 40), QColor(200, 10, 10));  // proportional: 100 x 50 at y 15
  EXPECT_EQ(prepared.pixelColor(50, 5), QColor(0, 255, 0));     // the show's colour around it
}

TEST_F(PicManagerTest, StaleFileIsRebuiltAndOwnFileReused) {
  const std::string name = folder_ + "tmppic0000.bmp";
  SaveBmp(Bitmap(7, 7), name);  // left from an earlier run
  auto m = Manager(64, 48);
  EXPECT_EQ(m->GetFile(saver_, 0), name);
  EXPECT_EQ(ImageSize(name), QSize(64, 48));
  // Own file: used as it stands, even when changed behind the manager's back.
  SaveBmp(Bitmap(5, 5), name);
  EXPECT_EQ(m->GetFile(saver_, 0), name);
  EXPECT_EQ(ImageSize(name), QSize(5, 5));
  EXPECT_EQ(m->Files().size(), 1u);
}

TEST_F(PicManagerTest, TwoWindowsOfDifferentSizes) {
  auto small = Manager(64, 48);
  auto large = Manager(128, 96);
  const std::string name = small->GetFile(saver_, 0);
  // The other window rebuilds at its own size the file it did not make...
  EXPECT_EQ(large->GetFile(saver_, 0), name);
  EXPECT_EQ(ImageSize(name), QSize(128, 96));
  // ...and the first reuses the file it recorded, though the other has rebuilt it since.
  EXPECT_EQ(small->GetFile(saver_, 0), name);
  EXPECT_EQ(ImageSize(name), QSize(128, 96));
}

TEST_F(PicManagerTest, DestroyDeletesOnlyTheFilesItMade) {
  auto m = Manager(32, 32);
  const std::string made = m->GetFile(saver_, 0);
  const std::string other = folder_ + "tmppic0005.bmp";
  SaveBmp(Bitmap(2, 2), other);
  m.reset();
  EXPECT_FALSE(fs::exists(made));
  EXPECT_TRUE(fs::exists(other));
  EXPECT_TRUE(fs::exists(folder_ + "red.bmp"));
}

TEST_F(PicManagerTest, PictureThatCannotBeLoadedRaisesAndRecordsNothing) {
  auto m = Manager(32, 32);
  EXPECT_THROW(m->GetFile(saver_, 1), EJPEG);
  EXPECT_TRUE(m->Files().empty());
  EXPECT_FALSE(fs::exists(folder_ + "tmppic0001.bmp"));
  fs::remove(folder_ + "red.bmp");
  EXPECT_THROW(m->GetFile(saver_, 0), EFOpenError);
  EXPECT_FALSE(fs::exists(folder_ + "tmppic0000.bmp"));
}

TEST_F(PicManagerTest, ReadOnlyShowFolderPreparesInTheUserCache) {
  QTemporaryDir cache;
  ASSERT_EQ(setenv("XDG_CACHE_HOME", cache.path().toLocal8Bit().constData(), 1), 0);
  // A folder no file can be created in, whoever runs the test: one under a regular file.
  const std::string unwritable = folder_ + "red.bmp/";
  const std::string work = WritableWorkFolder(unwritable);
  EXPECT_EQ(work.rfind(cache.path().toStdString() + "/showsaver/", 0), 0u) << work;
  EXPECT_EQ(work.back(), '/');
  EXPECT_TRUE(fs::is_directory(work));
  EXPECT_EQ(WritableWorkFolder(unwritable), work);               // the same show, the same folder
  EXPECT_NE(WritableWorkFolder(folder_ + "broken.jpg/"), work);  // another show, another
  EXPECT_EQ(WritableWorkFolder(folder_), folder_);
  if (geteuid() != 0) {  // permissions do not stop the superuser
    const std::string locked = folder_ + "locked/";
    fs::create_directory(locked);
    chmod(locked.c_str(), 0555);
    EXPECT_NE(WritableWorkFolder(locked), locked);
    chmod(locked.c_str(), 0755);
  }
  TPicManager m;
  m.SetClientRect(Rect{0, 0, 16, 16});
  m.SetWorkFolder(unwritable);
  const std::string name = m.GetFile(saver_, 0);
  EXPECT_EQ(name, work + "tmppic0000.bmp");
  EXPECT_EQ(ImageSize(name), QSize(16, 16));
  unsetenv("XDG_CACHE_HOME");
}

// ---- Effect styles ----

TSaverBase ShowWithGroups(std::initializer_list<int> groups) {
  ShowSpec showData;
  for (int g : groups) showData.effectGroups[static_cast<std::size_t>(g)] = true;
  return LoadSpec(showData, "/");
}

std::map<int, int> Draw(const TSaverBase& saver, int times) {
  std::map<int, int> seen;
  SetRandSeed(12345);
  for (int i = 0; i < times; ++i) ++seen[PickEffectStyle(saver, [](const char*) {})];
  return seen;
}

std::set<int> GroupStyles(int g) {
  const EffectGroup& group = EffectGroupStyles[static_cast<std::size_t>(g)];
  return {group.styles.begin(), group.styles.begin() + group.count};
}

TEST(PickEffectStyle, NoGroupOnGivesGroupZero) {
  const auto seen = Draw(ShowWithGroups({}), 500);
  std::set<int> styles;
  for (const auto& [style, n] : seen) styles.insert(style);
  EXPECT_EQ(styles, GroupStyles(0));
}

TEST(PickEffectStyle, OnlyGroupNineGivesSixteenAndSeventeenAboutEvenly) {
  const auto seen = Draw(ShowWithGroups({9}), 2000);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_NEAR(seen.at(16), 1000, 150);
  EXPECT_NEAR(seen.at(17), 1000, 150);
}

TEST(PickEffectStyle, OnlyGroupTwentyNineAndTheScanWrapsPastIt) {
  for (const auto& [style, n] : Draw(ShowWithGroups({29}), 300)) {
    EXPECT_TRUE(GroupStyles(29).count(style)) << style;
  }
  // With groups 0 and 29 on, a draw of 1..28 scans forward to 29; a draw of 29 or 0 stays.
  const auto seen = Draw(ShowWithGroups({0, 29}), 3000);
  int fromZero = 0, fromLast = 0;
  for (const auto& [style, n] : seen) (GroupStyles(0).count(style) ? fromZero : fromLast) += n;
  EXPECT_NEAR(fromLast, 3000 * 29 / 30, 150);
  EXPECT_NEAR(fromZero, 3000 / 30, 60);
}

TEST(PickEffectStyle, StepsAreReportedInOrder) {
  std::string steps;
  const auto saver = ShowWithGroups({});  // every group scanned, then group 0
  PickEffectStyle(saver, [&](const char* s) { steps += std::string(s) + " "; });
  std::string want = "2 ";
  for (int i = 0; i < 30; ++i) want += "3 4 ";
  want += "5 6 7 8 ";
  EXPECT_EQ(steps, want);
}

TEST(EffectGroupStyles, CoverTheStylesOneToHundredFiftyButTheFourSkipped) {
  std::map<int, int> uses;
  for (int g = 0; g < kEffectGroupCount; ++g)
    for (int s : GroupStyles(g)) ++uses[s];
  for (int s = 1; s <= 150; ++s) {
    const int want = (s >= 110 && s <= 113) ? 0 : (s >= 10 && s <= 13) ? 2 : 1;
    EXPECT_EQ(uses[s], want) << s;
  }
  EXPECT_EQ(uses.rbegin()->first, 150);
}

}  // namespace
