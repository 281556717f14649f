#include "ui/folder_tree_ui.h"

#include "ui/wx_text_ui.h"

CFolderTreeItem* FolderOf(const wxTreeCtrl& tree, const wxTreeItemId& item) {
  return item.IsOk() ? static_cast<CFolderTreeItem*>(tree.GetItemData(item)) : nullptr;
}

wxTreeItemId AppendFolderNode(wxTreeCtrl& tree, const wxTreeItemId& parent, const std::string& text,
                              const std::string& path, int image, bool has_children) {
  const wxTreeItemId item =
      tree.AppendItem(parent, ToWx(text), image, -1, new CFolderTreeItem(path));
  tree.SetItemHasChildren(item, has_children);
  return item;
}

wxTreeItemId FindFolderChild(const wxTreeCtrl& tree, const wxTreeItemId& parent,
                             const std::string& path) {
  wxTreeItemIdValue cookie;
  for (wxTreeItemId child = tree.GetFirstChild(parent, cookie); child.IsOk();
       child = tree.GetNextChild(parent, cookie)) {
    const CFolderTreeItem* folder = FolderOf(tree, child);
    if (folder && folder->path == path) return child;
  }
  return wxTreeItemId();
}
