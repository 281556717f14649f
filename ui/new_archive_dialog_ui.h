// CNewArchiveDlg, the first-start dialog "No Photo Index selected": create an index in the
// proposed folder (Auto), create one elsewhere (Manual) or open one (Select).
#pragma once

#include <wx/dialog.h>

#include "base/front_end.h"

class CNewArchiveDlg : public wxDialog {
 public:
  CNewArchiveDlg(wxWindow* parent, const wxString& folder, bool auto_enabled);
  // The button that closed the dialog.
  NewArchiveChoice Choice() const { return choice_; }

 private:
  void OnPaint(wxPaintEvent& event);

  NewArchiveChoice choice_ = NewArchiveChoice::kCancel;
};
