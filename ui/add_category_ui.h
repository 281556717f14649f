// CAddCategory, the "Add category" dialog (dialog 183) over its model CAddCategoryModel:
// "Enter new category:" with a field of at most 19 characters, OK and Cancel.
#pragma once

#include <wx/dialog.h>

class CAddCategoryModel;
struct CDialogHost;
class wxTextCtrl;

class CAddCategory : public wxDialog {
 public:
  // The model must outlive the dialog.
  CAddCategory(const CDialogHost& host, CAddCategoryModel& model);

 private:
  CAddCategoryModel& model_;
  wxTextCtrl* name_;
};
