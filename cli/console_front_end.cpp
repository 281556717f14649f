#include "cli/console_front_end.h"

#include <cstdlib>
#include <ostream>

#include "app/delete_dialog_model.h"
#include "base/text_rules.h"
#include "platform/insert_volume_dialog_model.h"

namespace {

const char* AnswerName(MsgAnswer answer) {
  switch (answer) {
    case MsgAnswer::kOk:
      return "OK";
    case MsgAnswer::kCancel:
      return "Cancel";
    case MsgAnswer::kYes:
      return "Yes";
    case MsgAnswer::kNo:
      return "No";
  }
  return "";
}

}  // namespace

std::string ConsoleLines(const std::string& text) { return LineFeedsOnly(text); }

CConsoleFrontEnd::CConsoleFrontEnd(std::ostream& out, std::ostream& err, bool show_progress)
    : out_(out), err_(err), show_progress_(show_progress) {
  // Nobody can insert a medium while a command runs: skip it when that is offered.
  SetDialogAnswer<CInsertVolumeModel>([this](CInsertVolumeModel& dialog) {
    err_ << "Please insert media labeled : " << dialog.label << " ["
         << (dialog.skip_enabled ? "Skip volume" : "Abort") << "]\n";
    dialog.answer = VolumeAnswer::kSkip;
    return dialog.skip_enabled && dialog.Accept();
  });
  SetDialogAnswer<CDeleteModel>([this](CDeleteModel&) {
    err_ << "Are you sure you want to delete? [" << (Agrees() ? "Yes" : "No") << "]\n";
    return Agrees();
  });
}

bool CConsoleFrontEnd::Agrees() const {
  return question_answer_ == MsgAnswer::kYes || question_answer_ == MsgAnswer::kOk;
}

MsgAnswer CConsoleFrontEnd::ShowMessage(const std::string& text, MsgButtons buttons, MsgIcon) {
  CloseProgress();
  err_ << ConsoleLines(text);
  if (buttons == MsgButtons::kOk) {
    err_ << '\n';
    return MsgAnswer::kOk;
  }
  const bool agree = Agrees();
  MsgAnswer answer = MsgAnswer::kCancel;
  if (buttons == MsgButtons::kOkCancel) {
    answer = agree ? MsgAnswer::kOk : MsgAnswer::kCancel;
  } else if (buttons == MsgButtons::kYesNo) {
    answer = agree ? MsgAnswer::kYes : MsgAnswer::kNo;
  } else if (agree) {
    answer = MsgAnswer::kYes;
  } else if (question_answer_ == MsgAnswer::kNo) {
    answer = MsgAnswer::kNo;
  }
  err_ << " [" << AnswerName(answer) << "]\n";
  return answer;
}

std::optional<std::string> CConsoleFrontEnd::AskFile(const CFileRequest&) { return std::nullopt; }

bool CConsoleFrontEnd::RunDialog(CDialogModel& model) {
  CloseProgress();
  auto answer = dialog_answers_.find(typeid(model));
  const bool accepted = answer != dialog_answers_.end() && answer->second(model);
  if (!accepted) model.Cancel();
  return accepted;
}

void CConsoleFrontEnd::OpenProgress(const std::string& title, int) {
  progress_title_ = title;
  progress_drawn_ = false;
}

bool CConsoleFrontEnd::StepProgress(int, const std::string& percent, const std::string& time_left) {
  if (show_progress_) {
    err_ << '\r' << progress_title_ << ' ' << percent;
    if (!time_left.empty()) err_ << "  Time left: " << time_left;
    err_.flush();
    progress_drawn_ = true;
  }
  return false;
}

void CConsoleFrontEnd::CloseProgress() {
  if (progress_drawn_) err_ << '\n';
  progress_drawn_ = false;
}

void CConsoleFrontEnd::ShowLog(const std::string& text) {
  CloseProgress();
  out_ << ConsoleLines(text);
  if (!text.empty() && text.back() != '\n') out_ << '\n';
}

void CConsoleFrontEnd::SetStatusText(int, const std::string&) {}

void CConsoleFrontEnd::EndProgram(int exit_status) {
  CloseProgress();
  out_.flush();
  err_.flush();
  std::exit(exit_status);
}
