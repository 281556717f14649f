#include "publish/web_album_dialog_model.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/front_end_fake.h"

namespace {

using ::testing::ElementsAre;

TEST(GenWebModelTest, DefaultsAndTheScopeOfMarkedRecords) {
  CScriptedFrontEnd front_end;
  CGenWebModel dialog(front_end);
  dialog.scope.categories = {"Family", "Travel"};
  dialog.Open();
  EXPECT_EQ(dialog.scope.scope, CRecordScope::Scope::kCategory);
  EXPECT_FALSE(dialog.scope.SelectedEnabled());
  EXPECT_TRUE(dialog.scope.CategoryEnabled());
  EXPECT_THAT(dialog.scope.CategoryEntries(),
              ElementsAre("-- Select category --", "Family", "Travel"));
  EXPECT_THAT(CGenWebModel::StyleEntries(), ElementsAre("Thumbnails and album"));
  EXPECT_THAT(CGenWebModel::QualityEntries(),
              ElementsAre("Very high", "High", "Normal", "Low", "Very low"));
  EXPECT_EQ(dialog.JpegQuality(), 80);
  EXPECT_EQ(dialog.heading, "");
  // "Selected" cannot be chosen while nothing is marked.
  dialog.scope.Choose(CRecordScope::Scope::kSelected);
  EXPECT_EQ(dialog.scope.scope, CRecordScope::Scope::kCategory);

  // With a marked record it is the default, and it disables the category box.
  dialog.scope.any_selected = true;
  dialog.Open();
  EXPECT_EQ(dialog.scope.scope, CRecordScope::Scope::kSelected);
  EXPECT_FALSE(dialog.scope.CategoryEnabled());
  EXPECT_TRUE(dialog.Accept());
  dialog.scope.Choose(CRecordScope::Scope::kCategory);
  EXPECT_TRUE(dialog.scope.CategoryEnabled());
}

TEST(GenWebModelTest, OkWithoutACategoryIsRefused) {
  CScriptedFrontEnd front_end;
  CGenWebModel dialog(front_end);
  dialog.scope.categories = {"Family", "Travel"};
  dialog.Open();
  EXPECT_FALSE(dialog.Accept());
  EXPECT_THAT(front_end.Messages(), ElementsAre("You must select a category or click [CANCEL]"));
  EXPECT_FALSE(dialog.scope.ChooseCategory("Pets"));
  EXPECT_TRUE(dialog.scope.ChooseCategory("travel"));  // any case
  EXPECT_EQ(dialog.scope.Category(), "Travel");
  EXPECT_TRUE(dialog.Accept());
}

TEST(GenWebModelTest, HeadingAndQuality) {
  CScriptedFrontEnd front_end;
  CGenWebModel dialog(front_end);
  // At most 50 characters, counted as letters, not bytes.
  dialog.SetHeading(std::string(60, 'x'));
  EXPECT_EQ(dialog.heading, std::string(50, 'x'));
  std::string norwegian;
  for (int i = 0; i < 30; ++i) norwegian += "\xC3\xB8";
  dialog.SetHeading(norwegian);
  EXPECT_EQ(dialog.heading.size(), 60u);
  const int qualities[] = {95, 80, 70, 50, 30};
  for (int choice = 0; choice < 5; ++choice) {
    dialog.quality = choice;
    EXPECT_EQ(dialog.JpegQuality(), qualities[choice]);
  }
}

}  // namespace
