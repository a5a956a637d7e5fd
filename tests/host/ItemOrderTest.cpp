#include <gtest/gtest.h>

#include "host/IdleShutdown.h"
#include "host/ItemOrder.h"

namespace {

TEST(ItemOrder, InOrderWrapsToTheFirstItem) {
  std::vector<int> picks;
  std::int32_t current = -1;
  for (int i = 0; i < 7; ++i) picks.push_back(current = NextItemInOrder(current, 3));
  EXPECT_EQ(picks, (std::vector<int>{0, 1, 2, 0, 1, 2, 0}));
  EXPECT_EQ(NextItemInOrder(-1, 1), 0);
  EXPECT_EQ(NextItemInOrder(0, 1), 0);
}

TEST(ItemOrder, RandomWithTwoItemsAlternatesWhateverTheDraws) {
  for (const auto& draws : std::vector<std::vector<int>>{
           {0, 0, 0, 0}, {1, 1, 1, 1}, {0, 1, 0, 1}, {1, 0, 1, 0}, {0, 0, 1, 1}}) {
    std::int32_t prevRandom = 0;
    std::vector<int> picks;
    for (int draw : draws) picks.push_back(NextItemAtRandom(draw, prevRandom, 2));
    EXPECT_EQ(picks, (std::vector<int>{1, 0, 1, 0}));
    EXPECT_EQ(prevRandom, 0);
  }
}

TEST(ItemOrder, RandomWithOneItemIsAlwaysTheFirst) {
  std::int32_t prevRandom = 0;
  for (int i = 0; i < 3; ++i) EXPECT_EQ(NextItemAtRandom(0, prevRandom, 1), 0);
}

TEST(ItemOrder, RandomNeverRepeatsAndFavoursTheItemAfterThePrevious) {
  for (std::int32_t previous = 0; previous < 4; ++previous) {
    std::vector<int> hits(4, 0);
    for (std::int32_t draw = 0; draw < 4; ++draw) {
      std::int32_t prevRandom = previous;
      const std::int32_t pick = NextItemAtRandom(draw, prevRandom, 4);
      EXPECT_NE(pick, previous);
      EXPECT_EQ(prevRandom, pick);
      ++hits[static_cast<std::size_t>(pick)];
    }
    EXPECT_EQ(hits[static_cast<std::size_t>((previous + 1) % 4)], 2);
  }
}

struct DueCase {
  const char* name;
  bool isPreview;
  bool enabled;
  std::uint16_t minutes;
  std::uint32_t startTick;
  std::uint32_t now;
  bool due;
};

TEST(IdleShutdown, DueOnlyAfterStrictlyMoreThanTheMinutes) {
  const std::vector<DueCase> cases{
      {"exactly the minutes", false, true, 5, 1000, 1000 + 300000, false},
      {"one millisecond more", false, true, 5, 1000, 1000 + 300001, true},
      {"minutes 0, tick unchanged", false, true, 0, 77, 77, false},
      {"minutes 0, tick moved on", false, true, 0, 77, 78, true},
      {"across the counter's wrap, exactly", false, true, 1, 0xFFFFFF00u, 60000u - 0x100u, false},
      {"across the counter's wrap, due", false, true, 1, 0xFFFFFF00u, 60001u - 0x100u, true},
      {"largest setting, exactly", false, true, 65535, 0, 65535u * 60000u, false},
      {"largest setting, due", false, true, 65535, 0, 65535u * 60000u + 1, true},
      {"preview is never due", true, true, 0, 0, 1000000, false},
      {"disabled is never due", false, false, 0, 0, 1000000, false},
  };
  for (const DueCase& c : cases)
    EXPECT_EQ(IdleShutdownDue(c.isPreview, c.enabled, c.minutes, c.startTick, c.now), c.due)
        << c.name;
}

}  // namespace
