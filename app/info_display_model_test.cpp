#include "app/info_display_model.h"

#include <gtest/gtest.h>

#include "imaging/picture_testing.h"

namespace {

TEST(InfoDisplayModelTest, RowsArePairsWithBothTextsEachOnOneLine) {
  CInfoDisplayModel model({{"ID", "000001"},
                           {"Description", ""},
                           {"", "a value without a label"},
                           {"Where", "Troms\xF8"},  // Windows-1252, from an old index
                           {"Description", "Forum\r\nat dusk"},
                           {"Film", "K-42\tcolour\n"}},
                          "");
  EXPECT_TRUE(model.Rows().empty());  // until opened
  model.Open();
  EXPECT_EQ(model.Rows(), (std::vector<CInfoPair>{{"ID", "000001"},
                                                  {"Where", "Troms\xC3\xB8"},
                                                  {"Description", "Forum at dusk"},
                                                  {"Film", "K-42 colour "}}));
  EXPECT_EQ(model.Title(), "Picture information");
}

TEST(InfoDisplayModelTest, CopyTextHasOneLabelTabValueLinePerChosenRow) {
  CInfoDisplayModel model({{"ID", "000001"}, {"When", "2004"}, {"Where", "Rome"}}, "");
  model.Open();
  EXPECT_EQ(model.CopyText({0, 2}), "ID\t000001\nWhere\tRome\n");
  EXPECT_EQ(model.CopyText({2, 7}), "Where\tRome\n");
  EXPECT_EQ(model.CopyText({}), "");
}

TEST(InfoDisplayModelTest, TenRowsOfFourteenPixels) {
  const CInfoDisplayLayout fourteen;
  EXPECT_EQ(fourteen.ListHeight(10), 14 * 10 + 38);
  EXPECT_EQ(fourteen.DialogHeight(10), 14 * 10 + 110);
}

}  // namespace
