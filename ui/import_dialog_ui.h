// CImport2, the "Import pictures" dialog (dialog 162) over its model CImport2Model: a tree of
// the volumes and their folders, opened lazily (an item's folders are listed when it is first
// opened), the list of the current folder's sub-folders and pictures, the group "Select ID"
// with the format mask, the four options, IMPORT and Cancel. The dialog only shows the model:
// the folders, the items, their images and every check on IMPORT are the model's.
#pragma once

#include <wx/dialog.h>
#include <wx/treebase.h>

#include <functional>
#include <memory>
#include <string>

struct CDialogHost;
class CImport2Model;
class wxCheckBox;
class wxImageList;
class wxListCtrl;
class wxListEvent;
class wxRadioButton;
class wxTextCtrl;
class wxTreeCtrl;
class wxTreeEvent;

class CImport2 : public wxDialog {
 public:
  // The model, opened, must outlive the dialog. IMPORT ends the dialog with OK once the model
  // accepted the choice; F1 opens the host's help.
  CImport2(const CDialogHost& host, CImport2Model& model);
  ~CImport2() override;

  // --- what the automation and tests use, as the user's clicks would ---
  // Opens the tree along `folder` (each item's folders listed as it opens) and selects the
  // folder's item, which makes it the list's folder. False when no tree item leads there.
  bool OpenTreeAlong(const std::string& folder);
  // The path of the tree's selected item; empty when none is selected.
  std::string SelectedTreeFolder() const;
  wxTreeCtrl* tree() const { return tree_; }
  wxListCtrl* list() const { return list_; }
  const CImport2Model& model() const { return model_; }

 private:
  void AddTreeRoots();
  void AddTreeChildren(const wxTreeItemId& item);
  // Opens the tree along `folder` and selects its item; the list is refilled only when
  // `refill` (the dialog's own moves already have the list it needs).
  bool OpenTreeAlong(const std::string& folder, bool refill);
  void ShowItems();
  void ReadListSelection();
  void ShowListSelection();
  void ReadControls();
  void ShowMaskState();

  void OnTreeExpanding(wxTreeEvent& event);
  void OnTreeSelected(wxTreeEvent& event);
  void OnListActivated(wxListEvent& event);
  void OnShowImported(wxCommandEvent& event);
  void OnImport(wxCommandEvent& event);
  void OnCharHook(wxKeyEvent& event);

  CImport2Model& model_;
  std::function<void()> show_help_;
  std::unique_ptr<wxImageList> images_;  // shared by the tree and the list
  wxTreeCtrl* tree_ = nullptr;
  wxListCtrl* list_ = nullptr;
  wxRadioButton* id_modes_[3] = {};
  wxTextCtrl* mask_ = nullptr;
  wxCheckBox* include_subdirs_ = nullptr;
  wxCheckBox* to_be_described_ = nullptr;
  wxCheckBox* show_imported_ = nullptr;
  wxCheckBox* make_thumbnails_ = nullptr;
  // Set while the dialog selects a tree item itself and has the list already.
  bool keep_list_ = false;
};
