// CLogDialog, the "Import log" dialog (dialog 176): one read-only text with a scroll bar.
#pragma once

#include <wx/dialog.h>

#include <string>

class CLogDialog : public wxDialog {
 public:
  // `text` is the core's log, lines ended by "\r\n".
  CLogDialog(wxWindow* parent, const std::string& text);
};
