#include "ui/cell_editor_link_ui.h"

#include <wx/listctrl.h>

#include "base/resource_ids.h"
#include "classify/cell_editor_model.h"
#include "ui/command_ids_ui.h"

namespace {

// The arrow keys an editor reports, as the owner's rules name them.
int CellKeyOf(int wx_key) {
  switch (wx_key) {
    case WXK_LEFT:
    case WXK_NUMPAD_LEFT:
      return static_cast<int>(CCellKey::kLeft);
    case WXK_UP:
    case WXK_NUMPAD_UP:
      return static_cast<int>(CCellKey::kUp);
    case WXK_RIGHT:
    case WXK_NUMPAD_RIGHT:
      return static_cast<int>(CCellKey::kRight);
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN:
      return static_cast<int>(CCellKey::kDown);
    default:
      return -1;
  }
}

}  // namespace

wxWindow* ListRowsWindow(wxListCtrl* list) {
  // The list's children are the rows' window and the header, which is one line tall.
  wxWindow* rows = list;
  int height = -1;
  for (wxWindow* child : list->GetChildren()) {
    if (child->GetSize().y > height) {
      rows = child;
      height = child->GetSize().y;
    }
  }
  return rows;
}

wxWindow* CCellEditorLink::RowsWindow() const { return ListRowsWindow(list_); }

wxRect CCellEditorLink::CellRect() const {
  wxRect rect;
  list_->GetSubItemRect(row_, column_, rect);
  // The list's rectangle counts from its top, above the header.
  rect.Offset(-RowsWindow()->GetPosition());
  return rect;
}

wxString CCellEditorLink::CellText() const { return list_->GetItemText(row_, column_); }

void CCellEditorLink::Commit(const wxString& text) {
  if (committed_) return;
  committed_ = true;
  list_->SetItem(row_, column_, text);
  if (gone_) gone_();
}

void CCellEditorLink::OnKeyDown(wxKeyEvent& event) {
  const int key = CellKeyOf(event.GetKeyCode());
  if (!event.ControlDown() || key < 0 || !notify_) {
    event.Skip();
    return;
  }
  wxCommandEvent neighbour(wxEVT_MENU, WxIdOf(CMD_NEIGHBOUR_CELL));
  neighbour.SetInt(key);
  neighbour.SetEventObject(notify_);
  // Queued: the owner closes this editor, which must not go while its key is handled.
  notify_->GetEventHandler()->AddPendingEvent(neighbour);
}
