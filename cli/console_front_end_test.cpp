#include "cli/console_front_end.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(ConsoleFrontEndTest, MessagesGoToStandardErrorAndQuestionsGetTheChosenAnswer) {
  std::ostringstream out, err;
  CConsoleFrontEnd console(out, err, false);
  EXPECT_EQ(console.ShowMessage("I-0001: done", MsgButtons::kOk, MsgIcon::kNone), MsgAnswer::kOk);
  EXPECT_EQ(console.ShowMessage("Replace?", MsgButtons::kYesNo, MsgIcon::kQuestion),
            MsgAnswer::kNo);
  console.SetQuestionAnswer(MsgAnswer::kYes);
  EXPECT_EQ(console.ShowMessage("Replace?", MsgButtons::kYesNo, MsgIcon::kQuestion),
            MsgAnswer::kYes);
  EXPECT_EQ(console.ShowMessage("Go on?", MsgButtons::kOkCancel, MsgIcon::kQuestion),
            MsgAnswer::kOk);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(err.str(), "I-0001: done\nReplace? [No]\nReplace? [Yes]\nGo on? [OK]\n");
}

TEST(ConsoleFrontEndTest, LogGoesToStandardOutputWithPlainLineEnds) {
  std::ostringstream out, err;
  CConsoleFrontEnd console(out, err, false);
  console.ShowLog("a.jpg....   Imported OK.\r\n\r\nImport finished.");
  EXPECT_EQ(out.str(), "a.jpg....   Imported OK.\n\nImport finished.\n");
}

TEST(ConsoleFrontEndTest, ProgressIsDrawnOnlyWhenAsked) {
  std::ostringstream out, err, quiet;
  CConsoleFrontEnd console(out, err, true);
  console.OpenProgress("Sorting photo index...", 4);
  EXPECT_FALSE(console.StepProgress(2, " 50%", ""));
  console.CloseProgress();
  EXPECT_EQ(err.str(), "\rSorting photo index...  50%\n");

  CConsoleFrontEnd silent(out, quiet, false);
  silent.OpenProgress("Sorting photo index...", 4);
  silent.StepProgress(2, " 50%", "");
  silent.CloseProgress();
  EXPECT_EQ(quiet.str(), "");
}

TEST(ConsoleFrontEndTest, InsertVolumeSkipsWhenAllowedElseAborts) {
  std::ostringstream out, err;
  CConsoleFrontEnd console(out, err, false);
  EXPECT_EQ(console.AskInsertVolume("PHOTOS1", true), VolumeAnswer::kSkip);
  EXPECT_EQ(console.AskInsertVolume("PHOTOS1", false), VolumeAnswer::kAbort);
  EXPECT_NE(err.str().find("Please insert media labeled : PHOTOS1"), std::string::npos);
}
