#include "ui/import_dialog_ui.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/imaglist.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>
#include <wx/utils.h>

#include <iterator>

#include "base/resource_ids.h"
#include "import/import_dialog_model.h"
#include "ui/command_ids_ui.h"
#include "ui/data_image_ui.h"
#include "ui/dialog_windows_ui.h"
#include "ui/folder_tree_ui.h"
#include "ui/wx_text_ui.h"

namespace {

constexpr int kIconSize = 16;

// The icons of the ten image indices, in index order; the tree and the list share them.
struct CIcon {
  int index;
  const char* file;
};
constexpr CIcon kIcons[] = {
    {CImport2Model::kImageFolder, "import_folder.png"},
    {CImport2Model::kImageFolderWithPictures, "import_folder_pictures.png"},
    {CImport2Model::kImageTreeFolder, "import_tree_folder.png"},
    {CImport2Model::kImageTreeFolderWithPictures, "import_tree_folder_pictures.png"},
    {CImport2Model::kImageFixedVolume, "import_fixed_volume.png"},
    {CImport2Model::kImageCdRomVolume, "import_cdrom_volume.png"},
    {CImport2Model::kImageRemovableVolume, "import_removable_volume.png"},
    {CImport2Model::kImagePicture, "import_picture.png"},
    {CImport2Model::kImageParent, "import_parent.png"},
    {CImport2Model::kImageImportedPicture, "import_picture_imported.png"},
};

// The dialog's size and its controls' least sizes, in dialog units.
const wxSize kDialogSize(392, 266);
const wxSize kTreeSize(140, 170);
const wxSize kListSize(240, 170);
constexpr int kMaskWidth = 90;

constexpr int kIdModeControls[] = {IDC_ID_AUTOMATIC, IDC_ID_FILE_NAME, IDC_ID_DEFINED};
constexpr const char* kIdModeLabels[] = {
    "Automatic numbering", "Use filename as ID  (filenames must be unique)", "Define ID "};

const CDialogWindowFor<CImport2, CImport2Model> kImportWindow;

bool IsInside(wxObject* object, const wxWindow* window) {
  for (auto* w = wxDynamicCast(object, wxWindow); w; w = w->GetParent()) {
    if (w == window) return true;
  }
  return false;
}

}  // namespace

