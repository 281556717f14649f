#include "ui/info_page_ui.h"

#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/info_page_model.h"
#include "base/resource_ids.h"
#include "ui/cell_editor_link_ui.h"
#include "ui/command_ids_ui.h"
#include "ui/edit_field_ui.h"
#include "ui/group_box_ui.h"
#include "ui/wx_text_ui.h"

namespace {

// The custom-field list's columns, in pixels.
constexpr int kDefWidth = 30;
constexpr int kLabelWidth = 100;
constexpr int kValueWidth = 296;
constexpr int kListRows = 7;
constexpr int kLocationWidth = 150;  // dialog units

}  // namespace

CInfoDlg2::CInfoDlg2(wxWindow* parent, CInfoPageModel& model)
    : wxPanel(parent, WxIdOf(IDD_INFO_PAGE)),
      model_(model),
      editing_(static_cast<int>(model.fields.size())) {
  auto* reference = MakeGroup(this, "Storage reference", wxHORIZONTAL);
  wxWindow* box = reference->GetStaticBox();
  wxArrayString locations;
  for (const std::string& location : model_.LocationChoices()) locations.Add(ToWx(location));
  location_ = new wxComboBox(
      box, WxIdOf(IDC_INFO_LOCATION), ToWx(model_.location), wxDefaultPosition,
      wxSize(ConvertDialogToPixels(wxSize(kLocationWidth, 0)).x, -1), locations, wxCB_DROPDOWN);
  reference_ = new wxTextCtrl(box, WxIdOf(IDC_INFO_REFERENCE), ToWx(model_.reference));
  reference->Add(new wxStaticText(box, wxID_ANY, "Location:"), 0, wxALIGN_CENTER_VERTICAL | wxALL,
                 4);
  reference->Add(location_, 1, wxALIGN_CENTER_VERTICAL | wxALL, 4);
  reference->Add(new wxStaticText(box, wxID_ANY, "Refno:"), 0,
                 wxALIGN_CENTER_VERTICAL | wxLEFT | wxTOP | wxBOTTOM, 12);
  reference->Add(reference_, 1, wxALIGN_CENTER_VERTICAL | wxALL, 4);

  auto* quality = MakeGroup(this, "Image quality", wxVERTICAL);
  const wxString lines[] = {"1", "2", "3", "4"};
  // The one line of the quality list, as a drop-down that shows the line chosen.
  quality_ = new wxChoice(quality->GetStaticBox(), WxIdOf(IDC_INFO_QUALITY), wxDefaultPosition,
                          wxDefaultSize, CInfoPageModel::kQualityLines, lines);
  quality_->SetSelection(model_.quality_line);
  quality->Add(quality_, 0, wxALL | wxEXPAND, 4);

  auto* custom = MakeGroup(this, "Custom fields", wxVERTICAL);
  fields_ = new wxListCtrl(
      custom->GetStaticBox(), WxIdOf(IDC_INFO_FIELDS), wxDefaultPosition, wxDefaultSize,
      wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES | wxBORDER_SUNKEN);
  fields_->AppendColumn("Def", wxLIST_FORMAT_LEFT, FromDIP(kDefWidth));
  fields_->AppendColumn("Label", wxLIST_FORMAT_LEFT, FromDIP(kLabelWidth));
  fields_->AppendColumn("Value", wxLIST_FORMAT_LEFT, FromDIP(kValueWidth));
  fields_->EnableCheckBoxes();
  for (size_t i = 0; i < model_.fields.size(); ++i) {
    const CFieldRow& row = model_.fields[i];
    const long item = fields_->InsertItem(static_cast<long>(i), wxString());
    fields_->SetItem(item, 1, ToWx(row.label));
    fields_->SetItem(item, kValueColumn, ToWx(row.value));
    fields_->CheckItem(item, row.set_as_default);
  }
  const int row_height = fields_->GetCharHeight() + FromDIP(8);
  fields_->SetMinSize(
      wxSize(FromDIP(kDefWidth + kLabelWidth + kValueWidth + 24), row_height * (kListRows + 1)));
  // The list takes the clicks on its rows in a window of its own (below its header).
  for (wxWindow* child : fields_->GetChildren()) {
    child->Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& event) {
      event.Skip();
      if (event.GetEventObject() != ListRowsWindow(fields_)) return;
      int flags = 0;
      const long row = fields_->HitTest(event.GetPosition(), flags);
      wxRect value;
      if (row >= 0 && fields_->GetSubItemRect(row, kValueColumn, value) &&
          event.GetX() >= value.x && event.GetX() < value.GetRight()) {
        CallAfter([this, row] { OpenEditor(row); });
      }
    });
  }
  Bind(wxEVT_MENU, &CInfoDlg2::OnNeighbourCell, this, WxIdOf(CMD_NEIGHBOUR_CELL));
  custom->Add(fields_, 1, wxALL | wxEXPAND, 4);
  custom->Add(new wxStaticText(custom->GetStaticBox(), wxID_ANY, "Def = set as default "), 0,
              wxLEFT | wxRIGHT | wxBOTTOM, 4);

  auto* top = new wxBoxSizer(wxHORIZONTAL);
  top->Add(reference, 1, wxEXPAND | wxRIGHT, 8);
  top->Add(quality, 0, wxEXPAND);
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(top, 0, wxALL | wxEXPAND, 12);
  sizer->Add(custom, 1, wxLEFT | wxRIGHT | wxBOTTOM | wxEXPAND, 12);
  SetSizer(sizer);
}

CInfoDlg2::~CInfoDlg2() {
  // The editor goes with the list; the page it would tell is going already.
  if (editor_) editor_->SetGone(nullptr);
}

void CInfoDlg2::OpenEditor(long row) {
  if (row < 0 || row >= fields_->GetItemCount()) return;
  CloseEditor();
  editing_.Open({static_cast<int>(row), kValueColumn});
  editor_ = new CEditField(fields_, row, kValueColumn, this);
  editor_->SetGone([this] { editing_.Close(); });
}

void CInfoDlg2::CloseEditor() {
  if (editor_) editor_->Close();
}

void CInfoDlg2::OnNeighbourCell(wxCommandEvent& event) {
  const std::optional<CCellEditorModel::CMove> move =
      editing_.MoveOn(static_cast<CCellKey>(event.GetInt()));
  if (!move) return;
  CloseEditor();
  OpenEditor(move->next.row);
}

void CInfoDlg2::Read() {
  CloseEditor();
  model_.location = EditedText(location_->GetValue(), model_.location);
  model_.reference = EditedText(reference_->GetValue(), model_.reference);
  if (quality_->GetSelection() != wxNOT_FOUND) model_.quality_line = quality_->GetSelection();
  for (size_t i = 0; i < model_.fields.size(); ++i) {
    const long item = static_cast<long>(i);
    model_.fields[i].set_as_default = fields_->IsItemChecked(item);
    model_.fields[i].value =
        EditedText(fields_->GetItemText(item, kValueColumn), model_.fields[i].value);
  }
}
