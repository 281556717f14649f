#include "ui/text_wrap.h"

#include <gtest/gtest.h>

namespace {

int FiveEach(const std::string& text) { return static_cast<int>(text.size()) * 5; }

}  // namespace

TEST(TextWrapTest, BreaksBeforeTheWordThatDoesNotFitAndAtLineEnds) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(WrapWords("the old harbour at dawn", 60, FiveEach),
            (Lines{"the old", "harbour at", "dawn"}));
  EXPECT_EQ(WrapWords("000001\r\nRome\n\nforum", 100, FiveEach),
            (Lines{"000001", "Rome", "", "forum"}));
  EXPECT_EQ(WrapWords("a extraordinarily b", 40, FiveEach), (Lines{"a", "extraordinarily", "b"}));
  EXPECT_EQ(WrapWords("", 40, FiveEach), Lines{""});
}
