// The "Operation progress" dialog (dialog 138): modeless, so the main window stays usable
// while a long operation runs on the GUI thread.
#pragma once

#include <wx/dialog.h>

class wxGauge;
class wxStaticText;

class CProgressDialog : public wxDialog {
 public:
  CProgressDialog(wxWindow* parent, const wxString& title, int range);
  // Shows the position and the texts, then lets pending input through; true once "Abort"
  // was pressed.
  bool Step(int position, const wxString& percent, const wxString& time_left);
  // What "Abort" does: the operation stops after its current step.
  void Abort() { aborted_ = true; }
  // The bar's position and range (for the automation).
  int Position() const;
  int Range() const;

 private:
  wxGauge* bar_ = nullptr;
  wxStaticText* percent_ = nullptr;
  wxStaticText* time_left_ = nullptr;
  bool aborted_ = false;
};
