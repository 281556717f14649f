// CNewArchiveDlg, the first-start dialog "No Photo Index selected" over its model
// CNewArchiveModel: create an index in the proposed folder (Auto), create one elsewhere
// (Manual) or open one (Select).
#pragma once

#include <wx/dialog.h>

struct CDialogHost;
class CNewArchiveModel;

class CNewArchiveDlg : public wxDialog {
 public:
  // The model must outlive the dialog.
  CNewArchiveDlg(const CDialogHost& host, CNewArchiveModel& model);

 private:
  void OnPaint(wxPaintEvent& event);
};
