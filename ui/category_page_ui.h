// CCategoryPage, the "Categories" page (dialog 143) of the description editor over its
// CCategoryPageModel: the categories with check boxes (1112), "Set as default" (1115), and in
// the group "Maintain categories" "New..." (1116) and "Delete" (1117).
#pragma once

#include <wx/panel.h>

class CCategoryCheckList;
class CCategoryPageModel;
class wxCheckBox;

class CCategoryPage : public wxPanel {
 public:
  // The model must outlive the page.
  CCategoryPage(wxWindow* parent, CCategoryPageModel& model);

  // The user's input into the model.
  void Read();

 private:
  CCategoryPageModel& model_;
  CCategoryCheckList* list_;
  wxCheckBox* set_as_default_;
};
