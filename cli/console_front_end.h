// CConsoleFrontEnd, the front-end seam on a console: message boxes go to standard error,
// questions get the answer the command line chose (printed beside them, so a log shows what
// was decided), the import log goes to standard output, and progress is drawn on standard
// error when it is a terminal. There is no file dialog: commands name their files. A dialog
// gets the answer its command set for the model's type; the console itself answers the
// "Insert volume" dialog (Skip when offered, else Abort) and the delete dialog (as questions
// are answered); every other dialog is cancelled.
#pragma once

#include <functional>
#include <iosfwd>
#include <typeindex>
#include <typeinfo>
#include <unordered_map>

#include "base/front_end.h"

class CConsoleFrontEnd : public CFrontEnd {
 public:
  CConsoleFrontEnd(std::ostream& out, std::ostream& err, bool show_progress);

  // The answer to every question (default No).
  void SetQuestionAnswer(MsgAnswer answer) { question_answer_ = answer; }
  // The answer to every dialog over a model of type Model, which the command line gives:
  // fills the model (the values a user would give the dialog) and returns whether the
  // dialog ends with OK. It replaces an answer set before for that type.
  template <typename Model>
  void SetDialogAnswer(std::function<bool(Model& model)> answer) {
    dialog_answers_[typeid(Model)] = [answer = std::move(answer)](CDialogModel& model) {
      return answer(static_cast<Model&>(model));
    };
  }

  MsgAnswer ShowMessage(const std::string& text, MsgButtons buttons, MsgIcon icon) override;
  std::optional<std::string> AskFile(const CFileRequest& request) override;
  bool RunDialog(CDialogModel& model) override;
  void OpenProgress(const std::string& title, int range) override;
  bool StepProgress(int position, const std::string& percent,
                    const std::string& time_left) override;
  void CloseProgress() override;
  void ShowLog(const std::string& text) override;
  void SetStatusText(int pane, const std::string& text) override;
  void BeginWaitCursor() override {}
  void EndWaitCursor() override {}
  void UpdateViews(int) override {}
  void SendCommandToDescendants(int) override {}
  void SetHelpTopic(int) override {}
  void SetCategoryChoices(const std::vector<std::string>&) override {}
  void AddCategoryChoice(const std::string&) override {}
  void EndProgram(int exit_status) override;

 private:
  std::ostream& out_;
  std::ostream& err_;
  bool show_progress_;
  bool Agrees() const;

  MsgAnswer question_answer_ = MsgAnswer::kNo;
  std::unordered_map<std::type_index, std::function<bool(CDialogModel&)>> dialog_answers_;
  std::string progress_title_;
  bool progress_drawn_ = false;
};

// Console text of a core text: "\r\n" line ends become "\n".
std::string ConsoleLines(const std::string& text);
