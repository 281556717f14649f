#include "ui/window_placement.h"

#include <gtest/gtest.h>

TEST(WindowPlacementTest, AMaximisedWindowKeepsItsNormalRectangle) {
  CWindowPlacement placement;
  placement.show_command = kShowMaximised;
  placement.normal = {120, 80, 1020, 780};
  const std::string text = FormatWindowPlacement(placement);
  EXPECT_EQ(text, "0 3 -1 -1 -1 -1 120 80 1020 780");
  EXPECT_EQ(ParseWindowPlacement(text), placement);
}

TEST(WindowPlacementTest, OnlyTenReadableNumbersArePlacement) {
  EXPECT_FALSE(ParseWindowPlacement(""));
  EXPECT_FALSE(ParseWindowPlacement("0 1 -1 -1 -1 -1 120 80 1020"));  // nine numbers
  EXPECT_FALSE(ParseWindowPlacement("0 1 -1 -1 -1 -1 120 80 wide 780"));
  EXPECT_FALSE(ParseWindowPlacement("0 1 -1 -1 -1 -1 120 80 99999999999 780"));
  auto placement = ParseWindowPlacement("  2 1 -32000 -32000 -1 -1 -8 -8 1288 1008 and more");
  ASSERT_TRUE(placement);
  EXPECT_EQ(placement->flags, 2u);
  EXPECT_EQ(placement->min_x, -32000);
  EXPECT_EQ(placement->normal, (CRect{-8, -8, 1288, 1008}));
}
