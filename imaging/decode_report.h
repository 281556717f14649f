// CDecodeReport: the front end a decode off the GUI thread reports to. It keeps the message
// boxes the decode would have shown (the JPEG library's messages), for the operation's own
// thread to show or log, and drops the rest: the status texts of a decode would only overwrite
// the operation's progress text.
#pragma once

#include <string>
#include <vector>

#include "base/silent_front_end.h"

// A message box that a decode would have shown.
struct CDecodeMessage {
  std::string text;
};

class CDecodeReport : public CSilentFrontEnd {
 public:
  // `messages` must outlive the report.
  explicit CDecodeReport(std::vector<CDecodeMessage>& messages) : messages_(messages) {}

  MsgAnswer ShowMessage(const std::string& text, MsgButtons, MsgIcon) override {
    messages_.push_back({text});
    return MsgAnswer::kOk;
  }

 private:
  std::vector<CDecodeMessage>& messages_;
};
