// CDirectorySelect, the folder picker (dialog 136) over its model CDirectorySelectModel: a tree
// of the volumes and their folders (1096), filled as nodes are first opened, "OK", "Cancel" and
// "New" (1069). The window only shows the model: the roots, the folders, their icons, the walk
// to the starting folder and "New" are the model's.
#pragma once

#include <wx/dialog.h>
#include <wx/treebase.h>

#include <memory>
#include <string>
#include <vector>

struct CDialogHost;
class CDirectorySelectModel;
class wxImageList;
class wxTreeCtrl;
class wxTreeEvent;

class CDirectorySelect : public wxDialog {
 public:
  // The model, opened, must outlive the dialog.
  CDirectorySelect(const CDialogHost& host, CDirectorySelectModel& model);
  ~CDirectorySelect() override;

 private:
  void AddRoots();
  // Adds the node's folders the first time it opens; `again` lists them anew.
  void AddChildren(const wxTreeItemId& item, bool again = false);
  // Opens the nodes of the model's starting walk and selects the last.
  void OpenStartingWalk();
  void OnExpanding(wxTreeEvent& event);
  void OnSelected(wxTreeEvent& event);
  void OnNew(wxCommandEvent& event);

  CDirectorySelectModel& model_;
  std::unique_ptr<wxImageList> images_;
  wxTreeCtrl* tree_ = nullptr;
};
