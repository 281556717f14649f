// CPrintDlg, the "Printing" dialog over its model CPrintDlgModel: the radio groups "Pictures
// per page" ("1", "2", "4" and the disabled "Contactsheet") and "Mode" ("Current picture",
// "Selected"), "Print" and "Cancel". The dialog only shows the model: what is offered, what
// is preset and whether "Print" may close it are the model's.
#pragma once

#include <wx/dialog.h>

#include <array>
#include <functional>

struct CDialogHost;
class CPrintDlgModel;
class wxKeyEvent;
class wxRadioButton;

class CPrintDlg : public wxDialog {
 public:
  // The model must outlive the dialog. F1 opens the help through the host.
  CPrintDlg(const CDialogHost& host, CPrintDlgModel& model);

 private:
  void OnPrint();
  void OnCharHook(wxKeyEvent& event);

  CPrintDlgModel& model_;
  std::function<void()> show_help_;
  std::array<wxRadioButton*, 4> per_page_{};  // by print mode
  wxRadioButton* current_picture_ = nullptr;
  wxRadioButton* selected_ = nullptr;
};
