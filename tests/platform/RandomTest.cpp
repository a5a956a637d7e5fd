#include "platform/Random.h"

#include <gtest/gtest.h>

#include <vector>

TEST(Random, FollowsTheGeneratorArithmetic) {
  SetRandSeed(12345);
  std::vector<std::int32_t> drawn;
  for (int i = 0; i < 5; ++i) drawn.push_back(Random(1000));
  EXPECT_EQ(drawn, (std::vector<std::int32_t>{385, 289, 79, 553, 633}));
  SetRandSeed(0xFFFFFFFFu);
  EXPECT_EQ(Random(0x7FFFFFFF), 2080095741);
  EXPECT_EQ(RandSeed(), 4160191484u);
}

TEST(Random, PrivateInstanceMatchesTheSharedOne) {
  SetRandSeed(987654321u);
  RandomGenerator own(987654321u);
  for (int n : {1, 2, 7, 100, 1920, 65536, 0x7FFFFFFF}) {
    const auto value = Random(n);
    EXPECT_EQ(own.Random(n), value);
    EXPECT_GE(value, 0);
    EXPECT_LT(value, n);
  }
  EXPECT_EQ(own.Seed(), RandSeed());
}

TEST(Random, RandomizeChangesTheSeed) {
  SetRandSeed(1);
  Randomize();
  const auto first = RandSeed();
  Randomize();
  EXPECT_NE(first, 1u);
  EXPECT_NE(RandSeed(), first);
}
