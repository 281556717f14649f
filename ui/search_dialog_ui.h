// CSoek, the "Search" dialog (dialog 130) of the toolbar's search button over its model
// CSoekModel: one multi-line text field (1000) for a query as the store reads it, "Search"
// (the default) and "Cancel".
#pragma once

#include <wx/dialog.h>

struct CDialogHost;
class CSoekModel;
class wxTextCtrl;

class CSoek : public wxDialog {
 public:
  // The model must outlive the dialog.
  CSoek(const CDialogHost& host, CSoekModel& model);

 private:
  CSoekModel& model_;
  wxTextCtrl* text_;
};
