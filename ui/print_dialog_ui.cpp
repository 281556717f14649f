#include "ui/print_dialog_ui.h"

#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

#include "base/resource_ids.h"
#include "publish/print_dialog_model.h"
#include "ui/command_ids_ui.h"
#include "ui/dialog_buttons_ui.h"
#include "ui/dialog_windows_ui.h"
#include "ui/wx_text_ui.h"

namespace {

constexpr const char* kPerPageLabels[] = {"1", "2", "4", "Contactsheet"};

const CDialogWindowFor<CPrintDlg, CPrintDlgModel> kPrintWindow;

}  // namespace

CPrintDlg::CPrintDlg(const CDialogHost& host, CPrintDlgModel& model)
    : wxDialog(host.parent, WxIdOf(IDD_PRINT), ToWx(model.Title())),
      model_(model),
      show_help_(host.show_help) {
  auto* groups = new wxBoxSizer(wxHORIZONTAL);
  auto* per_page = new wxStaticBoxSizer(wxVERTICAL, this, "Pictures per page");
  for (int mode = 0; mode < static_cast<int>(per_page_.size()); ++mode) {
    auto* button = new wxRadioButton(per_page->GetStaticBox(), wxID_ANY, kPerPageLabels[mode],
                                     wxDefaultPosition, wxDefaultSize, mode == 0 ? wxRB_GROUP : 0);
    button->Enable(CPrintDlgModel::PrintModeOffered(mode));
    button->SetValue(mode == model_.print_mode);
    per_page->Add(button, 0, wxALL, 4);
    per_page_[static_cast<size_t>(mode)] = button;
  }
  groups->Add(per_page, 0, wxALL | wxEXPAND, 8);

  auto* mode = new wxStaticBoxSizer(wxVERTICAL, this, "Mode");
  current_picture_ = new wxRadioButton(mode->GetStaticBox(), wxID_ANY, "Current picture",
                                       wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  selected_ = new wxRadioButton(mode->GetStaticBox(), wxID_ANY, "Selected");
  selected_->Enable(model_.SelectionOffered(PrintSelection::kSelected));
  (model_.selection == PrintSelection::kSelected ? selected_ : current_picture_)->SetValue(true);
  mode->Add(current_picture_, 0, wxALL, 4);
  mode->Add(selected_, 0, wxALL, 4);
  groups->Add(mode, 1, wxTOP | wxBOTTOM | wxRIGHT | wxEXPAND, 8);

  auto* buttons = OkCancelButtons(this, "Print", [this] { OnPrint(); });
  Bind(wxEVT_CHAR_HOOK, &CPrintDlg::OnCharHook, this);

  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(groups, 1, wxEXPAND);
  sizer->Add(buttons, 0, wxALL | wxEXPAND, 8);
  SetSizerAndFit(sizer);
  CentreOnParent();
}

void CPrintDlg::OnPrint() {
  for (size_t mode = 0; mode < per_page_.size(); ++mode) {
    if (per_page_[mode]->GetValue()) model_.print_mode = static_cast<int>(mode);
  }
  model_.selection =
      selected_->GetValue() ? PrintSelection::kSelected : PrintSelection::kCurrentPicture;
  if (model_.Accept()) EndModal(wxID_OK);
}

void CPrintDlg::OnCharHook(wxKeyEvent& event) {
  if (event.GetKeyCode() == WXK_F1 && show_help_) {
    show_help_();
    return;
  }
  event.Skip();
}
