#include "players/swf/PrepareSwf.h"

#include <gtest/gtest.h>

#include "platform/Errors.h"
#include "players/swf/SwfFile.h"
#include "tests/swf/SwfBuilder.h"
#include "tests/swf/TempFolder.h"

namespace {

using Bytes = SwfBuilder::Bytes;

// A movie with every kind of tag the preparation tells apart. Offsets of the tag headers in
// the uncompressed movie are recorded in the fixture.
struct SoundMovie {
  SwfBuilder builder;
  std::size_t streamBlock = 0, defineSound = 0, startSound = 0, sprite = 0, protect = 0;

  SoundMovie() {
    auto mark = [this](std::size_t& at) { at = 8 + builder.Body().size(); };
    builder.Tag(9, {0x33, 0x66, 0x99});  // SetBackgroundColor
    mark(streamBlock);
    builder.Tag(19, Bytes(20, 0xAB));  // SoundStreamBlock, header word 0x04D4
    mark(defineSound);
    builder.Tag(14, Bytes(10, 0xCD), true);  // DefineSound, long form: 0x03BF
    mark(startSound);
    builder.Tag(15, {1, 0, 0});  // StartSound
    mark(sprite);
    Bytes spriteBody{2, 0, 1, 0};  // id 2, one frame
    SwfBuilder::U16(spriteBody, 19 << 6 | 2);
    spriteBody.insert(spriteBody.end(), {7, 7});
    SwfBuilder::U16(spriteBody, 1 << 6);
    SwfBuilder::U16(spriteBody, 0);
    builder.Tag(39, spriteBody);  // DefineSprite holding a SoundStreamBlock
    mark(protect);
    builder.Tag(24, {});  // Protect
    builder.ShowFrame().End();
  }
};

std::uint16_t WordAt(const Bytes& movie, std::size_t pos) {
  return ReadU16(movie, pos);
}

void ExpectSilenced(const SoundMovie& fixture, const Bytes& source, const Bytes& copy) {
  ASSERT_EQ(copy.size(), source.size());
  EXPECT_EQ(WordAt(copy, fixture.streamBlock), 0xFFD4);
  EXPECT_EQ(WordAt(copy, fixture.defineSound), 0xFFFF);
  EXPECT_EQ(ReadU32(copy, fixture.defineSound + 2), 10u);
  EXPECT_EQ(WordAt(copy, fixture.protect), 0xFFC0);
  // Everything else is byte for byte the source: StartSound, the sprite and its sound inside.
  Bytes expected = source;
  for (std::size_t at : {fixture.streamBlock, fixture.defineSound, fixture.protect}) {
    expected[at] = copy[at];
    expected[at + 1] = copy[at + 1];
  }
  EXPECT_EQ(copy, expected);
}

TEST(PrepareSwf, SilencesTopLevelSoundTagsOfAnUncompressedMovie) {
  SoundMovie fixture;
  const Bytes source = fixture.builder.Fws(8);
  ASSERT_EQ(WordAt(source, fixture.streamBlock), 0x04D4);
  ASSERT_EQ(WordAt(source, fixture.defineSound), 0x03BF);
  const auto copy = PreparedSwf(source);
  ASSERT_TRUE(copy);
  ExpectSilenced(fixture, source, *copy);
}

TEST(PrepareSwf, WritesACompressedMovieInflatedAsFws) {
  SoundMovie fixture;
  TempFolder folder;
  const Bytes plain = fixture.builder.Fws(9);
  const std::string source = folder.Write("in.swf", fixture.builder.Cws(9));
  const std::string target = folder.File("out.swf");
  ASSERT_EQ(PrepareSwf(source, target), 0);
  const Bytes copy = TempFolder::Read(target);
  ASSERT_GE(copy.size(), 8u);
  EXPECT_EQ(std::string(copy.begin(), copy.begin() + 3), "FWS");
  EXPECT_EQ(copy[3], 9);
  EXPECT_EQ(ReadU32(copy, 4), plain.size());
  ExpectSilenced(fixture, plain, copy);
}

TEST(PrepareSwf, CutsTheCopyToFileLength) {
  SwfBuilder builder;
  builder.Tag(19, Bytes(4, 1)).ShowFrame().End();
  Bytes source = builder.Fws();
  const std::size_t length = source.size();
  source.insert(source.end(), {0xEE, 0xEE, 0xEE});
  const auto copy = PreparedSwf(source);
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->size(), length);
  EXPECT_EQ(WordAt(*copy, builder.Fws().size() - 10), 0xFFC4);
}