CImport2::CImport2(const CDialogHost& host, CImport2Model& model)
    : wxDialog(host.parent, WxIdOf(IDD_IMPORT_PICTURES), ToWx(model.Title()), wxDefaultPosition,
               wxDefaultSize, wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      model_(model),
      show_help_(host.show_help) {
  images_ = std::make_unique<wxImageList>(kIconSize, kIconSize, true,
                                          static_cast<int>(std::size(kIcons)));
  for (const CIcon& icon : kIcons) {
    [[maybe_unused]] const int index = images_->Add(DataBitmap(icon.file, kIconSize));
    wxASSERT(index == icon.index);
  }

  tree_ = new wxTreeCtrl(this, WxIdOf(IDC_IMPORT_TREE), wxDefaultPosition,
                         ConvertDialogToPixels(kTreeSize),
                         wxTR_DEFAULT_STYLE | wxTR_HIDE_ROOT | wxTR_LINES_AT_ROOT | wxTR_SINGLE);
  tree_->SetImageList(images_.get());
  list_ = new wxListCtrl(this, WxIdOf(IDC_IMPORT_LIST), wxDefaultPosition,
                         ConvertDialogToPixels(kListSize), wxLC_LIST | wxBORDER_SUNKEN);
  list_->SetImageList(images_.get(), wxIMAGE_LIST_SMALL);
  auto* browse = new wxBoxSizer(wxHORIZONTAL);
  browse->Add(tree_, 2, wxEXPAND | wxRIGHT, 6);
  browse->Add(list_, 3, wxEXPAND);

  auto* group = new wxStaticBoxSizer(
      new wxStaticBox(this, WxIdOf(IDC_SELECT_ID_GROUP), "Select ID"), wxVERTICAL);
  wxWindow* box = group->GetStaticBox();
  for (int i = 0; i < 3; ++i) {
    id_modes_[i] = new wxRadioButton(box, WxIdOf(kIdModeControls[i]), kIdModeLabels[i],
                                     wxDefaultPosition, wxDefaultSize, i == 0 ? wxRB_GROUP : 0);
    id_modes_[i]->Bind(wxEVT_RADIOBUTTON, [this, i](wxCommandEvent&) {
      model_.id_mode = i;
      ShowMaskState();
    });
  }
  mask_ = new wxTextCtrl(box, WxIdOf(IDC_ID_MASK), ToWx(model_.format_mask), wxDefaultPosition,
                         wxSize(ConvertDialogToPixels(wxSize(kMaskWidth, 0)).x, -1));
  mask_->SetMaxLength(CImport2Model::kMaxMaskLength);
  group->Add(id_modes_[0], 0, wxALL, 3);
  group->Add(id_modes_[1], 0, wxALL, 3);
  auto* defined = new wxBoxSizer(wxHORIZONTAL);
  defined->Add(id_modes_[2], 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  defined->Add(mask_, 0, wxALIGN_CENTER_VERTICAL);
  group->Add(defined, 0, wxALL, 3);

  auto* options = new wxBoxSizer(wxVERTICAL);
  auto check = [&](int id, const char* label, int value) {
    auto* box = new wxCheckBox(this, WxIdOf(id), label);
    box->SetValue(value != 0);
    options->Add(box, 0, wxALL, 3);
    return box;
  };
  include_subdirs_ =
      check(IDC_INCLUDE_SUBDIRS, "Include subdirectories in import", model_.include_subdirs);
  to_be_described_ = check(IDC_TO_BE_DESCRIBED, "Assign images to category TO_BE_DESCRIBED",
                           model_.to_be_described);
  show_imported_ = check(IDC_SHOW_IMPORTED, "Show already imported files", model_.show_imported);
  make_thumbnails_ =
      check(IDC_MAKE_THUMBNAILS, "Make thumbnails while importing", model_.make_thumbnails);
  show_imported_->Bind(wxEVT_CHECKBOX, &CImport2::OnShowImported, this);

  auto* choices = new wxBoxSizer(wxHORIZONTAL);
  choices->Add(group, 0, wxEXPAND | wxRIGHT, 10);
  choices->Add(options, 1, wxALIGN_CENTER_VERTICAL);

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  auto* import = new wxButton(this, wxID_OK, "IMPORT");
  buttons->Add(import, 0, wxRIGHT, 6);
  buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"));
  import->SetDefault();
  import->Bind(wxEVT_BUTTON, &CImport2::OnImport, this);

  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(browse, 1, wxEXPAND | wxALL, 8);
  sizer->Add(choices, 0, wxEXPAND | wxLEFT | wxRIGHT, 8);
  sizer->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 8);
  SetSizer(sizer);
  SetMinClientSize(sizer->GetMinSize());
  wxSize size = ConvertDialogToPixels(kDialogSize);
  size.IncTo(sizer->GetMinSize());
  SetClientSize(size);

  tree_->Bind(wxEVT_TREE_ITEM_EXPANDING, &CImport2::OnTreeExpanding, this);
  tree_->Bind(wxEVT_TREE_SEL_CHANGED, &CImport2::OnTreeSelected, this);
  list_->Bind(wxEVT_LIST_ITEM_ACTIVATED, &CImport2::OnListActivated, this);
  Bind(wxEVT_CHAR_HOOK, &CImport2::OnCharHook, this);

  // The options and the folder as the caller set them; the list the opened model holds for the
  // folder, and the tree opened along it.
  if (model_.id_mode >= 0 && model_.id_mode < 3) id_modes_[model_.id_mode]->SetValue(true);
  ShowMaskState();
  AddTreeRoots();
  {
    wxBusyCursor wait;
    OpenTreeAlong(model_.directory, false);
  }
  ShowItems();
  CentreOnParent();
}

CImport2::~CImport2() {
  // The image list goes before the controls that show it.
  tree_->SetImageList(nullptr);
  list_->SetImageList(nullptr, wxIMAGE_LIST_SMALL);
}

// --- the tree ---------------------------------------------------------------------------

void CImport2::AddTreeRoots() {
  const wxTreeItemId root = tree_->AddRoot(wxString());
  for (const CImport2Model::CTreeItem& volume : model_.TreeRoots()) {
    AppendFolderNode(*tree_, root, volume.text, volume.path, volume.image, volume.has_children);
  }
}

void CImport2::AddTreeChildren(const wxTreeItemId& item) {
  CFolderTreeItem* folder = FolderOf(*tree_, item);
  if (!folder || folder->listed) return;
  folder->listed = true;
  wxBusyCursor wait;
  const std::vector<CImport2Model::CTreeItem> children = model_.TreeChildren(folder->path);
  for (const CImport2Model::CTreeItem& child : children) {
    AppendFolderNode(*tree_, item, child.text, child.path, child.image, child.has_children);
  }
  if (children.empty()) tree_->SetItemHasChildren(item, false);
}

bool CImport2::OpenTreeAlong(const std::string& folder) { return OpenTreeAlong(folder, true); }

bool CImport2::OpenTreeAlong(const std::string& folder, bool refill) {
  wxTreeItemId item = tree_->GetRootItem();
  for (const std::string& path : model_.TreePathOf(folder)) {
    if (item != tree_->GetRootItem()) {
      AddTreeChildren(item);
      tree_->Expand(item);
    }
    const wxTreeItemId found = FindFolderChild(*tree_, item, path);
    if (!found.IsOk()) return false;
    item = found;
  }
  if (item == tree_->GetRootItem()) return false;
  if (tree_->GetSelection() == item) {
    // Selecting it again changes nothing in the tree: the list is refilled here.
    if (refill) {
      model_.SelectFolder(FolderOf(*tree_, item)->path);
      ShowItems();
    }
  } else {
    keep_list_ = !refill;
    tree_->SelectItem(item);
    keep_list_ = false;
  }
  tree_->EnsureVisible(item);
  return true;
}

std::string CImport2::SelectedTreeFolder() const {
  const CFolderTreeItem* folder = FolderOf(*tree_, tree_->GetSelection());
  return folder ? folder->path : std::string();
}

void CImport2::OnTreeExpanding(wxTreeEvent& event) { AddTreeChildren(event.GetItem()); }

void CImport2::OnTreeSelected(wxTreeEvent& event) {
  if (keep_list_) return;
  const CFolderTreeItem* folder = FolderOf(*tree_, event.GetItem());
  if (!folder) return;
  wxBusyCursor wait;
  model_.SelectFolder(folder->path);
  ShowItems();
}

// --- the list ---------------------------------------------------------------------------

void CImport2::ShowItems() {
  list_->Freeze();
  list_->DeleteAllItems();
  const auto& items = model_.Items();
  for (size_t i = 0; i < items.size(); ++i) {
    list_->InsertItem(static_cast<long>(i), ToWx(items[i].name), items[i].image);
  }
  ShowListSelection();
  list_->Thaw();
}

void CImport2::ReadListSelection() {
  for (long i = 0; i < list_->GetItemCount(); ++i) {
    model_.SetSelected(static_cast<size_t>(i),
                       list_->GetItemState(i, wxLIST_STATE_SELECTED) & wxLIST_STATE_SELECTED);
  }
}

void CImport2::ShowListSelection() {
  const auto& items = model_.Items();
  for (size_t i = 0; i < items.size() && i < static_cast<size_t>(list_->GetItemCount()); ++i) {
    list_->SetItemState(static_cast<long>(i), items[i].selected ? wxLIST_STATE_SELECTED : 0,
                        wxLIST_STATE_SELECTED);
  }
}

void CImport2::OnListActivated(wxListEvent& event) {
  if (event.GetIndex() < 0) return;
  wxBusyCursor wait;
  if (model_.OpenItem(static_cast<size_t>(event.GetIndex())) == CImport2Model::Opened::kNothing) {
    return;
  }
  ShowItems();
  // The tree follows the list's folder, so that a click on it goes where it shows.
  OpenTreeAlong(model_.directory, false);
}

void CImport2::OnShowImported(wxCommandEvent&) {
  ReadControls();
  wxBusyCursor wait;
  model_.SetShowImported(model_.show_imported);
  ShowItems();
}

// --- the ID mode, the options, IMPORT -----------------------------------------------------

void CImport2::ShowMaskState() { mask_->Enable(model_.MaskEnabled()); }

void CImport2::ReadControls() {
  for (int i = 0; i < 3; ++i) {
    if (id_modes_[i]->GetValue()) model_.id_mode = i;
  }
  model_.SetFormatMask(FromWx(mask_->GetValue()));
  model_.include_subdirs = include_subdirs_->GetValue() ? 1 : 0;
  model_.to_be_described = to_be_described_->GetValue() ? 1 : 0;
  model_.show_imported = show_imported_->GetValue() ? 1 : 0;
  model_.make_thumbnails = make_thumbnails_->GetValue() ? 1 : 0;
}

void CImport2::OnImport(wxCommandEvent&) {
  ReadControls();
  ReadListSelection();
  if (model_.Accept()) {
    EndModal(wxID_OK);
    return;
  }
  // Refused: the dialog stays with the user's input (and the items the model selected).
  ShowListSelection();
}

void CImport2::OnCharHook(wxKeyEvent& event) {
  if (event.GetKeyCode() == WXK_F1 && show_help_) {
    show_help_();
    return;
  }
  // Ctrl+A in the list selects every item but the first (normally "..").
  if (event.GetKeyCode() == 'A' && event.GetModifiers() == wxMOD_CONTROL &&
      IsInside(event.GetEventObject(), list_)) {
    ReadListSelection();
    model_.SelectAllFromSecond();
    ShowListSelection();
    return;
  }
  event.Skip();
}
