#include "showdata/SaverBase.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "platform/Errors.h"
#include "showdata/ShowWriter.h"
#include "TempDir.h"

namespace {

ShowSpec TwoPictureShow() {
  ShowSpec show;
  show.previewText = "Holiday";
  show.randomOrder = true;
  show.fitMode = 1;
  show.showSeconds = 7;
  show.exitOnKey = false;
  show.closeButton = true;
  show.shutdownEnabled = true;
  show.shutdownMinutes = 90;
  show.backColor = 0x00996633;
  show.effectGroups[0] = true;
  show.effectGroups[29] = true;
  show.items = {{ikPicture, "C:\\Pics\\", "a.jpg", ".jpg"}, {ikPicture, "", "b.bmp", ".bmp"}};
  show.music = {{"C:\\Music\\", "song.mp3"}};
  return show;
}

// Loads bytes as a show; the stream form reads exactly what a file would.
bool Load(TSaverBase& saver, const std::vector<std::uint8_t>& bytes) {
  std::istringstream stream(std::string(bytes.begin(), bytes.end()));
  return saver.LoadShow(stream, bytes.size());
}

void ExpectStreamReadError(const std::vector<std::uint8_t>& bytes) {
  TSaverBase saver;
  try {
    Load(saver, bytes);
    ADD_FAILURE() << "loaded " << bytes.size() << " bytes";
  } catch (const Exception& error) {
    EXPECT_STREQ(error.ClassName(), "EReadError");
    EXPECT_EQ(error.Message(), "Stream read error");
  }
}

void PutU32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + static_cast<std::size_t>(i)] = (value >> (8 * i)) & 0xFF;
}

}  // namespace

TEST(SaverBase, RoundTripsEveryHeaderField) {
  TSaverBase saver;
  ASSERT_TRUE(Load(saver, EncodeShow(TwoPictureShow())));
  EXPECT_EQ(saver.ShowKind(), ikPicture);
  EXPECT_EQ(saver.PreviewText(), "Holiday");
  EXPECT_TRUE(saver.RandomOrder());
  EXPECT_FALSE(saver.RandomMusic());
  EXPECT_EQ(saver.FitMode(), 1);
  EXPECT_EQ(saver.ShowSeconds(), 7u);
  EXPECT_TRUE(saver.ExitOnMouseMove());
  EXPECT_TRUE(saver.ExitOnClick());
  EXPECT_FALSE(saver.ExitOnKey());
  EXPECT_TRUE(saver.CloseButton());
  EXPECT_TRUE(saver.ShutdownEnabled());
  EXPECT_EQ(saver.ShutdownMinutes(), 90);
  EXPECT_EQ(saver.BackColor(), 0x00996633u);
  EXPECT_FALSE(saver.MuteFlash());
  EXPECT_EQ(saver.ItemCount(), 2);
  EXPECT_EQ(saver.MusicCount(), 1);
  EXPECT_TRUE(saver.EffectGroupOn(0));
  EXPECT_FALSE(saver.EffectGroupOn(1));
  EXPECT_TRUE(saver.EffectGroupOn(29));
  EXPECT_EQ(saver.ItemKind(1), ikPicture);
  EXPECT_EQ(saver.ItemExtension(0), ".jpg");
  EXPECT_EQ(saver.MusicFileName(0), "song.mp3");
}

TEST(SaverBase, ChecksTheSignature) {
  struct Case {
    const char signature[5];
    bool loads;
  };
  const Case cases[] = {{{'K', 'R', 'V', 0, 0}, true},
                        {{'K', 'R', 'V', 'X', 0}, false},
                        {{'k', 'r', 'v', 0, 0}, false},
                        {{'K', 'R', 'V', 'X', 'Y'}, false},
                        {{0, 0, 0, 0, 0}, false}};
  for (const auto& c : cases) {
    auto bytes = EncodeShow(ShowSpec{});
    std::memcpy(bytes.data(), c.signature, 5);
    TSaverBase saver;
    EXPECT_EQ(Load(saver, bytes), c.loads) << std::string(c.signature, 5);
  }
}

