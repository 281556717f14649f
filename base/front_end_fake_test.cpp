#include "base/front_end_fake.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

TEST(ScriptedFrontEndTest, AnswersQuestionsFromTheScriptAndRecordsEverything) {
  CScriptedFrontEnd front_end;
  front_end.AnswerNextQuestion(MsgAnswer::kYes);
  front_end.AnswerNextFile(std::string("/tmp/a.acx"));
  front_end.AnswerNextInsertVolume(VolumeAnswer::kSkip);

  EXPECT_EQ(front_end.ShowMessage("Saved.", MsgButtons::kOk, MsgIcon::kNone), MsgAnswer::kOk);
  EXPECT_EQ(front_end.ShowMessage("Upgrade?", MsgButtons::kYesNo, MsgIcon::kQuestion),
            MsgAnswer::kYes);
  EXPECT_EQ(front_end.AskFile({}), "/tmp/a.acx");
  EXPECT_EQ(front_end.AskInsertVolume("PHOTOS1", true), VolumeAnswer::kSkip);
  front_end.SetStatusText(0, "Ready");
  {
    CWaitCursor wait(front_end);
    front_end.UpdateViews(kHintStrip);
    front_end.SendCommandToDescendants(105);
  }
  EXPECT_EQ(front_end.Messages(), (std::vector<std::string>{"Saved.", "Upgrade?"}));
  EXPECT_EQ(front_end.Status(0), "Ready");
  EXPECT_EQ(front_end.Hints(), std::vector<int>{1});
  EXPECT_EQ(front_end.Commands(), std::vector<int>{105});
  EXPECT_EQ(front_end.Calls().back(), "wait end");
}

TEST(ScriptedFrontEndTest, AnUnscriptedQuestionFailsTheTest) {
  EXPECT_NONFATAL_FAILURE(
      {
        CScriptedFrontEnd front_end;
        EXPECT_EQ(front_end.ShowMessage("Delete?", MsgButtons::kYesNo, MsgIcon::kQuestion),
                  MsgAnswer::kNo);
      },
      "unexpected question: Delete?");
  EXPECT_NONFATAL_FAILURE(
      {
        CScriptedFrontEnd front_end;
        front_end.AnswerNextQuestion(MsgAnswer::kYes);
      },
      "never asked for");
}
