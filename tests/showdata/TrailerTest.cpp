#include "showdata/PlayerTrailer.h"

#include <gtest/gtest.h>

#include "platform/Errors.h"
#include "showdata/ShowFormat.h"
#include "showdata/ShowWriter.h"
#include "TempDir.h"

TEST(PlayerTrailer, ReadsTheShowPathFromTheLastBytes) {
  TempDir dir;
  std::vector<std::uint8_t> player(5000, 0x7F);
  const auto trailer = EncodeTrailer("/shows/demo.dat");
  player.insert(player.end(), trailer.begin(), trailer.end());
  EXPECT_EQ(ReadPlayerTrailer(dir.Write("player", player)).ShowPath, "/shows/demo.dat");
}

TEST(PlayerTrailer, UsesAFullLengthPathWhole) {
  TempDir dir;
  const std::string longest(show_format::kShowPathSize, 'p');
  std::vector<std::uint8_t> trailer = EncodeTrailer(longest);
  std::fill(trailer.begin() + show_format::kShowPathSize, trailer.end(), 'z');
  EXPECT_EQ(ReadPlayerTrailer(dir.Write("player", trailer)).ShowPath, longest);
  EXPECT_THROW(EncodeTrailer(longest + "p"), ERangeError);
}

TEST(PlayerTrailer, WithoutATrailerNamesNoShow) {
  TempDir dir;
  EXPECT_EQ(ReadPlayerTrailer(dir.Write("tiny", {1, 2, 3})).ShowPath, "");
  std::vector<std::uint8_t> noTrailer(4000, 0);
  EXPECT_EQ(ReadPlayerTrailer(dir.Write("plain", noTrailer)).ShowPath, "");
  EXPECT_THROW(ReadPlayerTrailer((dir.Path() / "missing").string()), EFOpenError);
}
