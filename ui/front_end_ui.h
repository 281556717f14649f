// CWxFrontEnd, the front-end seam in real windows: native message boxes and file dialogs, each
// dialog model in the window registered for it (ui/dialog_windows_ui.h), the progress and log
// dialogs, the main frame's status bar, cursor and views.
#pragma once

#include <memory>

#include "base/front_end.h"

class CMainFrame;
class CProgressDialog;
class wxWindow;

class CWxFrontEnd : public CFrontEnd {
 public:
  explicit CWxFrontEnd(CMainFrame& frame);
  ~CWxFrontEnd() override;

  int HelpTopic() const;

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
  void EndProgram(int exit_status) override;

 private:
  // The window a new modal window goes over: the innermost modal dialog, else the frame.
  wxWindow* TopWindow() const;

  CMainFrame& frame_;
  CProgressDialog* progress_ = nullptr;  // owned by wx while shown
};

// The wx wildcard of a file-dialog filter "Text (*.acx)|*.acx||": the trailing "||" dropped.
std::string WxWildcardOf(const std::string& filter);

// The chosen path with ".ext" appended when its file name has no extension.
std::string WithDefaultExtension(const std::string& path, const std::string& default_ext);
