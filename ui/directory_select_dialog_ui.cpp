#include "ui/directory_select_dialog_ui.h"

#include <wx/button.h>
#include <wx/imaglist.h>
#include <wx/sizer.h>
#include <wx/treectrl.h>
#include <wx/utils.h>

#include <iterator>

#include "base/resource_ids.h"
#include "platform/directory_select_model.h"
#include "ui/command_ids_ui.h"
#include "ui/data_image_ui.h"
#include "ui/dialog_windows_ui.h"
#include "ui/folder_tree_ui.h"
#include "ui/wx_text_ui.h"

namespace {

constexpr int kIconSize = 16;

// The icon files of the image indices, in index order.
constexpr const char* kIcons[] = {
    "folder_picker_fixed_volume.png",     "folder_picker_network_volume.png",
    "folder_picker_removable_volume.png", "folder_picker_cdrom_volume.png",
    "folder_picker_folder.png",           "folder_picker_open_folder.png",
    "folder_picker_linked_folder.png",    "folder_picker_open_linked_folder.png",
    "folder_picker_locked_folder.png",    "folder_picker_home_folder.png",
};
static_assert(std::size(kIcons) == CDirectorySelectModel::kImageCount);

// The tree's least size in dialog units.
const wxSize kTreeSize(170, 160);

const CDialogWindowFor<CDirectorySelect, CDirectorySelectModel> kDirectorySelectWindow;

}  // namespace

CDirectorySelect::CDirectorySelect(const CDialogHost& host, CDirectorySelectModel& model)
    : wxDialog(host.parent, WxIdOf(IDD_DIRECTORY_SELECT), ToWx(model.Title()), wxDefaultPosition,
               wxDefaultSize, wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      model_(model) {
  images_ = std::make_unique<wxImageList>(kIconSize, kIconSize, true,
                                          static_cast<int>(std::size(kIcons)));
  for (const char* icon : kIcons) images_->Add(DataBitmap(icon, kIconSize));
  tree_ = new wxTreeCtrl(this, WxIdOf(IDC_DIRECTORY_TREE), wxDefaultPosition,
                         ConvertDialogToPixels(kTreeSize),
                         wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_HIDE_ROOT | wxTR_SINGLE);
  tree_->SetImageList(images_.get());

  auto* buttons = new wxBoxSizer(wxVERTICAL);
  auto* ok = new wxButton(this, wxID_OK, "OK");
  ok->SetDefault();
  buttons->Add(ok, 0, wxEXPAND | wxBOTTOM, 6);
  buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0, wxEXPAND | wxBOTTOM, 6);
  auto* create = new wxButton(this, WxIdOf(IDC_DIRECTORY_NEW), "New");
  buttons->Add(create, 0, wxEXPAND);
  create->Bind(wxEVT_BUTTON, &CDirectorySelect::OnNew, this);

  auto* sizer = new wxBoxSizer(wxHORIZONTAL);
  sizer->Add(tree_, 1, wxEXPAND | wxALL, 8);
  sizer->Add(buttons, 0, wxTOP | wxRIGHT | wxBOTTOM, 8);
  SetSizerAndFit(sizer);

  tree_->Bind(wxEVT_TREE_ITEM_EXPANDING, &CDirectorySelect::OnExpanding, this);
  tree_->Bind(wxEVT_TREE_SEL_CHANGED, &CDirectorySelect::OnSelected, this);
  AddRoots();
  OpenStartingWalk();
  tree_->SetFocus();
  CentreOnParent();
}

CDirectorySelect::~CDirectorySelect() {
  // The image list goes before the tree that shows it.
  tree_->SetImageList(nullptr);
}

void CDirectorySelect::AddRoots() {
  const wxTreeItemId root = tree_->AddRoot(wxString());
  for (const CDirectorySelectModel::CNode& volume : model_.Roots()) {
    AppendFolderNode(*tree_, root, volume.text, volume.path, volume.image, volume.has_children);
  }
}

void CDirectorySelect::AddChildren(const wxTreeItemId& item, bool again) {
  CFolderTreeItem* folder = FolderOf(*tree_, item);
  if (!folder || (folder->listed && !again)) return;
  if (again) tree_->DeleteChildren(item);
  folder->listed = true;
  wxBusyCursor wait;
  const std::vector<CDirectorySelectModel::CNode> children = model_.Children(folder->path);
  for (const CDirectorySelectModel::CNode& child : children) {
    const wxTreeItemId added =
        AppendFolderNode(*tree_, item, child.text, child.path, child.image, child.has_children);
    tree_->SetItemImage(added, child.open_image, wxTreeItemIcon_Expanded);
    tree_->SetItemImage(added, child.open_image, wxTreeItemIcon_SelectedExpanded);
  }
  // A folder without sub-folders shows no button.
  tree_->SetItemHasChildren(item, !children.empty());
}

void CDirectorySelect::OpenStartingWalk() {
  wxTreeItemId item = tree_->GetRootItem();
  for (const std::string& path : model_.StartingWalk()) {
    const wxTreeItemId found = FindFolderChild(*tree_, item, path);
    if (!found.IsOk()) break;
    item = found;
    AddChildren(item);
    if (tree_->ItemHasChildren(item)) tree_->Expand(item);
  }
  if (item == tree_->GetRootItem()) return;
  tree_->SelectItem(item);
  tree_->EnsureVisible(item);
}

void CDirectorySelect::OnExpanding(wxTreeEvent& event) { AddChildren(event.GetItem()); }

void CDirectorySelect::OnSelected(wxTreeEvent& event) {
  if (const CFolderTreeItem* folder = FolderOf(*tree_, event.GetItem())) {
    model_.Select(folder->path);
  }
}

void CDirectorySelect::OnNew(wxCommandEvent&) {
  if (!model_.NewDirectory()) return;
  // The selected folder has a new sub-folder: its node lists its folders anew, opened, and
  // keeps the selection.
  const wxTreeItemId selected = tree_->GetSelection();
  if (!selected.IsOk()) return;
  AddChildren(selected, true);
  if (tree_->ItemHasChildren(selected)) tree_->Expand(selected);
}
