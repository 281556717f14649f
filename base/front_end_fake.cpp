#include "base/front_end_fake.h"

#include <gtest/gtest.h>

CScriptedFrontEnd::~CScriptedFrontEnd() {
  EXPECT_TRUE(message_answers_.empty()) << message_answers_.size() << " answer(s) never asked for";
  EXPECT_TRUE(file_answers_.empty()) << file_answers_.size() << " file answer(s) never asked for";
  for (const auto& [type, scripts] : dialog_answers_) {
    EXPECT_TRUE(scripts.empty()) << scripts.size() << " dialog answer(s) for " << type.name()
                                 << " never asked for";
  }
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

bool CScriptedFrontEnd::RunDialog(CDialogModel& model) {
  calls_.push_back("dialog: " + model.Title());
  auto scripts = dialog_answers_.find(typeid(model));
  if (scripts == dialog_answers_.end() || scripts->second.empty()) {
    ADD_FAILURE() << "unexpected dialog: " << model.Title();
    model.Cancel();
    return false;
  }
  const std::function<bool(CDialogModel&)> script = std::move(scripts->second.front());
  scripts->second.pop_front();
  model.Open();
  const bool accepted = script(model);
  if (!accepted) model.Cancel();
  return accepted;
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

void CScriptedFrontEnd::SetCategoryChoices(const std::vector<std::string>& choices) {
  std::string joined;
  for (const std::string& choice : choices) joined += (joined.empty() ? "" : "|") + choice;
  calls_.push_back("categories: " + joined);
  category_choices_ = choices;
}

void CScriptedFrontEnd::AddCategoryChoice(const std::string& choice) {
  calls_.push_back("category added: " + choice);
  category_choices_.push_back(choice);
}

void CScriptedFrontEnd::EndProgram(int exit_status) {
  calls_.push_back("end " + std::to_string(exit_status));
  ended_with_ = exit_status;
}
