// CCategoryList, the "Select category" dialog (dialog 182) of "Add to category..." over its
// model CCategoryListModel: the categories with check boxes, "New...", OK and Cancel.
#pragma once

#include <wx/dialog.h>

class CCategoryCheckList;
class CCategoryListModel;
struct CDialogHost;

class CCategoryList : public wxDialog {
 public:
  // The model must outlive the dialog.
  CCategoryList(const CDialogHost& host, CCategoryListModel& model);

  CCategoryCheckList* list() const { return list_; }

 private:
  CCategoryListModel& model_;
  CCategoryCheckList* list_;
};
