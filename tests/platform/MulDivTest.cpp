#include "platform/MulDiv.h"

#include <gtest/gtest.h>

#include <climits>

struct MulDivCase {
  std::int32_t a, b, c, expected;
};

TEST(MulDiv, RoundsToNearestWithHalvesAwayFromZero) {
  const MulDivCase cases[] = {
      {640, 37, 100, 237},       // 236.8
      {237, 480, 640, 178},      // 177.75
      {150, 100, 300, 50},       // exact
      {40, 1, 100, 0},           // 0.4
      {1, 1, 2, 1},              // 0.5 rounds up
      {3, 1, 2, 2},              // 1.5
      {-1, 1, 2, -1},            // -0.5 rounds away from zero
      {1, -3, 2, -2},            // -1.5
      {-3, -1, 2, 2},            // both negative
      {5, 1, -2, -3},            // negative divisor
      {7, 1, 3, 2},              // 2.33
      {8, 1, 3, 3},              // 2.67
      {0, 12345, 7, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

TEST(MulDiv, UsesAWideProduct) {
  EXPECT_EQ(MulDiv(3840 * 2160, 99, 100), 8211456);
  EXPECT_EQ(MulDiv(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
  EXPECT_EQ(MulDiv(INT_MIN, INT_MIN, INT_MIN), INT_MIN);
  EXPECT_EQ(MulDiv(INT_MIN, 1, 1), INT_MIN);
}

TEST(MulDiv, FailsWithMinusOne) {
  EXPECT_EQ(MulDiv(5, 5, 0), -1);
  EXPECT_EQ(MulDiv(INT_MAX, 2, 1), -1);   // does not fit
  EXPECT_EQ(MulDiv(INT_MIN, -1, 1), -1);  // 2^31 does not fit
}
