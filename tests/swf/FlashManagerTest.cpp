#include "players/swf/FlashManager.h"

#include <gtest/gtest.h>

#include "platform/Errors.h"
#include "showdata/SaverBase.h"
#include "showdata/ShowWriter.h"
#include "tests/swf/SwfBuilder.h"
#include "tests/swf/TempFolder.h"

namespace {

// A Flash show in a temporary folder: movies m0.swf .. and the show file, loaded.
class FlashShow : public ::testing::Test {
 protected:
  void Load(bool muteFlash, const std::vector<std::vector<std::uint8_t>>& movies) {
    ShowSpec showData;
    showData.showKind = ikFlash;
    showData.muteFlash = muteFlash;
    for (std::size_t i = 0; i < movies.size(); ++i) {
      const std::string name = "m" + std::to_string(i) + ".swf";
      folder.Write(name, movies[i]);
      showData.items.push_back({ikFlash, "", name, ".swf"});
    }
    const std::string show = folder.Write("show.dat", EncodeShow(showData));
    std::string dataDir;
    ASSERT_TRUE(saver.Open(show, dataDir));
    saver.SetDataDir(dataDir);
    manager.SetWorkFolder(dataDir);
  }

  static std::vector<std::uint8_t> SoundMovie() {
    return SwfBuilder().Tag(19, {1, 2, 3}).ShowFrame().End().Fws();
  }

  TempFolder folder;
  TSaverBase saver;
  TFlashManager manager;
};

TEST_F(FlashShow, NamesTheCopyAfterTheItemIndexAndExtension) {
  manager.SetWorkFolder(folder.Folder());
  EXPECT_EQ(manager.CopyName(3, ".swf"), folder.File("tmpflash0003.swf"));
  manager.SetWorkFolder("C:\\shows\\");
  EXPECT_EQ(manager.CopyName(12, ".SWF"), "C:/shows/tmpflash00012.SWF");
}

TEST_F(FlashShow, PlaysTheItemsOwnFileWhenSoundsAreKept) {
  Load(false, {SoundMovie()});
  EXPECT_EQ(manager.GetFile(saver, 0), folder.File("m0.swf"));
  EXPECT_EQ(folder.Count(), 2u);
}

TEST_F(FlashShow, MakesASilentCopyOnceAndDeletesItAtTheEnd) {
  Load(true, {SoundMovie(), SoundMovie()});
  folder.Write("tmpflash0001.swf", {'o', 'l', 'd'});  // left over from an earlier run
  const std::string copy = manager.GetFile(saver, 1);
  EXPECT_EQ(copy, folder.File("tmpflash0001.swf"));
  EXPECT_EQ(TempFolder::Read(copy)[8 + SwfBuilder().Body().size() + 1], 0xFF);
  // A copy made in this run is reused as it stands.
  folder.Write("tmpflash0001.swf", {'m', 'i', 'n', 'e'});
  EXPECT_EQ(manager.GetFile(saver, 1), copy);
  EXPECT_EQ(TempFolder::Read(copy).size(), 4u);
  EXPECT_EQ(manager.GetFile(saver, 0), folder.File("tmpflash0000.swf"));
  EXPECT_EQ(manager.RecordedFiles().size(), 2u);
  manager.~TFlashManager();
  new (&manager) TFlashManager;
  EXPECT_EQ(folder.Count(), 3u);  // the two movies and the show file
}

TEST_F(FlashShow, PlaysAnLzmaMovieFromItsOwnFile) {
  auto lzma = SoundMovie();
  lzma[0] = 'Z';
  Load(true, {lzma});
  EXPECT_EQ(manager.GetFile(saver, 0), folder.File("m0.swf"));
  EXPECT_TRUE(manager.RecordedFiles().empty());
  EXPECT_EQ(folder.Count(), 2u);
}

TEST_F(FlashShow, ADamagedMovieLeavesNoCopy) {
  Load(true, {SwfBuilder().Tag(19, {1, 2, 3}).Fws()});
  EXPECT_THROW(manager.GetFile(saver, 0), EReadError);
  EXPECT_EQ(folder.Count(), 2u);
}

}  // namespace
