// CEditField, the in-place text editor (control 50000) over a cell of a report list: opened
// over the cell with the cell's text, the list's font and the focus. It writes its text into
// the cell when it loses the focus and then goes; its owner closes it with Close, which does
// the same at once. Ctrl with an arrow key sends command 144 with the key to the window to
// notify (ui/cell_editor_link_ui.h).
#pragma once

#include <wx/textctrl.h>

#include <functional>

#include "ui/cell_editor_link_ui.h"

class wxListCtrl;

class CEditField : public wxTextCtrl {
 public:
  CEditField(wxListCtrl* list, long row, int column, wxWindow* notify);

  // Writes the text into the cell and goes now.
  void Close();
  // Called once the editor's text is in the cell (it lost the focus or was closed).
  void SetGone(std::function<void()> gone) { link_.SetGone(std::move(gone)); }

 private:
  CCellEditorLink link_;
};
