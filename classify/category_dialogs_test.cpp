// The category dialogs' models driven as a user would: "Add category", "Select category" with
// its "New...", and the Categories page's "Delete".
#include <gtest/gtest.h>

#include "base/front_end_fake.h"
#include "base/string_table.h"
#include "classify/add_category_model.h"
#include "classify/category_list_model.h"
#include "classify/category_page_model.h"

namespace {

// Answers the next "Add category" with the typed text and OK.
void TypeNewCategory(CScriptedFrontEnd& front_end, const std::string& typed) {
  front_end.AnswerNextDialog<CAddCategoryModel>([typed](CAddCategoryModel& dialog) {
    dialog.name = typed;
    return dialog.Accept();
  });
}

}  // namespace

TEST(AddCategoryTest, OkAppendsTheTrimmedNameAndARefusalKeepsTheListAsItWas) {
  CScriptedFrontEnd front_end;
  std::vector<std::string> names = {"Summer"};
  CAddCategoryModel dialog(front_end, names);
  dialog.name = " Summer ";
  EXPECT_FALSE(dialog.Accept());
  dialog.name = "New York";
  EXPECT_FALSE(dialog.Accept());
  EXPECT_EQ(front_end.Messages(), (std::vector<std::string>{LoadString(IDS_CATEGORY_EXISTS),
                                                            LoadString(IDS_CATEGORY_ONE_WORD)}));
  EXPECT_EQ(names, std::vector<std::string>{"Summer"});
  dialog.name = " summer";
  EXPECT_TRUE(dialog.Accept());
  EXPECT_EQ(dialog.added, "summer");
  EXPECT_EQ(names, (std::vector<std::string>{"Summer", "summer"}));
}

TEST(CategoryListTest, NewAddsAnUntickedItemAndTheSearchBarsEntry) {
  CScriptedFrontEnd front_end;
  std::vector<std::string> names = {"Summer"};
  CCategoryListModel dialog(front_end, names, "Summer TO_BE_DESCRIBED");
  TypeNewCategory(front_end, "Blåbær");
  front_end.AnswerNextDialog<CAddCategoryModel>([](CAddCategoryModel&) { return false; });
  dialog.New();
  dialog.New();  // cancelled: nothing more
  EXPECT_EQ(names, (std::vector<std::string>{"Summer", "Blåbær"}));
  EXPECT_EQ(front_end.CategoryChoices(), std::vector<std::string>{"BLÅBÆR"});
  ASSERT_EQ(dialog.choice.Items().size(), 3u);
  EXPECT_EQ(dialog.choice.Items()[1].name, "Blåbær");
  dialog.choice.SetTicked(1, true);
  dialog.choice.SetTicked(0, false);
  EXPECT_TRUE(dialog.Accept());
  EXPECT_EQ(dialog.category_text, "Blåbær TO_BE_DESCRIBED");
}

TEST(CategoryPageTest, DeleteNeedsASelectionAndTheUsersYes) {
  CScriptedFrontEnd front_end;
  std::vector<std::string> names = {"Summer", "Sun"};
  CCategoryPageModel page(front_end, names);
  page.Load("Sun", true);
  EXPECT_TRUE(page.set_as_default);
  EXPECT_FALSE(page.Delete());
  page.selected = 1;
  front_end.AnswerNextQuestion(MsgAnswer::kNo);
  EXPECT_FALSE(page.Delete());
  front_end.AnswerNextQuestion(MsgAnswer::kYes);
  EXPECT_TRUE(page.Delete());
  EXPECT_EQ(front_end.Messages(),
            (std::vector<std::string>{LoadString(IDS_NO_CATEGORY_SELECTED),
                                      "Are you sure you want to delete the category Sun ?",
                                      "Are you sure you want to delete the category Sun ?"}));
  EXPECT_EQ(names, std::vector<std::string>{"Summer"});
  ASSERT_EQ(page.choice.Items().size(), 1u);
  EXPECT_EQ(page.Field(), "Sun");  // the picture keeps the deleted category
}
