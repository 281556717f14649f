#include "ui/front_end_ui.h"

#include <wx/dialog.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

#include <cstdlib>

#include "base/resource_ids.h"
#include "base/string_table.h"
#include "ui/dialog_windows_ui.h"
#include "ui/log_dialog_ui.h"
#include "ui/main_frame_ui.h"
#include "ui/modal_dialog_ui.h"
#include "ui/progress_dialog_ui.h"
#include "ui/wx_text_ui.h"

std::string WxWildcardOf(const std::string& filter) {
  std::string wildcard = filter;
  while (!wildcard.empty() && wildcard.back() == '|') wildcard.pop_back();
  return wildcard;
}

std::string WithDefaultExtension(const std::string& path, const std::string& default_ext) {
  if (default_ext.empty()) return path;
  size_t name = path.find_last_of('/');
  name = name == std::string::npos ? 0 : name + 1;
  return path.find('.', name) == std::string::npos ? path + "." + default_ext : path;
}

CWxFrontEnd::CWxFrontEnd(CMainFrame& frame) : frame_(frame) {}

wxWindow* CWxFrontEnd::TopWindow() const {
  // A dialog that a dialog opens (the folder picker of "Browse", its "New") and a message box
  // that a dialog shows stay over that dialog.
  if (wxDialog* dialog = ShownModalDialog()) return dialog;
  return &frame_;
}

CWxFrontEnd::~CWxFrontEnd() { CloseProgress(); }

MsgAnswer CWxFrontEnd::ShowMessage(const std::string& text, MsgButtons buttons, MsgIcon icon) {
  long style = 0;
  switch (buttons) {
    case MsgButtons::kOk:
      style |= wxOK;
      break;
    case MsgButtons::kOkCancel:
      style |= wxOK | wxCANCEL;
      break;
    case MsgButtons::kYesNo:
      style |= wxYES_NO;
      break;
    case MsgButtons::kYesNoCancel:
      style |= wxYES_NO | wxCANCEL;
      break;
  }
  switch (icon) {
    case MsgIcon::kNone:
      style |= wxICON_NONE;
      break;
    case MsgIcon::kInformation:
      style |= wxICON_INFORMATION;
      break;
    case MsgIcon::kWarning:
      style |= wxICON_WARNING;
      break;
    case MsgIcon::kError:
      style |= wxICON_ERROR;
      break;
    case MsgIcon::kQuestion:
      style |= wxICON_QUESTION;
      break;
  }
  wxMessageDialog dialog(TopWindow(), ToWx(text), ToWx(LoadString(IDS_APP_TITLE)), style);
  switch (dialog.ShowModal()) {
    case wxID_YES:
      return MsgAnswer::kYes;
    case wxID_NO:
      return MsgAnswer::kNo;
    case wxID_OK:
      return MsgAnswer::kOk;
    default:
      return buttons == MsgButtons::kYesNo ? MsgAnswer::kNo : MsgAnswer::kCancel;
  }
}

std::optional<std::string> CWxFrontEnd::AskFile(const CFileRequest& request) {
  long style = request.save ? wxFD_SAVE : wxFD_OPEN;
  if (request.must_exist) style |= wxFD_FILE_MUST_EXIST;
  wxString folder, name;
  if (!request.initial_path.empty()) {
    if (wxDirExists(ToWx(request.initial_path))) {
      folder = ToWx(request.initial_path);
    } else {
      wxFileName::SplitPath(ToWx(request.initial_path), &folder, &name, nullptr);
    }
  }
  wxString title = request.title.empty() ? wxString(wxFileSelectorPromptStr) : ToWx(request.title);
  wxFileDialog dialog(&frame_, title, folder, name, ToWx(WxWildcardOf(request.filter)), style);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  return WithDefaultExtension(FromWx(dialog.GetPath()), request.default_ext);
}

bool CWxFrontEnd::RunDialog(CDialogModel& model) {
  // The frame waits under the dialog: F1 there opens the help at the command's topic.
  return RunDialogWindow({TopWindow(), [this] { frame_.ExecuteCommand(ID_HELP_CONTENTS); }}, model);
}

void CWxFrontEnd::OpenProgress(const std::string& title, int range) {
  CloseProgress();
  progress_ = new CProgressDialog(&frame_, ToWx(title), range);
  frame_.BeginBusy([this] {
    if (progress_) progress_->Abort();
  });
  progress_->Show();
  progress_->Update();
}

bool CWxFrontEnd::StepProgress(int position, const std::string& percent,
                               const std::string& time_left) {
  return progress_ && progress_->Step(position, ToWx(percent), ToWx(time_left));
}

void CWxFrontEnd::CloseProgress() {
  if (!progress_) return;
  progress_->Destroy();
  progress_ = nullptr;
  frame_.EndBusy();
}

void CWxFrontEnd::ShowLog(const std::string& text) {
  CLogDialog dialog(TopWindow(), text);
  dialog.ShowModal();
}

void CWxFrontEnd::SetStatusText(int pane, const std::string& text) {
  frame_.SetStatusText(ToWx(text), pane);
}

void CWxFrontEnd::BeginWaitCursor() { wxBeginBusyCursor(); }

void CWxFrontEnd::EndWaitCursor() { wxEndBusyCursor(); }

void CWxFrontEnd::UpdateViews(int hint) { frame_.UpdateViews(hint); }

void CWxFrontEnd::SendCommandToDescendants(int command) { frame_.SendToDescendants(command); }

void CWxFrontEnd::SetHelpTopic(int topic) { frame_.SetHelpTopic(topic); }

int CWxFrontEnd::HelpTopic() const { return frame_.HelpTopic(); }

void CWxFrontEnd::SetCategoryChoices(const std::vector<std::string>& choices) {
  frame_.SetCategoryChoices(choices);
}

void CWxFrontEnd::EndProgram(int exit_status) { std::exit(exit_status); }
