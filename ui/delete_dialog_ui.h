// CDeleteDlg, the delete dialog (dialog 137) over its model CDeleteModel: "Are you sure you
// want to delete?" with the scope "This picture" or "Selected pictures", Yes and No.
#pragma once

#include <wx/dialog.h>

class CDeleteModel;
struct CDialogHost;
class wxRadioButton;

class CDeleteDlg : public wxDialog {
 public:
  // The model must outlive the dialog.
  CDeleteDlg(const CDialogHost& host, CDeleteModel& model);

 private:
  CDeleteModel& model_;
  wxRadioButton* this_picture_ = nullptr;
};
