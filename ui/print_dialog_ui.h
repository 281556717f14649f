// CPrintDlg, the "Printing" dialog over its model CPrintDlgModel: the radio groups "Pictures
// per page" ("1", "2", "4" and the disabled "Contactsheet") and "Mode" ("Current picture",
// "Selected"), "Print" and "Cancel". The dialog only shows the model: what is offered, what
// is preset and whether "Print" may close it are the model's.
#pragma once

#include <wx/dialog.h>

#include <array>
#include <functional>

class CPrintDlgModel;
class wxKeyEvent;
class wxRadioButton;

class CPrintDlg : public wxDialog {
 public:
  // The model must outlive the dialog; `show_help` opens the help at the printing topic (F1).
  CPrintDlg(wxWindow* parent, CPrintDlgModel& model, std::function<void()> show_help);

  // Shows the dialog until the user leaves it: true when the user chose "Print" and the
  // model accepted the choices, which it then holds.
  bool Run();

 private:
  void OnPrint();
  void OnCharHook(wxKeyEvent& event);

  CPrintDlgModel& model_;
  std::function<void()> show_help_;
  std::array<wxRadioButton*, 4> per_page_{};  // by print mode
  wxRadioButton* current_picture_ = nullptr;
  wxRadioButton* selected_ = nullptr;
};