TEST(SaverBase, LoadsEmptyTablesAndIgnoresTrailingBytes) {
  auto bytes = EncodeShow(ShowSpec{});
  bytes.resize(bytes.size() + 100, 0xAB);
  TSaverBase saver;
  ASSERT_TRUE(Load(saver, bytes));
  EXPECT_EQ(saver.ItemCount(), 0);
  EXPECT_EQ(saver.MusicCount(), 0);
}

TEST(SaverBase, EveryTruncationFailsWithStreamReadError) {
  const auto whole = EncodeShow(TwoPictureShow());
  for (std::size_t length = 0; length < whole.size(); ++length)
    ExpectStreamReadError({whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length)});
}

TEST(SaverBase, RejectsImpossibleCountsBeforeAllocating) {
  for (const std::uint32_t count : {0x7FFFFFFFu, 0xFFFFFFFFu, 0x80000000u, 2u}) {
    for (const std::size_t offset : {show_format::kItemCount.offset, show_format::kMusicCount.offset}) {
      auto bytes = EncodeShow(ShowSpec{});
      PutU32(bytes, offset, count);
      ExpectStreamReadError(bytes);
    }
  }
}

TEST(SaverBase, ResolvesRelativeAbsoluteAndWebsitePaths) {
  auto show = TwoPictureShow();
  TSaverBase relative;
  ASSERT_TRUE(Load(relative, EncodeShow(show)));
  relative.SetDataDir("D:\\Shows\\");
  EXPECT_EQ(relative.ItemPath(0), "D:/Shows/a.jpg");
  EXPECT_EQ(relative.MusicPath(0), "D:/Shows/song.mp3");

  TSaverBase noFolder;
  ASSERT_TRUE(Load(noFolder, EncodeShow(show)));
  EXPECT_EQ(noFolder.ItemPath(1), "/b.bmp");

  show.absolutePaths = true;
  TSaverBase absolute;
  ASSERT_TRUE(Load(absolute, EncodeShow(show)));
  absolute.SetDataDir("D:\\Shows\\");
  EXPECT_EQ(absolute.ItemPath(0), "C:/Pics/a.jpg");
  EXPECT_EQ(absolute.MusicPath(0), "C:/Music/song.mp3");

  show.showKind = ikWebsite;
  show.items = {{ikWebsite, "C:\\Ignored\\", "http://example.test/a\\b?x=1", ""}};
  TSaverBase website;
  ASSERT_TRUE(Load(website, EncodeShow(show)));
  EXPECT_EQ(website.ItemPath(0), "http://example.test/a\\b?x=1");
}

TEST(SaverBase, OpenReturnsTheFolderAndFindsFilesWhateverTheirCase) {
  TempDir dir;
  auto show = TwoPictureShow();
  show.items = {{ikPicture, "", "Photos\\Beach.JPG", ".JPG"}};
  const std::string showFile = dir.Write("Shows/demo.dat", EncodeShow(show));
  dir.Write("Shows/photos/beach.jpg", {1, 2, 3});

  TSaverBase saver;
  std::string folder;
  const std::string windowsStyle = dir.Path().string() + "\\SHOWS\\Demo.dat";
  ASSERT_TRUE(saver.Open(windowsStyle, folder));
  EXPECT_EQ(folder, dir.Path().string() + "\\SHOWS\\");
  saver.SetDataDir(folder);
  EXPECT_EQ(saver.ItemPath(0), (dir.Path() / "Shows/photos/beach.jpg").string());
}

TEST(SaverBase, MissingFileIsNotAnError) {
  TSaverBase saver;
  std::string folder;
  EXPECT_FALSE(saver.Open("/nonexistent/folder/show.dat", folder));
  EXPECT_EQ(folder, "/nonexistent/folder/");
  EXPECT_FALSE(saver.LoadShow(""));
}

TEST(SaverBase, ReadsWindowsTextAsWindows1252) {
  auto bytes = EncodeShow(TwoPictureShow());
  const std::size_t name = show_format::kHeaderSize + show_format::kItemFileName.offset;
  const std::uint8_t cafe[] = {'c', 'a', 'f', 0xE9, 0x80, '.', 'j', 'p', 'g', 0};
  std::memcpy(bytes.data() + name, cafe, sizeof cafe);
  TSaverBase saver;
  ASSERT_TRUE(Load(saver, bytes));
  EXPECT_EQ(saver.ItemFileName(0), "caf\xC3\xA9\xE2\x82\xAC.jpg");
}
