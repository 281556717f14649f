#include "ui/search_dialog_ui.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "base/resource_ids.h"
#include "ui/command_ids_ui.h"
#include "ui/wx_text_ui.h"

namespace {

// The dialog's size in dialog units.
constexpr int kWidth = 329;
constexpr int kHeight = 95;

}  // namespace

CSoek::CSoek(wxWindow* parent) : wxDialog(parent, WxIdOf(IDD_SEARCH), "Search") {
  const wxSize size = ConvertDialogToPixels(wxSize(kWidth, kHeight));
  text_ = new wxTextCtrl(this, WxIdOf(IDC_SEARCH_QUERY), wxString(), wxDefaultPosition,
                         wxSize(size.x, size.y / 2), wxTE_MULTILINE);
  auto* buttons = new wxStdDialogButtonSizer;
  auto* search = new wxButton(this, wxID_OK, "Search");
  buttons->AddButton(search);
  buttons->AddButton(new wxButton(this, wxID_CANCEL, "Cancel"));
  buttons->Realize();
  search->SetDefault();
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(text_, 1, wxALL | wxEXPAND, 10);
  sizer->Add(buttons, 0, wxALL | wxEXPAND, 10);
  SetSizerAndFit(sizer);
  text_->SetFocus();
  CentreOnParent();
}

std::string CSoek::Query() const {
  std::string query = FromWx(text_->GetValue());
  // Return in this field starts a new line instead of pressing Search; the store's queries
  // split words at blanks, not at line breaks, so a line break stands between words.
  for (char& c : query) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return query;
}
