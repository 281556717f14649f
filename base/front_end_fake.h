// CScriptedFrontEnd, the test double of the front-end seam: it records every call with its
// texts in order and answers questions from a script. A question the script does not
// answer fails the test, and so does an answer left over when the fake is destroyed.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/front_end.h"

class CScriptedFrontEnd : public CFrontEnd {
 public:
  ~CScriptedFrontEnd() override;

  // --- the script, consumed in order by the questions of each kind ---
  void AnswerNextQuestion(MsgAnswer answer) { message_answers_.push_back(answer); }
  void AnswerNextFile(std::optional<std::string> path) { file_answers_.push_back(path); }
  void AnswerNextInsertVolume(VolumeAnswer answer) { volume_answers_.push_back(answer); }
  void AnswerNextNewArchive(NewArchiveChoice choice) { new_archive_answers_.push_back(choice); }
  void AnswerNextDelete(std::optional<DeleteScope> scope) { delete_answers_.push_back(scope); }
  // The user of the import dialog: acts on the model as a user would (chooses a folder,
  // selects items, sets options) and returns whether IMPORT was pressed and accepted, usually
  // `model.Accept()`.
  using ImportDialogScript = std::function<bool(CImport2Model& model)>;
  void AnswerNextImportDialog(ImportDialogScript script) {
    import_answers_.push_back(std::move(script));
  }
  // The query typed into the search dialog; nothing for Cancel.
  void AnswerNextSearch(std::optional<std::string> query) { search_answers_.push_back(query); }
  // "Abort" is pressed when the progress dialog reaches this position.
  void AbortProgressAt(int position) { abort_at_ = position; }

  // --- what was shown ---
  // Every call, one line each: "message: TEXT", "question: TEXT", "file: TITLE",
  // "insert volume: LABEL", "progress: TITLE 0..N", "step: POS PERCENT TIME", "progress
  // closed", "log: TEXT", "status N: TEXT", "wait", "wait end", "update N", "command N",
  // "help N", "new archive: FOLDER", "delete: this|selected", "categories: A|B", "end N",
  // "import dialog: FOLDER", "search dialog".
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
  bool LastSkipEnabled() const { return last_skip_enabled_; }
  int WaitDepth() const { return wait_depth_; }
  int HelpTopic() const { return help_topic_; }
  const std::vector<std::string>& CategoryChoices() const { return category_choices_; }
  bool NewArchiveAutoEnabled() const { return new_archive_auto_enabled_; }
  std::optional<DeleteScope> LastDeletePreset() const { return last_delete_preset_; }
  // The exit status the program was ended with; nothing while it runs.
  std::optional<int> EndedWith() const { return ended_with_; }
  void ClearRecord();

  // --- CFrontEnd ---
  MsgAnswer ShowMessage(const std::string& text, MsgButtons buttons, MsgIcon icon) override;
  std::optional<std::string> AskFile(const CFileRequest& request) override;
  VolumeAnswer AskInsertVolume(const std::string& label, bool skip_enabled) override;
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
  NewArchiveChoice AskNewArchive(const std::string& folder, bool auto_enabled) override;
  std::optional<DeleteScope> AskDelete(DeleteScope preset) override;
  void SetCategoryChoices(const std::vector<std::string>& choices) override;
  bool RunImportDialog(CImport2Model& model) override;
  std::optional<std::string> AskSearchQuery() override;
  void EndProgram(int exit_status) override;

 private:
  std::deque<MsgAnswer> message_answers_;
  std::deque<std::optional<std::string>> file_answers_;
  std::deque<VolumeAnswer> volume_answers_;
  std::deque<NewArchiveChoice> new_archive_answers_;
  std::deque<std::optional<DeleteScope>> delete_answers_;
  std::deque<ImportDialogScript> import_answers_;
  std::deque<std::optional<std::string>> search_answers_;
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
  bool last_skip_enabled_ = false;
  int wait_depth_ = 0;
  int help_topic_ = 0;
  std::vector<std::string> category_choices_;
  bool new_archive_auto_enabled_ = false;
  std::optional<DeleteScope> last_delete_preset_;
  std::optional<int> ended_with_;
};
