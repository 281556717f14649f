#include "ui/category_list_ui.h"

#include <wx/button.h>
#include <wx/sizer.h>

#include "base/resource_ids.h"
#include "classify/category_list_model.h"
#include "ui/category_check_list_ui.h"
#include "ui/command_ids_ui.h"
#include "ui/dialog_buttons_ui.h"
#include "ui/dialog_windows_ui.h"
#include "ui/wx_text_ui.h"

namespace {

const wxSize kListSize(170, 220);  // dialog units

const CDialogWindowFor<CCategoryList, CCategoryListModel> kCategoryListWindow;

}  // namespace

CCategoryList::CCategoryList(const CDialogHost& host, CCategoryListModel& model)
    : wxDialog(host.parent, WxIdOf(IDD_SELECT_CATEGORY), ToWx(model.Title())), model_(model) {
  list_ = new CCategoryCheckList(this, model_.choice, ConvertDialogToPixels(kListSize));
  auto* add = new wxButton(this, WxIdOf(IDC_CATEGORY_LIST_NEW), "New...");
  add->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    model_.New();
    list_->ShowItems();
  });
  auto* buttons = OkCancelButtons(this, "OK", [this] {
    if (model_.Accept()) EndModal(wxID_OK);
  });
  BindHelpKey(this, host);
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(list_, 1, wxALL | wxEXPAND, 10);
  sizer->Add(add, 0, wxLEFT | wxRIGHT, 10);
  sizer->Add(buttons, 0, wxALL | wxEXPAND, 10);
  SetSizerAndFit(sizer);
  CentreOnParent();
}
