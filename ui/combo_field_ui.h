// CComboField, the in-place drop-down editor (control 50000) over a cell of a report list:
// opened over the cell (2 pixels higher, to fit the drop-down's frame) with the list's font,
// its choices and the entry equal to the cell's text selected, and the focus. It writes its
// text into the cell when it loses the focus (not to its own open drop-down) and then goes;
// its owner closes it with Close, which does the same at once. Ctrl with an arrow key sends
// command 144 with the key to the window to notify (ui/cell_editor_link_ui.h).
#pragma once

#include <wx/combobox.h>

#include <functional>

#include "ui/cell_editor_link_ui.h"

class wxListCtrl;

class CComboField : public wxComboBox {
 public:
  // `style`: wxCB_DROPDOWN lets the user type any text, wxCB_READONLY only pick a choice.
  CComboField(wxListCtrl* list, long row, int column, wxWindow* notify,
              const wxArrayString& choices, long style = wxCB_DROPDOWN);

  // Writes the text into the cell and goes now.
  void Close();
  // Called once the editor's text is in the cell (it lost the focus or was closed).
  void SetGone(std::function<void()> gone) { link_.SetGone(std::move(gone)); }

 private:
  CCellEditorLink link_;
  bool dropped_down_ = false;
};
