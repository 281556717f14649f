#include "cli/console_front_end.h"

#include <gtest/gtest.h>

#include <sstream>

#include "app/delete_dialog_model.h"
#include "app/search_dialog_model.h"
#include "platform/insert_volume_dialog_model.h"

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
  CInsertVolumeModel skippable("PHOTOS1", true);
  CInsertVolumeModel abort_only("PHOTOS2", false);
  EXPECT_EQ(skippable.AnswerOf(console.RunDialog(skippable)), VolumeAnswer::kSkip);
  EXPECT_EQ(abort_only.AnswerOf(console.RunDialog(abort_only)), VolumeAnswer::kAbort);
  EXPECT_EQ(err.str(),
            "Please insert media labeled : PHOTOS1 [Skip volume]\n"
            "Please insert media labeled : PHOTOS2 [Abort]\n");
}

TEST(ConsoleFrontEndTest, ADialogTakesTheCommandsAnswerElseItIsCancelled) {
  std::ostringstream out, err;
  CConsoleFrontEnd console(out, err, false);
  CSoekModel search;
  EXPECT_FALSE(console.RunDialog(search));
  console.SetDialogAnswer<CSoekModel>([](CSoekModel& dialog) {
    dialog.SetTypedText("rome");
    return dialog.Accept();
  });
  EXPECT_TRUE(console.RunDialog(search));
  EXPECT_EQ(search.query, "rome");

  CDeleteModel deletion(DeleteScope::kSelectedPictures);
  EXPECT_FALSE(console.RunDialog(deletion));
  console.SetQuestionAnswer(MsgAnswer::kYes);
  EXPECT_TRUE(console.RunDialog(deletion));
  EXPECT_EQ(deletion.scope, DeleteScope::kSelectedPictures);
  EXPECT_EQ(err.str(),
            "Are you sure you want to delete? [No]\nAre you sure you want to delete? [Yes]\n");
}
