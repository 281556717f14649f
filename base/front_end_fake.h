// CScriptedFrontEnd, the test double of the front-end seam: it records every call with its
// texts in order and answers questions from a script. A question the script does not
// answer fails the test, and so does an answer left over when the fake is destroyed.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <typeindex>
#include <typeinfo>
#include <vector>

#include "base/front_end.h"

class CScriptedFrontEnd : public CFrontEnd {
 public:
  ~CScriptedFrontEnd() override;

  // --- the script, consumed in order by the questions of each kind ---
  void AnswerNextQuestion(MsgAnswer answer) { message_answers_.push_back(answer); }
  void AnswerNextFile(std::optional<std::string> path) { file_answers_.push_back(std::move(path)); }
  // The user of the next dialog over a model of type Model (scripts of one model type are
  // used in order): acts on the opened model as a user would (fills in values, chooses) and
  // returns whether the dialog ended with OK, which takes the model's Accept: a script that
  // presses OK returns `model.Accept()`, one that cancels returns false.
  template <typename Model>
  void AnswerNextDialog(std::function<bool(Model& model)> script) {
    dialog_answers_[typeid(Model)].push_back([script = std::move(script)](CDialogModel& model) {
      return script(static_cast<Model&>(model));
    });
  }
  // "Abort" is pressed when the progress dialog reaches this position.
  void AbortProgressAt(int position) { abort_at_ = position; }

  // --- what was shown ---
  // Every call, one line each: "message: TEXT", "question: TEXT", "file: TITLE",
  // "dialog: TITLE", "progress: TITLE 0..N", "step: POS PERCENT TIME", "progress closed",
  // "log: TEXT", "status N: TEXT", "wait", "wait end", "update N", "command N", "help N",
  // "categories: A|B", "category added: A", "end N".
  const std::vector<std::string>& Calls() const { return calls_; }
  // The texts of message boxes and questions, in order.
  const std::vector<std::string>& Messages() const { return messages_; }
  std::vector<int> Hints() const { return hints_; }
  std::vector<int> Commands() const { return commands_; }
  const std::vector<std::string>& Logs() const { return logs_; }
  // The last text of a status pane.
  std::string Status(int pane) const;
  std::vector<std::string> ProgressTitles() const { return progress_titles_; }
  int ProgressSteps() const { return progress_steps_; }
  bool ProgressOpen() const { return progress_open_; }
  int WaitDepth() const { return wait_depth_; }
  int HelpTopic() const { return help_topic_; }
  const std::vector<std::string>& CategoryChoices() const { return category_choices_; }
  // The exit status the program was ended with; nothing while it runs.
  std::optional<int> EndedWith() const { return ended_with_; }
  void ClearRecord();

  // --- CFrontEnd ---
  MsgAnswer ShowMessage(const std::string& text, MsgButtons buttons, MsgIcon icon) override;
  std::optional<std::string> AskFile(const CFileRequest& request) override;
  bool RunDialog(CDialogModel& model) override;
  void OpenProgress(const std::string& title, int range) override;
  bool StepProgress(int position, const std::string& percent,
                    const std::string& time_left) override;
  void CloseProgress() override;
  void ShowLog(const std::string& text) override;
  void SetStatusText(int pane, const std::string& text) override;
  void BeginWaitCursor() override;
  void EndWaitCursor() override;
  void UpdateViews(int hint) override;
  void SendCommandToDescendants(int command) override;
  void SetHelpTopic(int topic) override;
  void SetCategoryChoices(const std::vector<std::string>& choices) override;
  void AddCategoryChoice(const std::string& choice) override;
  void EndProgram(int exit_status) override;

 private:
  std::deque<MsgAnswer> message_answers_;
  std::deque<std::optional<std::string>> file_answers_;
  std::map<std::type_index, std::deque<std::function<bool(CDialogModel&)>>> dialog_answers_;
  std::optional<int> abort_at_;

  std::vector<std::string> calls_;
  std::vector<std::string> messages_;
  std::vector<int> hints_;
  std::vector<int> commands_;
  std::vector<std::string> logs_;
  std::map<int, std::string> status_;
  std::vector<std::string> progress_titles_;
  int progress_steps_ = 0;
  bool progress_open_ = false;
  int wait_depth_ = 0;
  int help_topic_ = 0;
  std::vector<std::string> category_choices_;
  std::optional<int> ended_with_;
};
