// CInfoDisplay, the picture information dialog (dialog 193) over its model CInfoDisplayModel:
// a report list (list view 1130) with grid lines and the columns "Label" and "Value", rows
// white and light blue by turns, as tall as its rows need; the status text when the file
// could not be read; "Close". Ctrl+C (or Ctrl+Insert) copies the selected rows, Ctrl+A
// selects them all.
#pragma once

#include <wx/dialog.h>

class CInfoDisplayModel;
struct CDialogHost;
class wxKeyEvent;
class wxListCtrl;

class CInfoDisplay : public wxDialog {
 public:
  // The model must be opened and outlive the dialog.
  CInfoDisplay(const CDialogHost& host, CInfoDisplayModel& model);

  wxListCtrl* list() const { return list_; }
  // The selected rows as "label<TAB>value" lines onto the clipboard.
  void CopySelectedRows();

 private:
  void FillList();
  // The list as tall as its rows, the dialog around it, both within the screen.
  void SizeToRows();
  void OnCharHook(wxKeyEvent& event);

  CInfoDisplayModel& model_;
  wxListCtrl* list_ = nullptr;
};