TEST(PrepareSwf, LeavesFilesThatAreNotFwsOrCwsAlone) {
  TempFolder folder;
  Bytes lzma = SwfBuilder().ShowFrame().End().Fws();
  lzma[0] = 'Z';
  for (const Bytes& source :
       {lzma, Bytes{'f', 'w', 's', 1, 0, 0, 0, 0}, Bytes{'G', 'I', 'F'}, Bytes{}}) {
    const std::string target = folder.File("out.swf");
    EXPECT_EQ(PrepareSwf(folder.Write("in.swf", source), target), 1);
    EXPECT_FALSE(std::filesystem::exists(target));
  }
}

TEST(PrepareSwf, RejectsEveryTruncationOfAMovie) {
  SoundMovie fixture;
  const Bytes fws = fixture.builder.Fws();
  const Bytes cws = fixture.builder.Cws();
  for (std::size_t size = 3; size < fws.size(); ++size) {
    Bytes cut(fws.begin(), fws.begin() + std::ptrdiff_t(size));
    EXPECT_THROW(PreparedSwf(cut), EReadError) << "FWS cut to " << size;
    if (size < 8) continue;
    WriteU32(cut, 4, std::uint32_t(size));  // a FileLength that fits, and still no End tag
    EXPECT_THROW(PreparedSwf(cut), EReadError) << "FWS cut to " << size << ", FileLength too";
  }
  // A compressed movie cut only in its trailing checksum still yields its whole body.
  const auto whole = PreparedSwf(cws);
  for (std::size_t size = 3; size < cws.size(); ++size) {
    const Bytes cut(cws.begin(), cws.begin() + std::ptrdiff_t(size));
    try {
      EXPECT_EQ(PreparedSwf(cut), whole) << "CWS cut to " << size;
    } catch (const EReadError&) {
    } catch (const EZDecompressionError&) {
    }
  }
}

TEST(PrepareSwf, RejectsDamagedMovies) {
  struct Case {
    const char* what;
    Bytes movie;
  };
  Bytes overrun = SwfBuilder().Raw({0x3F, 0x02, 0xFF, 0xFF, 0xFF, 0x7F}).End().Fws();
  Bytes noEnd = SwfBuilder().ShowFrame().ShowFrame().Fws();
  Bytes longFileLength = SwfBuilder().ShowFrame().End().Fws(10, 4096);
  Bytes shortInflate = SwfBuilder().ShowFrame().End().Cws(10, 4096);
  Bytes tinyFileLength = SwfBuilder().ShowFrame().End().Cws(10, 4);
  const Case cases[] = {{"tag longer than the movie", overrun},
                        {"no End tag", noEnd},
                        {"FileLength beyond the data", longFileLength},
                        {"body inflates short", shortInflate},
                        {"FileLength below the header", tinyFileLength}};
  for (const auto& [what, movie] : cases) EXPECT_THROW(PreparedSwf(movie), EReadError) << what;

  Bytes garbage = SwfBuilder().ShowFrame().End().Cws();
  for (std::size_t i = 10; i < garbage.size(); ++i) garbage[i] ^= 0x5A;
  EXPECT_THROW(PreparedSwf(garbage), EZDecompressionError);
  Bytes huge = SwfBuilder().ShowFrame().End().Cws(10, long(kMaxSwfLength) + 1);
  EXPECT_THROW(PreparedSwf(huge), EZDecompressionError);
}

TEST(PrepareSwf, ReportsFilesItCannotReadOrWrite) {
  TempFolder folder;
  EXPECT_THROW(PrepareSwf(folder.File("missing.swf"), folder.File("out.swf")), EFOpenError);
  const std::string source = folder.Write("in.swf", SwfBuilder().ShowFrame().End().Fws());
  EXPECT_THROW(PrepareSwf(source, folder.File("no/such/folder/out.swf")), EFCreateError);
  EXPECT_EQ(folder.Count(), 1u);
}

}  // namespace
