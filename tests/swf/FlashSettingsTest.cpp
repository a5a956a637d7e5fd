#include "players/swf/FlashSettings.h"

#include <gtest/gtest.h>

TEST(FlashSettings, BackgroundColorPutsRedHighAndBlueLow) {
  EXPECT_EQ(FlashBackgroundColor(0x336699), 0x02996633);
  EXPECT_EQ(FlashBackgroundColor(0x000000), 0x02000000);
  EXPECT_EQ(FlashBackgroundColor(0xFFFFFF), 0x02FFFFFF);
  EXPECT_EQ(FlashBackgroundColor(0x0000FF), 0x02FF0000);  // pure red
  EXPECT_EQ(FlashBackgroundColor(0xAB0000FF), 0x02FF0000);  // the fourth byte is not a colour
}

TEST(FlashSettings, ScaleModeFollowsTheFitMode) {
  EXPECT_EQ(FlashScaleMode(0), 2);
  EXPECT_EQ(FlashScaleMode(1), 0);
  EXPECT_EQ(FlashScaleMode(2), 2);
  EXPECT_EQ(FlashScaleMode(3), std::nullopt);
  EXPECT_EQ(FlashScaleMode(255), std::nullopt);
}
