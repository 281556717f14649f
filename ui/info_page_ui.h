// CInfoDlg2, the "Info" page (dialog 178) of the description editor over its CInfoPageModel:
// the group "Storage reference" with "Location:" (1050, an editable drop-down of the storage
// locations) and "Refno:" (1041); "Image quality" (1051, the one-line list of 1 to 4 as a
// drop-down showing the line chosen); and the custom fields (1107): a row per user-defined
// field with its "Def" check box, "Label" and "Value", grid lines and whole-row selection. A
// click on a Value cell opens a CEditField over it; Ctrl+Up and Ctrl+Down in the editor move it
// to the row above or below.
#pragma once

#include <wx/panel.h>
#include <wx/weakref.h>

#include "classify/cell_editor_model.h"

class CEditField;
class CInfoPageModel;
class wxComboBox;
class wxChoice;
class wxListCtrl;
class wxTextCtrl;

class CInfoDlg2 : public wxPanel {
 public:
  static constexpr int kValueColumn = 2;

  // The model must outlive the page.
  CInfoDlg2(wxWindow* parent, CInfoPageModel& model);
  ~CInfoDlg2() override;

  // Closes an open editor (its text goes into its cell) and reads the user's input into the
  // model.
  void Read();

  // --- what the automation uses, as the user's clicks would ---
  wxListCtrl* fields() const { return fields_; }
  // A click on the Value cell of the row.
  void OpenEditor(long row);
  CEditField* editor() const { return editor_; }

 private:
  void CloseEditor();
  void OnNeighbourCell(wxCommandEvent& event);

  CInfoPageModel& model_;
  wxComboBox* location_;
  wxTextCtrl* reference_;
  wxChoice* quality_;
  wxListCtrl* fields_;
  CCellEditorModel editing_;
  wxWeakRef<CEditField> editor_;
};
