// What the folder trees of the import dialog and the folder picker share: each node carries
// its folder and whether its sub-folders have been added yet, since both trees list a folder
// only when its node is first opened.
#pragma once

#include <wx/treectrl.h>

#include <string>

class CFolderTreeItem : public wxTreeItemData {
 public:
  explicit CFolderTreeItem(std::string folder) : path(std::move(folder)) {}
  std::string path;
  bool listed = false;
};

// The folder of a node; null for the hidden root.
CFolderTreeItem* FolderOf(const wxTreeCtrl& tree, const wxTreeItemId& item);

// Appends a node for a folder under `parent`, with a button when it has sub-folders.
wxTreeItemId AppendFolderNode(wxTreeCtrl& tree, const wxTreeItemId& parent, const std::string& text,
                              const std::string& path, int image, bool has_children);

// The node under `parent` whose folder is `path`; not ok when there is none.
wxTreeItemId FindFolderChild(const wxTreeCtrl& tree, const wxTreeItemId& parent,
                             const std::string& path);
