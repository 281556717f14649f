// CDeleteDlg: "Are you sure you want to delete?" with the scope "This picture" or "Selected
// pictures".
#pragma once

#include <wx/dialog.h>

#include "base/front_end.h"

class wxRadioButton;

class CDeleteDlg : public wxDialog {
 public:
  CDeleteDlg(wxWindow* parent, DeleteScope preset);
  DeleteScope Scope() const;

 private:
  wxRadioButton* this_picture_ = nullptr;
};
