#include "ui/info_display_ui.h"

#include <wx/button.h>
#include <wx/clipbrd.h>
#include <wx/display.h>
#include <wx/listctrl.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>
#include <vector>

#include "app/info_display_model.h"
#include "base/resource_ids.h"
#include "base/string_table.h"
#include "ui/command_ids_ui.h"
#include "ui/dialog_windows_ui.h"
#include "ui/wx_text_ui.h"

namespace {

constexpr int kLabelColumnWidth = 100;
constexpr int kValueColumnWidth = 500;
constexpr int kBorder = 8;
// Odd rows; even rows are white. The texts are black on both, whatever the theme's colours.
const wxColour kTintedRow(240, 240, 255);

const CDialogWindowFor<CInfoDisplay, CInfoDisplayModel> kInfoDisplayWindow;

}  // namespace

CInfoDisplay::CInfoDisplay(const CDialogHost& host, CInfoDisplayModel& model)
    : wxDialog(host.parent, WxIdOf(IDD_INFO_DISPLAY), ToWx(model.Title())), model_(model) {
  list_ = new wxListCtrl(this, WxIdOf(IDC_INFO_LIST), wxDefaultPosition, wxDefaultSize,
                         wxLC_REPORT | wxLC_HRULES | wxLC_VRULES);
  list_->AppendColumn("Label", wxLIST_FORMAT_LEFT, FromDIP(kLabelColumnWidth));
  list_->AppendColumn("Value", wxLIST_FORMAT_LEFT, FromDIP(kValueColumnWidth));
  FillList();

  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(list_, 1, wxALL | wxEXPAND, kBorder);
  if (!model_.StatusText().empty()) {
    auto* status = new wxStaticText(this, wxID_ANY, ToWx(model_.StatusText()));
    status->Wrap(FromDIP(kLabelColumnWidth + kValueColumnWidth));
    sizer->Add(status, 0, wxLEFT | wxRIGHT | wxEXPAND, kBorder);
  }
  auto* close = new wxButton(this, wxID_CLOSE, kInfoClose);
  close->SetDefault();
  SetEscapeId(wxID_CLOSE);
  sizer->Add(close, 0, wxALL | wxALIGN_CENTER_HORIZONTAL, kBorder);
  SetSizer(sizer);
  SizeToRows();
  Bind(wxEVT_CHAR_HOOK, &CInfoDisplay::OnCharHook, this);
  list_->SetFocus();
  CentreOnParent();
}

void CInfoDisplay::FillList() {
  const std::vector<CInfoPair>& rows = model_.Rows();
  for (size_t i = 0; i < rows.size(); ++i) {
    const long item = list_->InsertItem(static_cast<long>(i), ToWx(rows[i].label));
    list_->SetItem(item, 1, ToWx(rows[i].value));
    list_->SetItemBackgroundColour(item, i % 2 ? kTintedRow : *wxWHITE);
    list_->SetItemTextColour(item, *wxBLACK);
  }
}

void CInfoDisplay::SizeToRows() {
  const int rows = static_cast<int>(model_.Rows().size());
  // The toolkit's numbers for the layout rule: the height of a row, and what the list adds
  // to its rows (the header above the first row and the border around it).
  CInfoDisplayLayout layout;
  const wxSize border = list_->GetSize() - list_->GetClientSize();
  wxRect first;
  if (rows > 0 && list_->GetItemRect(0, first)) {
    layout.row_height = first.height;
    layout.list_margin = first.y + border.y;
  } else {
    layout.row_height = GetCharHeight() + FromDIP(4);
    layout.list_margin = 2 * layout.row_height + border.y;
  }
  const int list_width = FromDIP(kLabelColumnWidth + kValueColumnWidth) + border.x;
  list_->SetMinSize(wxSize(list_width, layout.ListHeight(rows)));
  // The dialog adds its border, the status text and the button row to the list.
  const wxSize whole = GetSizer()->CalcMin();
  layout.dialog_margin = layout.list_margin + whole.y - list_->GetMinSize().y;

  // A list of very many rows scrolls instead of reaching below the screen.
  const int display = wxDisplay::GetFromWindow(GetParent());
  const wxRect screen = wxDisplay(display == wxNOT_FOUND ? 0u : unsigned(display)).GetClientArea();
  const wxSize frame = GetSize() - GetClientSize();
  const int height = std::min(layout.DialogHeight(rows), screen.height - frame.y);
  if (height < layout.DialogHeight(rows)) {
    list_->SetMinSize(wxSize(list_width + wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, list_),
                             layout.ListHeight(0)));
  }
  SetClientSize(wxSize(GetSizer()->CalcMin().x, height));
  SetMinClientSize(GetClientSize());
  Layout();
}

void CInfoDisplay::CopySelectedRows() {
  std::vector<size_t> selected;
  for (long item = -1;
       (item = list_->GetNextItem(item, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED)) != -1;) {
    selected.push_back(static_cast<size_t>(item));
  }
  if (selected.empty() || !wxTheClipboard->Open()) return;
  wxTheClipboard->SetData(new wxTextDataObject(ToWx(model_.CopyText(selected))));
  wxTheClipboard->Close();
}

void CInfoDisplay::OnCharHook(wxKeyEvent& event) {
  const int key = event.GetKeyCode();
  if (event.GetModifiers() == wxMOD_CONTROL && (key == 'C' || key == WXK_INSERT)) {
    CopySelectedRows();
  } else if (event.GetModifiers() == wxMOD_CONTROL && key == 'A') {
    for (long item = 0; item < list_->GetItemCount(); ++item) {
      list_->SetItemState(item, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    }
  } else {
    event.Skip();
  }
}
