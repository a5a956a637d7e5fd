#include "effects/EffectTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(EffectTableTest, HoldsTheCataloguedNamesInStyleOrder) {
  EXPECT_STREQ(EffectTable[0].Name, "Expand from right");
  EXPECT_STREQ(EffectTable[50].Name, "Appear and Contract to middle");
  EXPECT_STREQ(EffectTable[75].Name, "Unven shred from bottom");
  EXPECT_STREQ(EffectTable[133].Name, "Push and sqeeze down");
  EXPECT_STREQ(EffectTable[144].Name, "Rectangles apear from left and disapear to right");
  EXPECT_STREQ(EffectTable[170].Name, "Random Bars Vertical");
  // Two names are repeated, and only those two.
  std::set<std::string> names;
  for (const TEffectEntry& entry : EffectTable) names.insert(entry.Name);
  EXPECT_EQ(names.size(), 169u);
  EXPECT_EQ(StyleName(33), "Expand from bottom");
  EXPECT_EQ(StyleName(34), "Expand in from top");
}

TEST(EffectTableTest, NamesOfStyleNumbers) {
  EXPECT_EQ(StyleName(0), "Custom");
  EXPECT_EQ(StyleName(18), "Expand from bottom");
  EXPECT_EQ(StyleName(172), "");
  EXPECT_EQ(StyleName(-1), "");
  EXPECT_EQ(FindEffect(0), nullptr);
  EXPECT_EQ(FindEffect(172), nullptr);
  EXPECT_EQ(FindEffect(171), &EffectTable[170]);
}

TEST(EffectTableTest, LookupByNameIgnoresCaseAndTakesTheFirstMatch) {
  EXPECT_EQ(StyleByName("Expand from bottom"), 18);
  EXPECT_EQ(StyleByName("eXPAND FROM BOTTOM"), 18);
  EXPECT_EQ(StyleByName("expand in from top"), 25);
  EXPECT_EQ(StyleByName("custom"), 0);
  EXPECT_EQ(StyleByName("CUSTOM"), 0);
  EXPECT_EQ(StyleByName("Random Bars Vertical"), 171);
  EXPECT_EQ(StyleByName("Expand from bottom "), std::nullopt);
  EXPECT_EQ(StyleByName("No such effect"), std::nullopt);
  EXPECT_EQ(StyleByName(""), std::nullopt);
}

TEST(EffectTableTest, TheFirstFiftyNineStylesAndTheCustomStyleAreDrawn) {
  for (int style = 0; style <= 59; ++style) EXPECT_TRUE(IsStyleDrawn(style)) << style;
  EXPECT_FALSE(IsStyleDrawn(172));
  EXPECT_FALSE(IsStyleDrawn(-5));
}

}  // namespace
