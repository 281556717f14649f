#include "ui/description_page_ui.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/description_page_model.h"
#include "base/resource_ids.h"
#include "base/text_rules.h"
#include "ui/command_ids_ui.h"
#include "ui/wx_text_ui.h"

namespace {

constexpr int kTextIds[] = {IDC_DESCR_WHEN, IDC_DESCR_WHERE, IDC_DESCR_TEXT};
constexpr int kRepeatIds[] = {IDC_REPEAT_WHEN, IDC_REPEAT_WHERE, IDC_REPEAT_DESCRIPTION};
constexpr const char* kLabels[] = {"When:", "Where", "Description:"};
constexpr int kDescriptionIndex = 2;
const wxSize kTextSize(220, 0);          // dialog units
const wxSize kDescriptionSize(220, 90);  // dialog units

}  // namespace

CEditTekst::CEditTekst(wxWindow* parent, CDescriptionPageModel& model)
    : wxPanel(parent, WxIdOf(IDD_DESCRIPTION_PAGE)), model_(model) {
  auto* grid = new wxFlexGridSizer(3, wxSize(8, 6));
  grid->AddGrowableCol(1);
  grid->AddGrowableRow(4);
  grid->AddSpacer(0);
  grid->AddSpacer(0);
  grid->Add(new wxStaticText(this, wxID_ANY, "Set as default"), 0, wxALIGN_CENTER_HORIZONTAL);

  const int width = ConvertDialogToPixels(kTextSize).x;
  id_ = new wxTextCtrl(this, WxIdOf(IDC_DESCR_ID), ToWx(model_.id), wxDefaultPosition,
                       wxSize(width, -1));
  // A longer ID from a damaged index is shown whole, not cut by the field.
  if (CharacterCount(model_.id) <= CDescriptionPageModel::kMaxIdLength) {
    id_->SetMaxLength(CDescriptionPageModel::kMaxIdLength);
  }
  grid->Add(new wxStaticText(this, wxID_ANY, "ID:"), 0, wxALIGN_CENTER_VERTICAL);
  grid->Add(id_, 0, wxEXPAND);
  grid->AddSpacer(0);

  for (int i = 0; i < 3; ++i) {
    shown_[i] = i == kDescriptionIndex ? LineFeedsOnly(model_.texts[i]) : model_.texts[i];
    const bool lines = i == kDescriptionIndex;
    texts_[i] = new wxTextCtrl(this, WxIdOf(kTextIds[i]), ToWx(shown_[i]), wxDefaultPosition,
                               lines ? ConvertDialogToPixels(kDescriptionSize) : wxSize(width, -1),
                               lines ? wxTE_MULTILINE | wxVSCROLL : 0);
    repeat_[i] = new wxCheckBox(this, WxIdOf(kRepeatIds[i]), "Repeat");
    repeat_[i]->SetValue(model_.repeat[i]);
    grid->Add(new wxStaticText(this, wxID_ANY, kLabels[i]), 0,
              lines ? wxALIGN_TOP : wxALIGN_CENTER_VERTICAL);
    grid->Add(texts_[i], lines ? 1 : 0, wxEXPAND);
    grid->Add(repeat_[i], 0, lines ? wxALIGN_TOP : wxALIGN_CENTER_VERTICAL);
  }
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(grid, 1, wxALL | wxEXPAND, 12);
  SetSizer(sizer);
}

void CEditTekst::Read() {
  model_.id = EditedText(id_->GetValue(), model_.record_id);
  for (int i = 0; i < 3; ++i) {
    std::string text = EditedText(texts_[i]->GetValue(), shown_[i]);
    // The field gives bare line feeds; the store keeps "\r\n".
    model_.texts[i] = i == kDescriptionIndex ? StoredLineBreaks(text) : text;
    model_.repeat[i] = repeat_[i]->GetValue();
  }
}

void CEditTekst::ShowId() { id_->ChangeValue(ToWx(model_.id)); }
