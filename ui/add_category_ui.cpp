#include "ui/add_category_ui.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "base/resource_ids.h"
#include "classify/add_category_model.h"
#include "classify/category_rules.h"
#include "ui/command_ids_ui.h"
#include "ui/dialog_buttons_ui.h"
#include "ui/dialog_windows_ui.h"
#include "ui/wx_text_ui.h"

namespace {

constexpr int kWidth = 186;  // dialog units

const CDialogWindowFor<CAddCategory, CAddCategoryModel> kAddCategoryWindow;

}  // namespace

CAddCategory::CAddCategory(const CDialogHost& host, CAddCategoryModel& model)
    : wxDialog(host.parent, WxIdOf(IDD_ADD_CATEGORY), ToWx(model.Title())), model_(model) {
  auto* label = new wxStaticText(this, wxID_ANY, "Enter new category:");
  name_ = new wxTextCtrl(this, WxIdOf(IDC_NEW_CATEGORY), ToWx(model_.name), wxDefaultPosition,
                         wxSize(ConvertDialogToPixels(wxSize(kWidth - 20, 0)).x, -1));
  name_->SetMaxLength(kMaxCategoryLength);
  auto* buttons = OkCancelButtons(this, "OK", [this] {
    model_.name = FromWx(name_->GetValue());
    if (model_.Accept()) EndModal(wxID_OK);
  });
  BindHelpKey(this, host);
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(label, 0, wxLEFT | wxRIGHT | wxTOP, 10);
  sizer->Add(name_, 0, wxALL | wxEXPAND, 10);
  sizer->Add(buttons, 0, wxALL | wxEXPAND, 10);
  SetSizerAndFit(sizer);
  name_->SetFocus();
  CentreOnParent();
}
