#include "base/front_end_fake.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

// A dialog that records what the front end did with it.
class CNoteModel : public CDialogModel {
 public:
  std::string Title() const override { return "Note"; }
  void Open() override { life += "open "; }
  bool Accept() override { return !text.empty(); }
  void Cancel() override { life += "cancel "; }
  std::string text;
  std::string life;
};

class COtherModel : public CDialogModel {
 public:
  std::string Title() const override { return "Other"; }
};

}  // namespace

TEST(ScriptedFrontEndTest, AnswersQuestionsFromTheScriptAndRecordsEverything) {
  CScriptedFrontEnd front_end;
  front_end.AnswerNextQuestion(MsgAnswer::kYes);
  front_end.AnswerNextFile(std::string("/tmp/a.acx"));

  EXPECT_EQ(front_end.ShowMessage("Saved.", MsgButtons::kOk, MsgIcon::kNone), MsgAnswer::kOk);
  EXPECT_EQ(front_end.ShowMessage("Upgrade?", MsgButtons::kYesNo, MsgIcon::kQuestion),
            MsgAnswer::kYes);
  EXPECT_EQ(front_end.AskFile({}), "/tmp/a.acx");
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

TEST(ScriptedFrontEndTest, DialogsAreAnsweredByTheirModelsTypeInOrder) {
  CScriptedFrontEnd front_end;
  front_end.AnswerNextDialog<CNoteModel>([](CNoteModel& note) {
    note.text = "first";
    return note.Accept();
  });
  front_end.AnswerNextDialog<COtherModel>([](COtherModel&) { return true; });
  front_end.AnswerNextDialog<CNoteModel>([](CNoteModel& note) { return note.Accept(); });

  CNoteModel first, refused;
  COtherModel other;
  EXPECT_TRUE(front_end.RunDialog(first));
  EXPECT_EQ(first.text, "first");
  EXPECT_EQ(first.life, "open ");
  // The second note script comes next for a note, whatever came between.
  EXPECT_FALSE(front_end.RunDialog(refused));
  EXPECT_EQ(refused.life, "open cancel ");
  EXPECT_TRUE(front_end.RunDialog(other));
  EXPECT_EQ(front_end.Calls(),
            (std::vector<std::string>{"dialog: Note", "dialog: Note", "dialog: Other"}));
}

TEST(ScriptedFrontEndTest, AnUnscriptedQuestionOrDialogFailsTheTest) {
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
        front_end.AnswerNextDialog<COtherModel>([](COtherModel&) { return true; });
        CNoteModel note;
        EXPECT_FALSE(front_end.RunDialog(note));
        EXPECT_EQ(note.life, "cancel ");
        COtherModel other;
        EXPECT_TRUE(front_end.RunDialog(other));
      },
      "unexpected dialog: Note");
  EXPECT_NONFATAL_FAILURE(
      {
        CScriptedFrontEnd front_end;
        front_end.AnswerNextQuestion(MsgAnswer::kYes);
      },
      "never asked for");
  EXPECT_NONFATAL_FAILURE(
      {
        CScriptedFrontEnd front_end;
        front_end.AnswerNextDialog<CNoteModel>([](CNoteModel&) { return false; });
      },
      "dialog answer(s) for");
}
