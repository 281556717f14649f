// CEditTekst, the "Description" page (dialog 102) of the description editor over its
// CDescriptionPageModel: the ID (1001), "When:" (1002), "Where" (1003), the description
// (1004, several lines), and under "Set as default" a "Repeat" check box for each of the three
// texts (1012, 1013, 1014).
#pragma once

#include <wx/panel.h>

#include <array>

class CDescriptionPageModel;
class wxCheckBox;
class wxTextCtrl;

class CEditTekst : public wxPanel {
 public:
  // The model must outlive the page.
  CEditTekst(wxWindow* parent, CDescriptionPageModel& model);

  // The user's input into the model.
  void Read();
  // The model's ID as it was checked (without the blanks around it).
  void ShowId();

 private:
  CDescriptionPageModel& model_;
  std::array<std::string, 3> shown_;  // the texts as the page opened with them
  wxTextCtrl* id_;
  std::array<wxTextCtrl*, 3> texts_{};
  std::array<wxCheckBox*, 3> repeat_{};
};
