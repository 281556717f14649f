// The automation's lines about the controls of the modal dialog on screen: the pages of a
// property sheet, report lists with their check boxes, in-place editors over list cells, and
// the text of a field.
#include <wx/app.h>
#include <wx/bookctrl.h>
#include <wx/combobox.h>
#include <wx/dialog.h>
#include <wx/listctrl.h>
#include <wx/propdlg.h>
#include <wx/textctrl.h>

#include <tuple>

#include "base/resource_ids.h"
#include "ui/automation_input_ui.h"
#include "ui/automation_ui.h"
#include "ui/cell_editor_link_ui.h"
#include "ui/command_ids_ui.h"
#include "ui/modal_dialog_ui.h"
#include "ui/wx_text_ui.h"

namespace {

wxListCtrl* ListOf(wxDialog* dialog, int id) {
  return dialog ? wxDynamicCast(dialog->FindWindow(WxIdOf(id)), wxListCtrl) : nullptr;
}

// "[x] " or "[ ] " for a list with check boxes, then the row's columns separated by "|".
std::string RowText(wxListCtrl* list, long row) {
  std::string text;
  if (list->HasCheckBoxes()) text = list->IsItemChecked(row) ? "[x] " : "[ ] ";
  for (int column = 0; column < list->GetColumnCount(); ++column) {
    if (column > 0) text += "|";
    text += FromWx(list->GetItemText(row, column));
  }
  return text;
}

// The first row with a column whose text is `text`; -1 when none has.
long RowWith(wxListCtrl* list, const wxString& text) {
  for (long row = 0; row < list->GetItemCount(); ++row) {
    for (int column = 0; column < list->GetColumnCount(); ++column) {
      if (list->GetItemText(row, column) == text) return row;
    }
  }
  return -1;
}

// Sends the window the mouse event the window system would.
void SendMouse(wxWindow* window, wxEventType type, const wxPoint& point) {
  wxMouseEvent event(type);
  event.SetPosition(point);
  event.SetEventObject(window);
  event.SetId(window->GetId());
  window->GetEventHandler()->ProcessEvent(event);
}

}  // namespace

std::optional<bool> CAutomation::RunControlLine(const std::string& line, const std::string& verb,
                                                std::istringstream& words) {
  wxDialog* dialog = ShownModalDialog();
  int id = 0;
  // A line that cannot be carried out is reported, and done.
  auto failed = [this, &line] {
    Report("error: " + line);
    return true;
  };
  if (verb == "page") {
    auto* sheet = wxDynamicCast(dialog, wxPropertySheetDialog);
    if (!sheet) return failed();
    wxBookCtrlBase* book = sheet->GetBookCtrl();
    const std::string name = RestOf(words);
    if (name.empty()) {
      Report("page: " + FromWx(book->GetPageText(static_cast<size_t>(book->GetSelection()))));
      return true;
    }
    size_t page = 0;
    while (page < book->GetPageCount() && FromWx(book->GetPageText(page)) != name) ++page;
    if (page == book->GetPageCount()) return failed();
    // As a click on the tab: the sheet may refuse to turn.
    book->SetSelection(page);
  } else if (verb == "list" && words >> id) {
    wxListCtrl* list = ListOf(dialog, id);
    if (!list) return failed();
    for (long row = 0; row < list->GetItemCount(); ++row) {
      Report("list " + std::to_string(id) + ": " + RowText(list, row));
    }
  } else if ((verb == "list-check" || verb == "list-select") && words >> id) {
    // list-check ID TEXT=on|off ticks the row holding TEXT as a click on its box would;
    // list-select ID TEXT selects it.
    wxListCtrl* list = ListOf(dialog, id);
    std::string text = RestOf(words);
    bool on = true;
    if (verb == "list-check") std::tie(text, on) = NameAndSwitch(text);
    const long row = list ? RowWith(list, ToWx(text)) : -1;
    if (row < 0) return failed();
    if (verb == "list-select") {
      list->SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                         wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    } else if (list->IsItemChecked(row) != on) {
      list->CheckItem(row, on);
      wxListEvent event(on ? wxEVT_LIST_ITEM_CHECKED : wxEVT_LIST_ITEM_UNCHECKED, list->GetId());
      event.SetEventObject(list);
      event.m_itemIndex = row;
      list->GetEventHandler()->ProcessEvent(event);
    }
  } else if (verb == "cell-edit" && words >> id) {
    // cell-edit ID ROW COLUMN: a click on the cell.
    wxListCtrl* list = ListOf(dialog, id);
    long row = 0, column = 0;
    wxRect rect;
    if (!list || !(words >> row >> column) || !list->GetSubItemRect(row, column, rect)) {
      return failed();
    }
    wxWindow* rows = ListRowsWindow(list);
    SendMouse(rows, wxEVT_LEFT_DOWN, rect.GetPosition() - rows->GetPosition() + wxPoint(4, 4));
    // The list opens its editor after the click: the line is done once it is open, however
    // busy the machine.
    wxTheApp->ProcessPendingEvents();
  } else if (verb == "cell-type" || verb == "cell-key") {
    // The open in-place editor gets the text, or the key.
    wxWindow* editor = dialog ? dialog->FindWindow(WxIdOf(IDC_CELL_EDITOR)) : nullptr;
    if (!editor) return failed();
    if (verb == "cell-type") {
      const wxString text = ToWx(RestOf(words));
      if (auto* field = wxDynamicCast(editor, wxTextCtrl)) field->SetValue(text);
      if (auto* combo = wxDynamicCast(editor, wxComboBox)) combo->SetValue(text);
    } else {
      std::string name;
      words >> name;
      const int code = KeyCodeOf(name);
      if (code == 0) return failed();
      const CModifiers modifiers = ReadModifiers(words);
      wxKeyEvent key(wxEVT_KEY_DOWN);
      key.m_keyCode = code;
      key.SetControlDown(modifiers.ctrl);
      key.SetEventObject(editor);
      editor->GetEventHandler()->ProcessEvent(key);
      // Ctrl with an arrow moves the editor once the key is handled: the line is done when it
      // has moved.
      wxTheApp->ProcessPendingEvents();
    }
  } else if (verb == "text" && words >> id) {
    wxWindow* field = dialog ? dialog->FindWindow(WxIdOf(id)) : nullptr;
    wxString value;
    if (auto* text = wxDynamicCast(field, wxTextCtrl)) {
      value = text->GetValue();
    } else if (auto* combo = wxDynamicCast(field, wxComboBox)) {
      value = combo->GetValue();
    } else {
      return failed();
    }
    Report("text " + std::to_string(id) + ": " + Escaped(FromWx(value)));
  } else {
    return std::nullopt;
  }
  return true;
}
