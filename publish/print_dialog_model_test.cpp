#include "publish/print_dialog_model.h"

#include <gtest/gtest.h>

#include "store/database.h"

namespace {

TEST(PrintDlgModelTest, PresetsFromThePrintModeAndTheMarks) {
  CPrintDlgModel marked(kPrintFourPerPage, true);
  EXPECT_EQ(marked.print_mode, kPrintFourPerPage);
  EXPECT_EQ(marked.selection, PrintSelection::kSelected);
  EXPECT_TRUE(marked.SelectionOffered(PrintSelection::kSelected));
  EXPECT_TRUE(marked.Accept());

  // Nothing marked: "Selected" is not offered, and "Current picture" is chosen.
  CPrintDlgModel unmarked(kPrintTwoPerPage, false);
  EXPECT_EQ(unmarked.print_mode, kPrintTwoPerPage);
  EXPECT_EQ(unmarked.selection, PrintSelection::kCurrentPicture);
  EXPECT_FALSE(unmarked.SelectionOffered(PrintSelection::kSelected));
  EXPECT_TRUE(unmarked.SelectionOffered(PrintSelection::kCurrentPicture));
  unmarked.selection = PrintSelection::kSelected;
  EXPECT_FALSE(unmarked.Accept());
}

TEST(PrintDlgModelTest, TheContactSheetIsNeverOffered) {
  EXPECT_FALSE(CPrintDlgModel::PrintModeOffered(kPrintContactSheet));
  // A settings file that holds it, or a number that is no choice, presets "1".
  for (int setting : {int{kPrintContactSheet}, 7, -1}) {
    EXPECT_EQ(CPrintDlgModel(setting, true).print_mode, kPrintOnePerPage) << setting;
  }
  CPrintDlgModel model(kPrintOnePerPage, true);
  model.print_mode = kPrintContactSheet;
  EXPECT_FALSE(model.Accept());
}

TEST(PrintListTest, SelectedTakesTheMarksInListOrderCurrentTakesTheCurrentRecord) {
  Cdatabase db;
  for (int32_t record : {7, 3, 9, 4}) db.results.Append(record, record != 3 ? 1 : 0);
  db.results.SetPosition(2);
  EXPECT_EQ(BuildPrintList(db, PrintSelection::kSelected), (std::vector<int32_t>{7, 9, 4}));
  // Whatever is marked, the current record alone.
  EXPECT_EQ(BuildPrintList(db, PrintSelection::kCurrentPicture), std::vector<int32_t>{3});
  db.results.SetPosition(0);
  EXPECT_TRUE(BuildPrintList(db, PrintSelection::kCurrentPicture).empty());
}

}  // namespace
