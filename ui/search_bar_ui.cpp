#include "ui/search_bar_ui.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "base/resource_ids.h"
#include "ui/command_ids_ui.h"
#include "ui/wx_text_ui.h"

namespace {

// Widths of the bar's fields in dialog units.
constexpr int kTextWidth = 170;
constexpr int kCategoryWidth = 110;
constexpr int kGap = 4;

}  // namespace

CSearchBar::CSearchBar(wxWindow* parent) : wxPanel(parent, WxIdOf(IDD_SEARCH_BAR)) {
  text_ = new wxTextCtrl(this, WxIdOf(IDC_SEARCH_WORDS), wxString(), wxDefaultPosition,
                         wxSize(ConvertDialogToPixels(wxSize(kTextWidth, 0)).x, -1),
                         wxTE_PROCESS_ENTER);
  text_->SetMaxLength(kMaxWordsLength);
  category_ = new wxChoice(this, WxIdOf(IDC_SEARCH_CATEGORY), wxDefaultPosition,
                           wxSize(ConvertDialogToPixels(wxSize(kCategoryWidth, 0)).x, -1), 0,
                           nullptr, wxCB_SORT);
  find_ = new wxButton(this, WxIdOf(IDC_SEARCH_FIND), "Find");
  auto* clear = new wxButton(this, WxIdOf(IDC_SEARCH_CLEAR), "Clear");
  find_->SetDefault();
  // Enter in the text field presses the default button.
  text_->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) {
    if (!find_->IsEnabled()) return;
    wxCommandEvent click(wxEVT_BUTTON, find_->GetId());
    click.SetEventObject(find_);
    find_->GetEventHandler()->ProcessEvent(click);
  });

  auto changed = [this](wxCommandEvent& event) {
    event.Skip();
    if (change_action_) change_action_();
  };
  text_->Bind(wxEVT_TEXT, changed);
  category_->Bind(wxEVT_CHOICE, changed);

  const int gap = ConvertDialogToPixels(wxSize(kGap, 0)).x;
  auto* sizer = new wxBoxSizer(wxHORIZONTAL);
  sizer->Add(new wxStaticText(this, wxID_ANY, "Search:"), 0, wxALIGN_CENTER_VERTICAL | wxLEFT, gap);
  sizer->Add(text_, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, gap);
  sizer->Add(new wxStaticText(this, wxID_ANY, "Category:"), 0, wxALIGN_CENTER_VERTICAL | wxLEFT,
             2 * gap);
  sizer->Add(category_, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, gap);
  sizer->Add(find_, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 2 * gap);
  sizer->Add(clear, 0, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, gap);
  auto* outer = new wxBoxSizer(wxVERTICAL);
  outer->Add(sizer, 0, wxTOP | wxBOTTOM, gap / 2);
  SetSizerAndFit(outer);
}

void CSearchBar::SetCategoryChoices(const std::vector<std::string>& choices) {
  category_->Clear();
  for (const std::string& choice : choices) category_->Append(ToWx(choice));
  // The box is sorted: the first of the choices given ("ALL") is found by its text.
  if (!choices.empty()) category_->SetStringSelection(ToWx(choices.front()));
  if (change_action_) change_action_();
}

void CSearchBar::AddCategoryChoice(const std::string& choice) {
  const wxString selected = category_->GetStringSelection();
  category_->Append(ToWx(choice));
  category_->SetStringSelection(selected);
}

std::string CSearchBar::Words() const { return FromWx(text_->GetLineText(0)); }

std::string CSearchBar::Category() const { return FromWx(category_->GetStringSelection()); }

void CSearchBar::ShowState(const std::string& words, const std::string& category) {
  if (Words() != words) text_->ChangeValue(ToWx(words));
  if (Category() != category) category_->SetStringSelection(ToWx(category));
}
