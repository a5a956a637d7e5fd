#include "players/swf/SwfFrameReports.h"

#include <gtest/gtest.h>

#include <cstring>

#include "players/swf/SwfFile.h"
#include "tests/swf/SwfBuilder.h"

namespace {

// The fscommand targets of the DoAction tags in front of each ShowFrame, in order, and the
// codes of all top-level tags.
struct Walk {
  std::vector<std::string> reports;
  std::vector<std::uint16_t> codes;
};

Walk WalkTags(const std::vector<std::uint8_t>& movie) {
  Walk walk;
  for (std::size_t pos = FirstTagOffset(movie);;) {
    const SwfTag tag = ReadTag(movie, pos);
    walk.codes.push_back(tag.code);
    if (tag.code == kTagDoAction) {
      const char* url = reinterpret_cast<const char*>(&movie[tag.body + 3]);
      EXPECT_STREQ(url, "FSCommand:frame");
      walk.reports.emplace_back(url + std::strlen(url) + 1);
      EXPECT_EQ(movie[tag.End() - 1], 0);  // the action list's end
    }
    if (tag.code == kTagEnd) return walk;
    pos = tag.End();
  }
}

TEST(SwfFrameReports, ReportsEveryFrameOfTheMainTimeline) {
  SwfBuilder builder;
  builder.Frames(3, 12).Tag(9, {0, 0, 0}).ShowFrame();
  builder.Tag(39, {2, 0, 1, 0, 0x40, 0, 0, 0}).ShowFrame();  // a sprite's own frame is not ours
  builder.ShowFrame().End();
  for (const auto& source : {builder.Fws(), builder.Cws()}) {
    const FrameReportedSwf copy = WithFrameReports(source);
    ASSERT_TRUE(copy.reportsFrames);
    EXPECT_EQ(copy.data[0], 'F');
    EXPECT_EQ(ReadU32(copy.data, 4), copy.data.size());
    const Walk walk = WalkTags(copy.data);
    EXPECT_EQ(walk.reports, (std::vector<std::string>{"0", "1", "2"}));
    EXPECT_EQ(walk.codes, (std::vector<std::uint16_t>{9, 12, 1, 39, 12, 1, 12, 1, 0}));
  }
}

TEST(SwfFrameReports, LeavesMoviesItCannotInstrumentUnchanged) {
  SwfBuilder as3;
  as3.Tag(kTagFileAttributes, {0x08, 0, 0, 0}).ShowFrame().End();
  auto lzma = SwfBuilder().ShowFrame().End().Fws();
  lzma[0] = 'Z';
  for (const auto& source : {as3.Fws(), lzma}) {
    const FrameReportedSwf copy = WithFrameReports(source);
    EXPECT_FALSE(copy.reportsFrames);
    EXPECT_EQ(copy.data, source);
  }
}

}  // namespace
