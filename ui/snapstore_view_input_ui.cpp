// CSnapstoreView's input: the mouse in the strip, the caption and the picture, the context
// menus, the hover tip, the wheel and the keys the view answers.
#include "ui/snapstore_view_ui.h"

#include <gtk/gtk.h>
#include <wx/menu.h>

#include "app/document.h"
#include "base/resource_ids.h"
#include "ui/main_frame_ui.h"
#include "ui/menu_builder_ui.h"
#include "ui/view_model.h"

namespace {

// The view's key code of a wx key; 0 for keys the view has no use for.
int ViewKeyOf(int wx_key) {
  switch (wx_key) {
    case WXK_DELETE:
    case WXK_NUMPAD_DELETE:
      return kKeyDelete;
    case WXK_LEFT:
    case WXK_NUMPAD_LEFT:
      return kKeyLeft;
    case WXK_RIGHT:
    case WXK_NUMPAD_RIGHT:
      return kKeyRight;
    case WXK_UP:
    case WXK_NUMPAD_UP:
      return kKeyUp;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN:
      return kKeyDown;
    case WXK_PAGEUP:
    case WXK_NUMPAD_PAGEUP:
      return kKeyPageUp;
    case WXK_PAGEDOWN:
    case WXK_NUMPAD_PAGEDOWN:
      return kKeyPageDown;
    case WXK_HOME:
    case WXK_NUMPAD_HOME:
      return kKeyHome;
    case WXK_END:
    case WXK_NUMPAD_END:
      return kKeyEnd;
    case WXK_SPACE:
      return ' ';
    default:
      return wx_key >= 'A' && wx_key <= 'Z' ? wx_key : 0;
  }
}

}  // namespace

bool CSnapstoreView::TakesInput() const { return doc_ && !frame_->IsBusy(); }

void CSnapstoreView::OnLeftDown(wxMouseEvent& event) {
  SetFocus();
  if (!TakesInput()) return;
  const int x = event.GetX();
  const int y = event.GetY();
  if (InStrip(*doc_, x)) {
    const int cell = StripCellAt(*doc_, x, y);
    if (cell < 0) return;
    for (const CRect& rect :
         ClickStripCell(*doc_, cell, event.ControlDown(), event.ShiftDown()).cells) {
      RefreshArea(rect);
    }
  } else if (paint_.caption_rect.Contains(x, y)) {
    PressCaption();
  } else if (paint_.picture_rect.Contains(x, y)) {
    doc_->picture_changed = true;  // the picture is loaded again
    Refresh();
  }
}

void CSnapstoreView::PressCaption() {
  paint_.caption_pressed = true;
  RefreshArea(paint_.caption_rect);
  Update();
  // The description editor sends 150 when it closes; without one the caption comes up again.
  if (!frame_->ExecuteCommand(ID_ANNOTATE)) OnCommand(CMD_REPAINT_CAPTION);
}

void CSnapstoreView::OnLeftDoubleClick(wxMouseEvent& event) {
  if (!TakesInput()) return;
  const int x = event.GetX();
  const int y = event.GetY();
  if (InStrip(*doc_, x)) {
    const int cell = StripCellAt(*doc_, x, y);
    if (cell >= 0) DoubleClickStripCell(*doc_, cell);
  } else if (paint_.caption_rect.Contains(x, y)) {
    frame_->ExecuteCommand(ID_ANNOTATE);
  }
}

void CSnapstoreView::OnRightDown(wxMouseEvent& event) {
  if (!TakesInput()) return;
  doc_->context_menu_x = event.GetX();
  doc_->context_menu_y = event.GetY();
  ShowContextMenu(event.GetPosition());
}

void CSnapstoreView::ShowContextMenu(const wxPoint& point) {
  const bool over_strip = StripShown(*doc_) && point.x <= ShownStripWidth(*doc_);
  const CMenuEntry layout = over_strip ? ThumbnailContextMenu() : PictureContextMenu();
  std::unique_ptr<wxMenu> menu(BuildMenu(layout.children));
  menu->UpdateUI(this);
  last_context_menu_ = DescribeMenu(*menu);
  context_menu_ = menu.get();
  PopupMenu(menu.get(), point);
  context_menu_ = nullptr;
}

void CSnapstoreView::CloseContextMenu() {
  if (context_menu_) gtk_menu_shell_cancel(GTK_MENU_SHELL(context_menu_->m_menu));
}

void CSnapstoreView::OnMotion(wxMouseEvent& event) {
  event.Skip();
  if (!doc_) return;
  HoverOver(StripCellAt(*doc_, event.GetX(), event.GetY()));
}

void CSnapstoreView::OnLeave(wxMouseEvent& event) {
  event.Skip();
  HoverOver(-1);
}

void CSnapstoreView::HoverOver(int cell) {
  const CHoverTip::CMove move = tip_.MouseOver(cell);
  if (move.restart_timer) hover_timer_.Start(CHoverTip::kDelayMilliseconds, wxTIMER_ONE_SHOT);
  if (move.stop_timer) hover_timer_.Stop();
  if (move.hide_tip) OnUpdate(kHintHideTip);
}

void CSnapstoreView::OnHoverTimer(wxTimerEvent&) {
  hover_timer_.Stop();
  if (!doc_ || tip_.hovered() < 0) return;
  tip_.TimerFired();
  OnUpdate(kHintShowTip);
}

void CSnapstoreView::OnWheel(wxMouseEvent& event) {
  if (!TakesInput() || event.GetWheelRotation() == 0) return;
  ScrollStripByWheel(*doc_, event.GetWheelRotation() < 0);
}

void CSnapstoreView::OnKeyDown(wxKeyEvent& event) {
  const int key = ViewKeyOf(event.GetKeyCode());
  const int command =
      key ? ViewKeyCommand(key, event.ControlDown(), event.AltDown(), event.ShiftDown()) : 0;
  if (!doc_ || command == 0) {
    event.Skip();
    return;
  }
  frame_->ExecuteCommand(command);
}
