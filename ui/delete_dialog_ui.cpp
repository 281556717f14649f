#include "ui/delete_dialog_ui.h"

#include <wx/button.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/delete_dialog_model.h"
#include "base/resource_ids.h"
#include "ui/command_ids_ui.h"
#include "ui/dialog_windows_ui.h"
#include "ui/wx_text_ui.h"

namespace {

const CDialogWindowFor<CDeleteDlg, CDeleteModel> kDeleteWindow;

}  // namespace

CDeleteDlg::CDeleteDlg(const CDialogHost& host, CDeleteModel& model)
    : wxDialog(host.parent, WxIdOf(IDD_DELETE), ToWx(model.Title())), model_(model) {
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(new wxStaticText(this, wxID_ANY, "Are you sure you want to delete?"), 0, wxALL, 10);
  this_picture_ = new wxRadioButton(this, wxID_ANY, "This picture", wxDefaultPosition,
                                    wxDefaultSize, wxRB_GROUP);
  auto* selected = new wxRadioButton(this, wxID_ANY, "Selected pictures");
  sizer->Add(this_picture_, 0, wxLEFT | wxRIGHT, 20);
  sizer->Add(selected, 0, wxLEFT | wxRIGHT | wxTOP, 20);
  (model_.scope == DeleteScope::kThisPicture ? this_picture_ : selected)->SetValue(true);

  auto* buttons = new wxStdDialogButtonSizer;
  auto* yes = new wxButton(this, wxID_YES, "&Yes");
  auto* no = new wxButton(this, wxID_NO, "&No");
  buttons->AddButton(yes);
  buttons->AddButton(no);
  buttons->Realize();
  // Yes is the dialog's OK, No its Cancel.
  yes->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    model_.scope =
        this_picture_->GetValue() ? DeleteScope::kThisPicture : DeleteScope::kSelectedPictures;
    if (model_.Accept()) EndModal(wxID_OK);
  });
  no->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(wxID_CANCEL); });
  SetEscapeId(wxID_NO);
  yes->SetDefault();
  sizer->Add(buttons, 0, wxALL | wxEXPAND, 10);
  SetSizerAndFit(sizer);
  CentreOnParent();
}
