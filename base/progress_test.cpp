#include "base/progress.h"

#include <gtest/gtest.h>

#include "base/front_end_fake.h"

TEST(ProgressTest, PercentTextIsThreeWide) {
  EXPECT_EQ(CProgress::PercentText(0, 4), "  0%");
  EXPECT_EQ(CProgress::PercentText(1, 4), " 25%");
  EXPECT_EQ(CProgress::PercentText(4, 4), "100%");
  EXPECT_EQ(CProgress::PercentText(3, 0), "  0%");
  EXPECT_EQ(CProgress::PercentText(150000, 200000), " 75%");  // no overflow on big ranges
}

TEST(ProgressTest, TimeLeftOnlyAfterTwoSecondsAndAtMultiplesOfFive) {
  struct Case {
    double elapsed;
    int position, range;
    std::optional<std::string> expected;
  };
  const Case cases[] = {
      {2.0, 10, 100, std::nullopt},         // not more than 2 seconds yet
      {10.0, 11, 100, std::nullopt},        // not a multiple of 5
      {10.0, 0, 100, std::nullopt},         // nothing done: no estimate
      {10.0, 10, 100, "  1 min 30 secs"},   // 10 s for 10%: 90 s for the rest
      {125.0, 25, 100, "  6 min 15 secs"},  // 125 / 25 * 75 = 375 s
      {3.0, 50, 100, "  0 min 03 secs"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CProgress::TimeLeftText(c.elapsed, c.position, c.range), c.expected)
        << c.elapsed << " s at " << c.position << "/" << c.range;
  }
}

TEST(ProgressTest, StepsShowTextsAndReportAbort) {
  CScriptedFrontEnd front_end;
  double now = 100.0;
  CProgress progress(front_end, [&] { return now; });
  front_end.AbortProgressAt(3);

  progress.Start("Sorting photo index...", 4);
  progress.Step(1);
  now = 103.0;
  progress.Step(2);
  EXPECT_FALSE(progress.Aborted());
  progress.Step(3);
  EXPECT_TRUE(progress.Aborted());
  progress.Close();
  progress.Close();  // closing twice closes once

  EXPECT_EQ(front_end.Calls(),
            (std::vector<std::string>{"progress: Sorting photo index... 0..4", "step: 1  25% ",
                                      "step: 2  50% ", "step: 3  75% ", "progress closed"}));
}

TEST(ProgressTest, TimeLeftTextStaysUntilTheNextEstimate) {
  CScriptedFrontEnd front_end;
  double now = 0.0;
  CProgress progress(front_end, [&] { return now; });
  progress.Start("Importing pictures...", 20);
  now = 5.0;
  progress.Step(5);  // 25% in 5 s: 15 s left
  progress.Step(6);  // no new estimate: the old text stays
  EXPECT_EQ(front_end.Calls()[1], "step: 5  25%   0 min 15 secs");
  EXPECT_EQ(front_end.Calls()[2], "step: 6  30%   0 min 15 secs");
}
