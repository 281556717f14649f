#include "publish/print_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(PrintLayoutTest, PageCountIsTheListPerPagePlusEightTenthsTruncated) {
  struct Case {
    size_t list;
    int mode;
    int pages;
  };
  for (const Case& c :
       {Case{5, kPrintFourPerPage, 2}, Case{4, kPrintFourPerPage, 1}, Case{9, kPrintFourPerPage, 3},
        Case{3, kPrintTwoPerPage, 2}, Case{1, kPrintOnePerPage, 1}, Case{7, kPrintOnePerPage, 7},
        Case{0, kPrintFourPerPage, 0},
        // 30 per page is no rounding up: 31 / 30 + 0.8 makes 1 page.
        Case{31, kPrintContactSheet, 1}, Case{20, kPrintContactSheet, 1}}) {
    EXPECT_EQ(PrintPageCount(c.list, c.mode), c.pages) << c.list << " at mode " << c.mode;
  }
}

TEST(PrintLayoutTest, CellsKeepTheGapFromTheDivisionLines) {
  // An A4 page at 300 dots per inch.
  const int w = 2480, h = 3508;
  EXPECT_EQ(PrintCells(kPrintOnePerPage, w, h), (std::vector<CRect>{{0, 0, w, h}}));
  EXPECT_EQ(PrintCells(kPrintTwoPerPage, w, h),
            (std::vector<CRect>{{0, 0, w, 1751}, {0, 1757, w, h}}));
  EXPECT_EQ(PrintCells(kPrintFourPerPage, w, h), (std::vector<CRect>{{0, 0, 1237, 1751},
                                                                     {1243, 0, 2477, 1751},
                                                                     {0, 1757, 1237, 3505},
                                                                     {1243, 1757, 2477, 3505}}));
  // Halves by integer division.
  EXPECT_EQ(PrintCells(kPrintFourPerPage, 101, 51)[3], (CRect{53, 28, 98, 48}));
  EXPECT_TRUE(PrintCells(kPrintContactSheet, w, h).empty());
}

TEST(PrintLayoutTest, PicturesTurnOnlyAgainstTheirCellsOrientation) {
  const CRect portrait{0, 0, 100, 200};
  const CRect landscape{0, 0, 200, 100};
  const CRect square{0, 0, 100, 100};
  struct Case {
    int width, height;
    CRect cell;
    bool turned;
  };
  for (const Case& c : {Case{160, 120, portrait, true}, Case{160, 120, landscape, false},
                        Case{120, 160, landscape, true}, Case{120, 160, portrait, false},
                        Case{100, 100, portrait, false}, Case{100, 100, landscape, false},
                        Case{160, 120, square, false}, Case{120, 160, square, false}}) {
    EXPECT_EQ(TurnForCell(c.width, c.height, c.cell), c.turned)
        << c.width << "x" << c.height << " in " << c.cell.Width() << "x" << c.cell.Height();
  }
  // Two per page on a portrait sheet gives landscape cells: landscape pictures stay as they are.
  for (const CRect& cell : PrintCells(kPrintTwoPerPage, 2480, 3508)) {
    EXPECT_GT(cell.Width(), cell.Height());
    EXPECT_FALSE(TurnForCell(160, 120, cell));
  }
}

TEST(PrintLayoutTest, FitKeepsTheProportionsAtTheCellsTopLeft) {
  struct Case {
    CRect cell;
    int width, height;
    CRect fitted;
  };
  for (const Case& c : {
           // Wider than the cell's shape: the bottom moves up (120 / 1.6 = 75).
           Case{{10, 20, 110, 220}, 160, 120, {10, 20, 110, 95}},
           // Higher: the right edge moves in, truncated (3 / 0.7 = 4.29).
           Case{{0, 0, 10, 10}, 3, 7, {0, 0, 4, 10}},
           // A small picture is enlarged to the cell.
           Case{{1243, 1757, 2477, 3505}, 120, 160, {1243, 1757, 2477, 3402}},
           // Exactly the cell's shape fills it.
           Case{{5, 5, 45, 25}, 400, 200, {5, 5, 45, 25}},
           // No area: nothing at the corner.
           Case{{5, 5, 5, 25}, 400, 200, {5, 5, 5, 5}},
       }) {
    EXPECT_EQ(FitInCell(c.cell, c.width, c.height), c.fitted) << c.width << "x" << c.height;
  }
}

}  // namespace
