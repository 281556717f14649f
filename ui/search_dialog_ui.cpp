#include "ui/search_dialog_ui.h"

#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "app/search_dialog_model.h"
#include "base/resource_ids.h"
#include "ui/command_ids_ui.h"
#include "ui/dialog_buttons_ui.h"
#include "ui/dialog_windows_ui.h"
#include "ui/wx_text_ui.h"

namespace {

// The dialog's size in dialog units.
constexpr int kWidth = 329;
constexpr int kHeight = 95;

const CDialogWindowFor<CSoek, CSoekModel> kSearchWindow;

}  // namespace

CSoek::CSoek(const CDialogHost& host, CSoekModel& model)
    : wxDialog(host.parent, WxIdOf(IDD_SEARCH), ToWx(model.Title())), model_(model) {
  const wxSize size = ConvertDialogToPixels(wxSize(kWidth, kHeight));
  text_ = new wxTextCtrl(this, WxIdOf(IDC_SEARCH_QUERY), ToWx(model_.query), wxDefaultPosition,
                         wxSize(size.x, size.y / 2), wxTE_MULTILINE);
  auto* buttons = OkCancelButtons(this, "Search", [this] {
    model_.SetTypedText(FromWx(text_->GetValue()));
    if (model_.Accept()) EndModal(wxID_OK);
  });
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(text_, 1, wxALL | wxEXPAND, 10);
  sizer->Add(buttons, 0, wxALL | wxEXPAND, 10);
  SetSizerAndFit(sizer);
  text_->SetFocus();
  CentreOnParent();
}
