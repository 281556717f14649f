#include "ui/combo_field_ui.h"

#include <wx/listctrl.h>

#include "base/resource_ids.h"
#include "ui/command_ids_ui.h"

namespace {

constexpr int kRaise = 2;

}  // namespace

CComboField::CComboField(wxListCtrl* list, long row, int column, wxWindow* notify,
                         const wxArrayString& choices, long style)
    : link_(list, row, column, notify) {
  wxRect cell = link_.CellRect();
  cell.y -= kRaise;
  Create(link_.RowsWindow(), WxIdOf(IDC_CELL_EDITOR), wxString(), cell.GetPosition(),
         wxSize(cell.width, -1), choices, style);
  SetFont(list->GetFont());
  const wxString text = link_.CellText();
  if (!SetStringSelection(text) && !(style & wxCB_READONLY)) SetValue(text);
  Bind(wxEVT_KEY_DOWN, &CCellEditorLink::OnKeyDown, &link_);
  Bind(wxEVT_COMBOBOX_DROPDOWN, [this](wxCommandEvent& event) {
    dropped_down_ = true;
    event.Skip();
  });
  Bind(wxEVT_COMBOBOX_CLOSEUP, [this](wxCommandEvent& event) {
    dropped_down_ = false;
    event.Skip();
  });
  Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
    event.Skip();
    if (link_.committed() || dropped_down_) return;
    link_.Commit(GetValue());
    CallAfter([this] { Destroy(); });
  });
  SetFocus();
}

void CComboField::Close() {
  link_.Commit(GetValue());
  Destroy();
}
