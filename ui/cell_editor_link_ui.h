// What the two in-place editors over a report list's cells (CEditField, CComboField) share:
// the cell they edit, writing their text into it, the owner's word that they went, and
// Ctrl with an arrow key sent to the window to notify as command 144 with the key
// (classify/cell_editor_model.h has the rules the owner follows).
#pragma once

#include <wx/event.h>
#include <wx/string.h>

#include <functional>

class wxListCtrl;
class wxWindow;
class wxRect;

// The window of a report list that shows its rows and takes their clicks (wx's list control
// keeps its header in another window above it).
wxWindow* ListRowsWindow(wxListCtrl* list);

class CCellEditorLink {
 public:
  CCellEditorLink(wxListCtrl* list, long row, int column, wxWindow* notify)
      : list_(list), row_(row), column_(column), notify_(notify) {}

  // The cell's rectangle in the coordinates of the list's window that shows the rows, which
  // is the editors' parent.
  wxRect CellRect() const;
  wxWindow* RowsWindow() const;
  wxString CellText() const;
  // Writes the text into the cell and tells the owner the editor went; once.
  void Commit(const wxString& text);
  // A key pressed in the editor: Ctrl with an arrow key goes to the owner, others are skipped.
  void OnKeyDown(wxKeyEvent& event);
  // Called once when the editor's text has gone into the cell; the owner drops it when it goes
  // first.
  void SetGone(std::function<void()> gone) { gone_ = std::move(gone); }
  bool committed() const { return committed_; }

 private:
  wxListCtrl* list_;
  long row_;
  int column_;
  wxWindow* notify_;
  std::function<void()> gone_;
  bool committed_ = false;
};
