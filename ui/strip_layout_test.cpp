#include "ui/strip_layout.h"

#include <gtest/gtest.h>

TEST(StripLayoutTest, WidthAndColumnsPerViewMode) {
  const int expected_width[] = {150, 152, 284, 416, 548};
  const int expected_columns[] = {1, 2, 4, 6, 8};
  for (int mode = 1; mode <= 5; ++mode) {
    EXPECT_EQ(StripWidth(mode, 60, 150), expected_width[mode - 1]) << mode;
    EXPECT_EQ(StripColumns(mode), expected_columns[mode - 1]) << mode;
  }
  EXPECT_EQ(StripColumns(9), 4);  // an unknown mode from the settings file falls back to 3
  EXPECT_EQ(StripRowHeight(1, 60), 70);
  EXPECT_EQ(StripRowHeight(5, 60), 80);
  EXPECT_EQ(NavigationRows(405, 60), 5);
}

TEST(StripLayoutTest, PageCellsFillRowsOfTheModesColumns) {
  for (int mode = 2; mode <= 5; ++mode) {
    CStripGeometry geometry{mode, 60, StripWidth(mode, 60, 150), 700};
    auto cells = StripCells(geometry, 1000, 1);
    const int columns = StripColumns(mode);
    ASSERT_GT(cells.size(), size_t(columns)) << mode;
    EXPECT_EQ(cells[columns - 1].row_y, cells[0].row_y) << mode;
    EXPECT_EQ(cells[columns].row_y, cells[0].row_y + 80) << mode;
    EXPECT_EQ(cells[columns].rect.left, 3) << mode;
    EXPECT_LE(cells[columns - 1].rect.right, geometry.strip_width - 10) << mode;
  }
  CStripGeometry mode3{3, 60, 284, 700};
  auto cells = StripCells(mode3, 1000, 1);
  EXPECT_EQ(cells[0].rect, (CRect{3, 3, 66, 66}));
  EXPECT_EQ(cells[1].rect, (CRect{69, 3, 132, 66}));
  // rows = 700 / 80 + 1 = 9 rows of 4
  EXPECT_EQ(cells.size(), 36u);
}

TEST(StripLayoutTest, AShortListPaintsOnlyWhatRemains) {
  CStripGeometry mode3{3, 60, 284, 700};
  auto cells = StripCells(mode3, 3, 2);
  ASSERT_EQ(cells.size(), 2u);
  EXPECT_EQ(cells[0].entry, 1);
  EXPECT_EQ(cells[1].entry, 2);
  EXPECT_TRUE(StripCells(mode3, 0, 1).empty());

  CStripGeometry mode1{1, 60, 150, 700};
  auto list = StripCells(mode1, 5, 1);
  ASSERT_EQ(list.size(), 5u);
  EXPECT_EQ(list[1].row_y, list[0].row_y + 70);  // one cell a row
}

TEST(StripLayoutTest, ScrollingSteps) {
  struct Case {
    int first, step, count, rows, columns, expected;
  };
  const Case cases[] = {
      {50, -3, 100, 5, 4, 1},   // home
      {50, 3, 100, 5, 4, 81},   // end: 100 - 20 + 1
      {1, 3, 10, 5, 4, 1},      // end of a list shorter than a page
      {1, -1, 100, 5, 4, 1},    // line up at the top stays
      {9, 1, 100, 5, 4, 13},    // line down moves a row
      {99, 1, 100, 5, 4, 100},  // clamped to the count
      {30, -2, 100, 5, 4, 10},  // page up
      {90, 2, 100, 5, 4, 100},  // page down clamped
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScrolledFirstVisible(c.first, c.step, c.count, c.rows, c.columns), c.expected)
        << c.first << " step " << c.step;
  }
}

TEST(StripLayoutTest, HoverTipAndScrollBar) {
  CStripGeometry geometry{3, 60, 284, 400};
  EXPECT_EQ(HoverTipRect(geometry, CRect{3, 83, 66, 146}, 8), (CRect{1, 148, 274, 178}));
  EXPECT_EQ(HoverTipRect(geometry, CRect{3, 363, 66, 426}, 8).bottom, 400);  // kept in view

  auto bar = StripScrollBar(geometry, 120, 9);
  EXPECT_EQ(bar.rect, (CRect{274, 1, 284, 401}));
  EXPECT_EQ(bar.range_max, 120);
  EXPECT_EQ(bar.page, 400 / 70);
  EXPECT_EQ(bar.position, 9);
}

TEST(StripLayoutTest, ThumbnailsFillTheirBoxAndTheTipStaysInTheStrip) {
  CStripCell cell;
  cell.row_y = 84;
  cell.rect = {69, 83, 132, 146};
  // A landscape thumbnail of half size is drawn 60 wide, centred vertically.
  EXPECT_EQ(ThumbnailRect(cell, 60, 30, 20), (CRect{70, 94, 130, 134}));
  // A portrait one is 60 high, centred horizontally.
  EXPECT_EQ(ThumbnailRect(cell, 60, 45, 60), (CRect{77, 84, 122, 144}));
  EXPECT_EQ(ThumbnailRect(cell, 60, 0, 60), CRect{});

  const CRect tip{1, 148, 274, 178};
  EXPECT_EQ(HoverTipBox(tip, 69, 40, 284), (CRect{69, 148, 114, 178}));
  // A wide tip from the last column is moved left to end 12 pixels inside the strip.
  EXPECT_EQ(HoverTipBox(tip, 201, 100, 284), (CRect{167, 148, 272, 178}));
  EXPECT_EQ(HoverTipBox(tip, 201, 400, 284), (CRect{0, 148, 272, 178}));
}
