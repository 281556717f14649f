// CSilentFrontEnd: a front end that shows nothing and answers every question with No or Cancel
// (every dialog is cancelled) or nothing. For runs without a user: benchmarks and fuzz targets.
#pragma once

#include "base/front_end.h"

class CSilentFrontEnd : public CFrontEnd {
 public:
  // The number of message boxes and questions it was given.
  int messages = 0;

  MsgAnswer ShowMessage(const std::string&, MsgButtons buttons, MsgIcon) override {
    ++messages;
    return buttons == MsgButtons::kOk      ? MsgAnswer::kOk
           : buttons == MsgButtons::kYesNo ? MsgAnswer::kNo
                                           : MsgAnswer::kCancel;
  }
  std::optional<std::string> AskFile(const CFileRequest&) override { return std::nullopt; }
  bool RunDialog(CDialogModel& model) override {
    model.Cancel();
    return false;
  }
  void OpenProgress(const std::string&, int) override {}
  bool StepProgress(int, const std::string&, const std::string&) override { return false; }
  void CloseProgress() override {}
  void ShowLog(const std::string&) override {}
  void SetStatusText(int, const std::string&) override {}
  void BeginWaitCursor() override {}
  void EndWaitCursor() override {}
  void UpdateViews(int) override {}
  void SendCommandToDescendants(int) override {}
  void SetHelpTopic(int) override {}
  void SetCategoryChoices(const std::vector<std::string>&) override {}
  void AddCategoryChoice(const std::string&) override {}
  void EndProgram(int) override {}
};
