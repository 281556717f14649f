// CGenWeb, the "Generate web pages" dialog over its model CGenWebModel: the scope "Category" or
// "Selected" with the category box, the style, the page heading and the picture quality, OK and
// Cancel. The log of a web album that left pictures out is shown in the import's log window.
#pragma once

#include <wx/dialog.h>

class CGenWebModel;
struct CDialogHost;
class wxChoice;
class wxRadioButton;
class wxTextCtrl;

class CGenWeb : public wxDialog {
 public:
  // The model must outlive the dialog.
  CGenWeb(const CDialogHost& host, CGenWebModel& model);

 private:
  // The category box follows the scope.
  void ShowScope();
  // Writes the controls into the model.
  void Collect();

  CGenWebModel& model_;
  wxRadioButton* category_scope_ = nullptr;
  wxRadioButton* selected_scope_ = nullptr;
  wxChoice* category_ = nullptr;
  wxChoice* style_ = nullptr;
  wxTextCtrl* heading_ = nullptr;
  wxChoice* quality_ = nullptr;
};
