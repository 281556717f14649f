#include "ui/edit_field_ui.h"

#include <wx/listctrl.h>

#include "base/resource_ids.h"
#include "ui/command_ids_ui.h"

CEditField::CEditField(wxListCtrl* list, long row, int column, wxWindow* notify)
    : link_(list, row, column, notify) {
  const wxRect cell = link_.CellRect();
  Create(link_.RowsWindow(), WxIdOf(IDC_CELL_EDITOR), link_.CellText(), cell.GetPosition(),
         cell.GetSize());
  SetFont(list->GetFont());
  Bind(wxEVT_KEY_DOWN, &CCellEditorLink::OnKeyDown, &link_);
  Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
    event.Skip();
    if (link_.committed()) return;
    link_.Commit(GetValue());
    CallAfter([this] { Destroy(); });
  });
  SetFocus();
  SelectAll();
}

void CEditField::Close() {
  link_.Commit(GetValue());
  Destroy();
}
