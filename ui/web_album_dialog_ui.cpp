#include "ui/web_album_dialog_ui.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "base/resource_ids.h"
#include "publish/web_album_dialog_model.h"
#include "publish/web_album_log_model.h"
#include "ui/command_ids_ui.h"
#include "ui/dialog_windows_ui.h"
#include "ui/log_dialog_ui.h"
#include "ui/wx_text_ui.h"

namespace {

constexpr int kGap = 8;

// The log of a web album, in the import's log window.
class CWebAlbumLogWindow : public CLogDialog {
 public:
  CWebAlbumLogWindow(const CDialogHost& host, CWebAlbumLogModel& model)
      : CLogDialog(host.parent, model.text, model.Title()) {}
};

const CDialogWindowFor<CGenWeb, CGenWebModel> kGenWebWindow;
const CDialogWindowFor<CWebAlbumLogWindow, CWebAlbumLogModel> kWebAlbumLogWindow;

wxChoice* Choice(wxWindow* parent, int id, const std::vector<std::string>& entries, int chosen) {
  wxArrayString items;
  for (const std::string& entry : entries) items.Add(ToWx(entry));
  auto* choice = new wxChoice(parent, WxIdOf(id), wxDefaultPosition, wxDefaultSize, items);
  choice->SetSelection(chosen);
  return choice;
}

}  // namespace

CGenWeb::CGenWeb(const CDialogHost& host, CGenWebModel& model)
    : wxDialog(host.parent, WxIdOf(IDD_GENERATE_WEB), ToWx(model.Title())), model_(model) {
  category_scope_ = new wxRadioButton(this, WxIdOf(IDC_WEB_SCOPE_CATEGORY), "Category",
                                      wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  selected_scope_ = new wxRadioButton(this, WxIdOf(IDC_WEB_SCOPE_SELECTED), "Selected");
  category_ =
      Choice(this, IDC_WEB_CATEGORY, model_.scope.CategoryEntries(), model_.scope.category_entry);
  style_ = Choice(this, IDC_WEB_STYLE, CGenWebModel::StyleEntries(), model_.style);
  heading_ = new wxTextCtrl(this, WxIdOf(IDC_WEB_HEADING), ToWx(model_.heading));
  heading_->SetMaxLength(CGenWebModel::kMaxHeadingLength);
  quality_ = Choice(this, IDC_WEB_QUALITY, CGenWebModel::QualityEntries(), model_.quality);
  selected_scope_->Enable(model_.scope.SelectedEnabled());
  (model_.scope.scope == CRecordScope::Scope::kSelected ? selected_scope_ : category_scope_)
      ->SetValue(true);
  ShowScope();

  for (wxRadioButton* radio : {category_scope_, selected_scope_}) {
    radio->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) {
      model_.scope.Choose(selected_scope_->GetValue() ? CRecordScope::Scope::kSelected
                                                      : CRecordScope::Scope::kCategory);
      ShowScope();
    });
  }

  auto* grid = new wxFlexGridSizer(2, kGap, kGap);
  grid->AddGrowableCol(1);
  grid->Add(category_scope_, 0, wxALIGN_CENTER_VERTICAL);
  grid->Add(category_, 1, wxEXPAND);
  grid->Add(selected_scope_, 0, wxALIGN_CENTER_VERTICAL);
  grid->AddSpacer(0);
  const auto labelled = [&](const char* label, wxWindow* control) {
    grid->Add(new wxStaticText(this, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(control, 1, wxEXPAND);
  };
  labelled("Style", style_);
  labelled("Page heading", heading_);
  labelled("Picture quality", quality_);

  auto* buttons = new wxStdDialogButtonSizer;
  auto* ok = new wxButton(this, wxID_OK, "OK");
  buttons->AddButton(ok);
  buttons->AddButton(new wxButton(this, wxID_CANCEL, "Cancel"));
  buttons->Realize();
  ok->SetDefault();
  ok->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    Collect();
    if (model_.Accept()) EndModal(wxID_OK);
  });

  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(grid, 1, wxALL | wxEXPAND, 2 * kGap);
  sizer->Add(buttons, 0, wxLEFT | wxRIGHT | wxBOTTOM | wxEXPAND, 2 * kGap);
  SetSizerAndFit(sizer);
  CentreOnParent();
}

void CGenWeb::ShowScope() { category_->Enable(model_.scope.CategoryEnabled()); }

void CGenWeb::Collect() {
  model_.scope.category_entry = std::max(category_->GetSelection(), 0);
  model_.style = std::max(style_->GetSelection(), 0);
  model_.SetHeading(FromWx(heading_->GetValue()));
  model_.quality = std::max(quality_->GetSelection(), 0);
}
