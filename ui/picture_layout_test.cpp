#include "ui/picture_layout.h"

#include <gtest/gtest.h>

namespace {

// A font of 7-pixel characters and 14-pixel lines that never needs to wrap.
CTextExtent FixedFont(const std::string& text, int) {
  int lines = 1, longest = 0, current = 0;
  for (char c : text) {
    if (c == '\n') {
      ++lines;
      current = 0;
    } else {
      longest = std::max(longest, ++current);
    }
  }
  return {longest * 7, lines * 14};
}

}  // namespace

TEST(PictureLayoutTest, CaptionLinesSkipEmptyFieldsAndKeepFourteen) {
  EXPECT_EQ(CaptionText({"000001", "", "Rome", "At the forum"}), "000001\nRome\nAt the forum");
  EXPECT_EQ(CaptionText({"", "", "Rome"}), "Rome");
  EXPECT_EQ(CaptionText({"A"}), ".");
  EXPECT_EQ(CaptionText({}), ".");
  std::vector<std::string> many(20, "x1");
  EXPECT_EQ(CaptionText(many).size(), 14 * 2 + 13u);
}

TEST(PictureLayoutTest, ASmallPictureIsNotEnlargedAndSitsAboveItsCaption) {
  const CRect area = PictureArea(284, true, 1284, 801);
  EXPECT_EQ(area, (CRect{287, 1, 1283, 800}));
  auto layout = PlacePicture(area, 320, 240, "000001\nRome", FixedFont);
  EXPECT_EQ(layout.scale, 1.0);
  EXPECT_EQ(layout.picture.Width(), 320);
  EXPECT_EQ(layout.picture.Height(), 240);
  EXPECT_FALSE(layout.caption_at_right);
  EXPECT_EQ(layout.caption.bottom, area.bottom - 4);
  EXPECT_LT(layout.picture.bottom, layout.caption.top);
  EXPECT_EQ(layout.caption_box, layout.caption.Inflated(3));
}

TEST(PictureLayoutTest, APanoramaInAWideAreaGetsItsCaptionAtTheRight) {
  const CRect area{3, 1, 2403, 601};
  auto layout = PlacePicture(area, 3000, 1000, "000002\nThe bay", FixedFont);
  EXPECT_LT(layout.scale, 0.99);
  EXPECT_TRUE(layout.caption_at_right);
  EXPECT_GT(layout.caption.left, layout.picture.right);
}

TEST(PictureLayoutTest, ATallPictureIsCutToLeaveRoomForTheCaption) {
  const CRect area{3, 1, 803, 601};
  auto layout = PlacePicture(area, 600, 600, "000003\nA\nB\nC", FixedFont);
  EXPECT_LE(layout.picture.bottom, layout.caption.top);
  EXPECT_EQ(layout.picture.Width(), layout.picture.Height());  // both edges move in together
}

TEST(PictureLayoutTest, HidingTheStripStartsTheAreaAtTheLeftEdge) {
  EXPECT_EQ(PictureArea(284, false, 800, 600).left, 3);
}
