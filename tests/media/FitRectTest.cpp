#include "players/FitRect.h"

#include <gtest/gtest.h>

namespace {

TEST(FitRect, LargestRectangleOfTheSourceProportionsCentred) {
  struct Case {
    Rect source, bounds, expected;
  };
  const Rect screen{0, 0, 1024, 768};
  const Case cases[] = {
      {{0, 0, 320, 240}, screen, {0, 0, 1024, 768}},         // same proportions, enlarged
      {{0, 0, 640, 360}, screen, {0, 96, 1024, 672}},        // wide: bars above and below
      {{0, 0, 240, 320}, screen, {224, 0, 800, 768}},        // tall: bars left and right
      {{0, 0, 100, 33}, screen, {0, 215, 1024, 552}},        // 337.92 high: both sides truncated
      {{0, 0, 3840, 2160}, screen, {0, 96, 1024, 672}},      // reduced as well
      {{10, 20, 330, 260}, screen, {0, 0, 1024, 768}},       // only the source's size counts
      {{0, 0, 1, 1000}, {0, 0, 1000, 1}, {499, 0, 499, 1}},  // a sliver
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FitRect(c.source, c.bounds), c.expected)
        << c.source.Width() << "x" << c.source.Height() << " in " << c.bounds.Width() << "x"
        << c.bounds.Height();
  }
}

TEST(FitRect, NoAreaGivesTheEmptyRectangle) {
  const Rect screen{0, 0, 1024, 768};
  for (const auto& [source, bounds] :
       {std::pair{Rect{}, screen}, std::pair{Rect{0, 0, 320, 0}, screen},
        std::pair{Rect{0, 0, 320, 240}, Rect{}}, std::pair{Rect{0, 0, -5, 240}, screen}})
    EXPECT_EQ(FitRect(source, bounds), Rect{});
}

}  // namespace
