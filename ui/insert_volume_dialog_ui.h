// CDlgInsertVolume, the "Insert volume" dialog (dialog 194): asks for the medium with a label.
// ShowModal returns 1 (OK: look again), 2 ("Skip volume") or 4 ("Abort").
#pragma once

#include <wx/dialog.h>

class CDlgInsertVolume : public wxDialog {
 public:
  CDlgInsertVolume(wxWindow* parent, const wxString& label, bool skip_enabled);
};
