#include "ui/category_page_ui.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

#include "base/resource_ids.h"
#include "classify/category_page_model.h"
#include "ui/category_check_list_ui.h"
#include "ui/command_ids_ui.h"
#include "ui/group_box_ui.h"

namespace {

const wxSize kListSize(200, 150);  // dialog units

}  // namespace

CCategoryPage::CCategoryPage(wxWindow* parent, CCategoryPageModel& model)
    : wxPanel(parent, WxIdOf(IDD_CATEGORY_PAGE)), model_(model) {
  list_ = new CCategoryCheckList(this, model_.choice, ConvertDialogToPixels(kListSize));
  set_as_default_ = new wxCheckBox(this, WxIdOf(IDC_CATEGORY_DEFAULT), "Set as default");
  set_as_default_->SetValue(model_.set_as_default);

  auto* group = MakeGroup(this, "Maintain categories", wxVERTICAL);
  auto* add = new wxButton(group->GetStaticBox(), WxIdOf(IDC_CATEGORY_PAGE_NEW), "New...");
  auto* remove = new wxButton(group->GetStaticBox(), WxIdOf(IDC_CATEGORY_DELETE), "Delete");
  group->Add(add, 0, wxALL | wxEXPAND, 6);
  group->Add(remove, 0, wxALL | wxEXPAND, 6);
  add->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    model_.New();
    list_->ShowItems();
  });
  remove->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    model_.selected = list_->FirstSelected();
    if (model_.Delete()) list_->ShowItems();
  });

  auto* side = new wxBoxSizer(wxVERTICAL);
  side->Add(group, 0, wxEXPAND);
  side->AddStretchSpacer();
  side->Add(set_as_default_, 0, wxTOP, 8);
  auto* sizer = new wxBoxSizer(wxHORIZONTAL);
  sizer->Add(list_, 1, wxALL | wxEXPAND, 12);
  sizer->Add(side, 0, wxTOP | wxRIGHT | wxBOTTOM | wxEXPAND, 12);
  SetSizer(sizer);
}

void CCategoryPage::Read() { model_.set_as_default = set_as_default_->GetValue(); }
