// CConsoleFrontEnd, the front-end seam on a console: message boxes go to standard error,
// questions get the answer the command line chose (printed beside them, so a log shows what
// was decided), the import log goes to standard output, and progress is drawn on standard
// error when it is a terminal. There is no file dialog: commands name their files.
#pragma once

#include <functional>
#include <iosfwd>

#include "base/front_end.h"

class CConsoleFrontEnd : public CFrontEnd {
 public:
  CConsoleFrontEnd(std::ostream& out, std::ostream& err, bool show_progress);

  // The answer to every question (default No).
  void SetQuestionAnswer(MsgAnswer answer) { question_answer_ = answer; }
  // The import dialog's answer, which the command line gives: fills the model (options,
  // selected paths) and returns whether the import goes ahead. Without one the dialog is
  // cancelled.
  using ImportAnswer = std::function<bool(CImport2Model& model)>;
  void SetImportAnswer(ImportAnswer answer) { import_answer_ = std::move(answer); }

  MsgAnswer ShowMessage(const std::string& text, MsgButtons buttons, MsgIcon icon) override;
  std::optional<std::string> AskFile(const CFileRequest& request) override;
  VolumeAnswer AskInsertVolume(const std::string& label, bool skip_enabled) override;
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
  // The command line shows no view, so the first-start dialog never comes up.
  NewArchiveChoice AskNewArchive(const std::string&, bool) override {
    return NewArchiveChoice::kCancel;
  }
  std::optional<DeleteScope> AskDelete(DeleteScope preset) override;
  void SetCategoryChoices(const std::vector<std::string>&) override {}
  bool RunImportDialog(CImport2Model& model) override;
  // There is no search dialog: commands name their query.
  std::optional<std::string> AskSearchQuery() override { return std::nullopt; }
  void EndProgram(int exit_status) override;

 private:
  std::ostream& out_;
  std::ostream& err_;
  bool show_progress_;
  MsgAnswer question_answer_ = MsgAnswer::kNo;
  ImportAnswer import_answer_;
  std::string progress_title_;
  bool progress_drawn_ = false;
};

// Console text of a core text: "\r\n" line ends become "\n".
std::string ConsoleLines(const std::string& text);
