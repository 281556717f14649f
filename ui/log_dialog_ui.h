// CLogDialog, the "Import log" dialog (dialog 176): one read-only text with a scroll bar. The
// web album shows its log in it under a title of its own.
#pragma once

#include <wx/dialog.h>

#include <string>

class CLogDialog : public wxDialog {
 public:
  // `text` is the core's log, lines ended by "\r\n".
  CLogDialog(wxWindow* parent, const std::string& text, const std::string& title = "Import log");
};
