// CFilePage, the "File" page (dialog 146) of the description editor over its
// CFilePageModel: in the group "Imagefile" the picture's path (1036) with "Browse" (1037), in
// the group "Media label" the label of the medium it came from (1038, shown only), each with
// its explanation.
#pragma once

#include <wx/panel.h>

#include <functional>

class CFilePageModel;
class wxTextCtrl;

class CFilePage : public wxPanel {
 public:
  // The model must outlive the page; `browse` lets the model choose a file.
  CFilePage(wxWindow* parent, CFilePageModel& model, std::function<void()> browse);

  // The user's input into the model.
  void Read();

 private:
  CFilePageModel& model_;
  wxTextCtrl* path_;
};
