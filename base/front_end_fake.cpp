#include "base/front_end_fake.h"

#include <gtest/gtest.h>

#include "import/import_dialog_model.h"

CScriptedFrontEnd::~CScriptedFrontEnd() {
  EXPECT_TRUE(message_answers_.empty()) << message_answers_.size() << " answer(s) never asked for";
  EXPECT_TRUE(file_answers_.empty()) << file_answers_.size() << " file answer(s) never asked for";
  EXPECT_TRUE(volume_answers_.empty())
      << volume_answers_.size() << " insert-volume answer(s) never asked for";
  EXPECT_TRUE(new_archive_answers_.empty())
      << new_archive_answers_.size() << " first-start answer(s) never asked for";
  EXPECT_TRUE(delete_answers_.empty())
      << delete_answers_.size() << " delete answer(s) never asked for";
  EXPECT_TRUE(import_answers_.empty())
      << import_answers_.size() << " import dialog answer(s) never asked for";
  EXPECT_TRUE(search_answers_.empty())
      << search_answers_.size() << " search answer(s) never asked for";
  EXPECT_EQ(wait_depth_, 0) << "the wait cursor was left on";
}

std::string CScriptedFrontEnd::Status(int pane) const {
  auto it = status_.find(pane);
  return it == status_.end() ? std::string() : it->second;
}

void CScriptedFrontEnd::ClearRecord() {
  calls_.clear();
  messages_.clear();
  hints_.clear();
  commands_.clear();
  logs_.clear();
  progress_titles_.clear();
  progress_steps_ = 0;
}

MsgAnswer CScriptedFrontEnd::ShowMessage(const std::string& text, MsgButtons buttons,
                                         MsgIcon /*icon*/) {
  messages_.push_back(text);
  if (buttons == MsgButtons::kOk) {
    calls_.push_back("message: " + text);
    return MsgAnswer::kOk;
  }
  calls_.push_back("question: " + text);
  if (message_answers_.empty()) {
    ADD_FAILURE() << "unexpected question: " << text;
    return buttons == MsgButtons::kOkCancel ? MsgAnswer::kCancel : MsgAnswer::kNo;
  }
  MsgAnswer answer = message_answers_.front();
  message_answers_.pop_front();
  return answer;
}

std::optional<std::string> CScriptedFrontEnd::AskFile(const CFileRequest& request) {
  calls_.push_back("file: " + request.title);
  if (file_answers_.empty()) {
    ADD_FAILURE() << "unexpected file dialog: " << request.title << " " << request.filter;
    return std::nullopt;
  }
  auto answer = file_answers_.front();
  file_answers_.pop_front();
  return answer;
}

VolumeAnswer CScriptedFrontEnd::AskInsertVolume(const std::string& label, bool skip_enabled) {
  calls_.push_back("insert volume: " + label);
  last_skip_enabled_ = skip_enabled;
  if (volume_answers_.empty()) {
    ADD_FAILURE() << "unexpected insert-volume dialog for " << label;
    return VolumeAnswer::kAbort;
  }
  VolumeAnswer answer = volume_answers_.front();
  volume_answers_.pop_front();
  if (answer == VolumeAnswer::kSkip && !skip_enabled) {
    ADD_FAILURE() << "\"Skip volume\" answered while it is disabled";
  }
  return answer;
}

void CScriptedFrontEnd::OpenProgress(const std::string& title, int range) {
  calls_.push_back("progress: " + title + " 0.." + std::to_string(range));
  progress_titles_.push_back(title);
  progress_open_ = true;
}

bool CScriptedFrontEnd::StepProgress(int position, const std::string& percent,
                                     const std::string& time_left) {
  calls_.push_back("step: " + std::to_string(position) + " " + percent + " " + time_left);
  ++progress_steps_;
  return abort_at_ && position >= *abort_at_;
}

void CScriptedFrontEnd::CloseProgress() {
  calls_.push_back("progress closed");
  progress_open_ = false;
}

void CScriptedFrontEnd::ShowLog(const std::string& text) {
  calls_.push_back("log: " + text);
  logs_.push_back(text);
}

void CScriptedFrontEnd::SetStatusText(int pane, const std::string& text) {
  calls_.push_back("status " + std::to_string(pane) + ": " + text);
  status_[pane] = text;
}

void CScriptedFrontEnd::BeginWaitCursor() {
  calls_.push_back("wait");
  ++wait_depth_;
}

void CScriptedFrontEnd::EndWaitCursor() {
  calls_.push_back("wait end");
  --wait_depth_;
  EXPECT_GE(wait_depth_, 0) << "the wait cursor was ended more often than begun";
}

void CScriptedFrontEnd::UpdateViews(int hint) {
  calls_.push_back("update " + std::to_string(hint));
  hints_.push_back(hint);
}

void CScriptedFrontEnd::SendCommandToDescendants(int command) {
  calls_.push_back("command " + std::to_string(command));
  commands_.push_back(command);
}

void CScriptedFrontEnd::SetHelpTopic(int topic) {
  calls_.push_back("help " + std::to_string(topic));
  help_topic_ = topic;
}

NewArchiveChoice CScriptedFrontEnd::AskNewArchive(const std::string& folder, bool auto_enabled) {
  calls_.push_back("new archive: " + folder);
  new_archive_auto_enabled_ = auto_enabled;
  if (new_archive_answers_.empty()) {
    ADD_FAILURE() << "unexpected first-start dialog for " << folder;
    return NewArchiveChoice::kCancel;
  }
  NewArchiveChoice choice = new_archive_answers_.front();
  new_archive_answers_.pop_front();
  if (choice == NewArchiveChoice::kAuto && !auto_enabled) {
    ADD_FAILURE() << "\"Auto\" answered while it is disabled";
  }
  return choice;
}

std::optional<DeleteScope> CScriptedFrontEnd::AskDelete(DeleteScope preset) {
  calls_.push_back(std::string("delete: ") +
                   (preset == DeleteScope::kThisPicture ? "this" : "selected"));
  last_delete_preset_ = preset;
  if (delete_answers_.empty()) {
    ADD_FAILURE() << "unexpected delete dialog";
    return std::nullopt;
  }
  auto answer = delete_answers_.front();
  delete_answers_.pop_front();
  return answer;
}

void CScriptedFrontEnd::SetCategoryChoices(const std::vector<std::string>& choices) {
  std::string joined;
  for (const std::string& choice : choices) joined += (joined.empty() ? "" : "|") + choice;
  calls_.push_back("categories: " + joined);
  category_choices_ = choices;
}

bool CScriptedFrontEnd::RunImportDialog(CImport2Model& model) {
  calls_.push_back("import dialog: " + model.directory);
  if (import_answers_.empty()) {
    ADD_FAILURE() << "unexpected import dialog";
    return false;
  }
  ImportDialogScript script = std::move(import_answers_.front());
  import_answers_.pop_front();
  model.Initialise();
  const bool accepted = script(model);
  if (!accepted) model.Cancel();
  return accepted;
}

std::optional<std::string> CScriptedFrontEnd::AskSearchQuery() {
  calls_.push_back("search dialog");
  if (search_answers_.empty()) {
    ADD_FAILURE() << "unexpected search dialog";
    return std::nullopt;
  }
  auto answer = search_answers_.front();
  search_answers_.pop_front();
  return answer;
}

void CScriptedFrontEnd::EndProgram(int exit_status) {
  calls_.push_back("end " + std::to_string(exit_status));
  ended_with_ = exit_status;
}
