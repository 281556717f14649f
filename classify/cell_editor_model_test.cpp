#include "classify/cell_editor_model.h"

#include <gtest/gtest.h>

TEST(CellEditorModelTest, CtrlArrowsMoveOneRowUpOrDownWithinTheList) {
  struct Case {
    int row;
    CCellKey key;
    int next_row;
  };
  const Case cases[] = {
      {1, CCellKey::kUp, 0},   {0, CCellKey::kUp, 0},   {1, CCellKey::kDown, 2},
      {2, CCellKey::kDown, 2}, {1, CCellKey::kLeft, 1}, {1, CCellKey::kRight, 1},
  };
  for (const Case& c : cases) {
    CCellEditorModel editing(3);
    editing.Open({c.row, 2});
    const std::optional<CCellEditorModel::CMove> move = editing.MoveOn(c.key);
    ASSERT_TRUE(move) << c.row;
    EXPECT_EQ(move->committed, (CCell{c.row, 2}));
    EXPECT_EQ(move->next, (CCell{c.next_row, 2})) << c.row << " " << static_cast<int>(c.key);
    EXPECT_EQ(editing.open(), move->next);
  }
}

TEST(CellEditorModelTest, ClosingCommitsIntoTheOpenCellOnce) {
  CCellEditorModel editing(2);
  EXPECT_FALSE(editing.Close());
  EXPECT_FALSE(editing.MoveOn(CCellKey::kDown));
  editing.Open({1, 2});
  EXPECT_EQ(editing.Close(), (CCell{1, 2}));
  EXPECT_FALSE(editing.open());
  EXPECT_FALSE(editing.Close());
}
