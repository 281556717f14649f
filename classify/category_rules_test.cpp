#include "classify/category_rules.h"

#include <gtest/gtest.h>

#include "base/string_table.h"
#include "classify/category_choice.h"

namespace {

const std::vector<std::string> kNames = {"summer", "Sun", "Sunset", "New_York"};

std::vector<bool> Ticks(const CCategoryChoice& choice) {
  std::vector<bool> ticks;
  for (const auto& item : choice.Items()) ticks.push_back(item.ticked);
  return ticks;
}

}  // namespace

TEST(CategoryRulesTest, ANewNameIsTrimmedOneWordShortAndNewByExactComparison) {
  struct Case {
    const char* typed;
    std::optional<std::string> refusal;
  };
  const Case cases[] = {
      {"Summer", std::nullopt},  // "summer" is another category
      {"  summer ", LoadString(IDS_CATEGORY_EXISTS)},
      {"New York", LoadString(IDS_CATEGORY_ONE_WORD)},
      {"New_york", std::nullopt},
      {"TO_BE_DESCRIBED", LoadString(IDS_CATEGORY_EXISTS)},
      {"   ", std::string(kMsgEmptyCategory)},
      {"Blåbærsyltetøy_på_ø", std::nullopt},  // 19 characters in 24 bytes
      {"ABCDEFGHIJKLMNOPQRST", std::string(kMsgCategoryTooLong)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RefuseCategoryName(kNames, CategoryNameOf(c.typed)), c.refusal) << c.typed;
  }
  EXPECT_EQ(CategoryNameOf("  Summer "), "Summer");
}

TEST(CategoryRulesTest, MembershipIsByWholeWordAndCase) {
  EXPECT_TRUE(HasCategory("Sunset Beach", "Sunset"));
  EXPECT_FALSE(HasCategory("Sunset Beach", "Sun"));
  EXPECT_FALSE(HasCategory("Sunset", "sunset"));
  EXPECT_TRUE(HasCategory("Sun", "Sun"));
  EXPECT_FALSE(HasCategory("", "Sun"));
}

TEST(CategoryRulesTest, TheStoredFieldLosesToBeDescribedAndDoubleBlanks) {
  EXPECT_EQ(CleanCategoryField("Summer TO_BE_DESCRIBED"), "Summer");
  EXPECT_EQ(CleanCategoryField("TO_BE_DESCRIBED Summer"), "Summer");
  EXPECT_EQ(CleanCategoryField("Summer  Sun "), "Summer Sun");
  EXPECT_EQ(CleanCategoryField("TO_BE_DESCRIBED"), "");
  EXPECT_EQ(CleanCategoryField("OLD_TO_BE_DESCRIBED"), "OLD_TO_BE_DESCRIBED");
}

TEST(CategoryRulesTest, ADeletedNameLeavesTheListOnly) {
  std::vector<std::string> names = kNames;
  EXPECT_TRUE(RemoveCategoryName(names, "Sun"));
  EXPECT_FALSE(RemoveCategoryName(names, "Sun"));
  EXPECT_EQ(names, (std::vector<std::string>{"summer", "Sunset", "New_York"}));
}

TEST(CategoryChoiceTest, TicksFollowTheFieldAndTheFieldFollowsTheTicksInListOrder) {
  CCategoryChoice choice("Sunset TO_BE_DESCRIBED Summer", kNames, true);
  EXPECT_EQ(Ticks(choice), (std::vector<bool>{false, false, true, false, true}));
  EXPECT_EQ(choice.Items().back().name, "TO_BE_DESCRIBED");
  // "Summer" is not one of the names shown: the picture keeps it.
  EXPECT_EQ(choice.Field(), "Sunset Summer TO_BE_DESCRIBED");

  choice.SetTicked(3, true);
  choice.SetTicked(0, true);
  EXPECT_EQ(choice.Field(), "summer Sunset New_York Summer TO_BE_DESCRIBED");
  for (size_t i = 0; i < choice.Items().size(); ++i) choice.SetTicked(i, false);
  EXPECT_EQ(choice.Field(), "Summer");

  CCategoryChoice none("", kNames, false);
  none.SetTicked(1, true);
  none.SetTicked(1, false);
  EXPECT_EQ(none.Field(), "");
}

TEST(CategoryChoiceTest, ANewCategoryComesUntickedBeforeToBeDescribed) {
  CCategoryChoice choice("TO_BE_DESCRIBED", kNames, true);
  choice.AddItem("Autumn");
  ASSERT_EQ(choice.Items().size(), 6u);
  EXPECT_EQ(choice.Items()[4].name, "Autumn");
  EXPECT_FALSE(choice.Items()[4].ticked);
  choice.SetTicked(4, true);
  EXPECT_EQ(choice.Field(), "Autumn TO_BE_DESCRIBED");

  // Without "TO_BE_DESCRIBED" offered, the field's one is kept for the editor to drop.
  CCategoryChoice page("TO_BE_DESCRIBED Sun", kNames, false);
  EXPECT_EQ(page.Field(), "Sun TO_BE_DESCRIBED");
  page.RemoveItem(1);  // "Sun" deleted from the list: the picture keeps it
  EXPECT_EQ(page.Field(), "TO_BE_DESCRIBED Sun");
}
