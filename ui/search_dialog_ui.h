// CSoek, the "Search" dialog (dialog 130) of the toolbar's search button: one multi-line text
// field (1000) for a query as the store reads it, "Search" (the default) and "Cancel".
#pragma once

#include <wx/dialog.h>

#include <string>

class wxTextCtrl;

class CSoek : public wxDialog {
 public:
  explicit CSoek(wxWindow* parent);
  // The query as typed, each line break turned into a blank.
  std::string Query() const;

 private:
  wxTextCtrl* text_;
};
