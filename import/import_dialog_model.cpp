#include "import/import_dialog_model.h"

#include <algorithm>

#include "base/front_end.h"
#include "base/string_table.h"
#include "base/text_rules.h"
#include "import/id_format_mask.h"
#include "import/picture_folder.h"
#include "platform/path_text.h"
#include "platform/picture_finder.h"
#include "platform/picture_path.h"
#include "store/database.h"
#include "store/directory_key.h"

namespace {

constexpr const char* kParentName = "..";

int VolumeImage(VolumeKind kind) {
  switch (kind) {
    case VolumeKind::kCdRom:
      return CImport2Model::kImageCdRomVolume;
    case VolumeKind::kRemovable:
      return CImport2Model::kImageRemovableVolume;
    case VolumeKind::kFixed:
    case VolumeKind::kNetwork:
      break;
  }
  return CImport2Model::kImageFixedVolume;
}

// A path as the work list keeps it: '/' separates its parts. A Windows-form path ("c:\a\b.jpg")
// has its backslashes replaced; on this system a backslash inside a file name is part of the
// name and stays.
std::string WorkListPath(const std::string& path) {
  return DrivePrefixLength(path) > 0 ? ForwardSlashes(path) : path;
}

// The key of the imported-file set: the path lower-cased, without its first character.
std::string ImportedKey(const std::string& path) {
  const std::string lower = LowerCase(WorkListPath(path));
  return lower.empty() ? lower : lower.substr(1);
}

}  // namespace

CImport2Model::CImport2Model(CFrontEnd& front_end, Cdatabase& db, const CPictureFinder& finder,
                             CDebugLog debug_log)
    : category(LoadString(IDS_TO_BE_DESCRIBED)),
      front_end_(front_end),
      db_(db),
      finder_(finder),
      debug_log_(std::move(debug_log)) {}

void CImport2Model::Trace(const std::string& message) const { debug_log_.Write(message); }

void CImport2Model::Open() {
  CWaitCursor wait(front_end_);
  RefillList();
}

std::string CImport2Model::CurrentFolderWithSlash() const {
  if (!directory.empty() && (directory.back() == '/' || directory.back() == '\\')) {
    return directory;
  }
  return directory + "/";
}

// --- the tree ---

std::vector<CImport2Model::CTreeItem> CImport2Model::TreeRoots() const {
  std::vector<CTreeItem> roots;
  for (const CVolume& volume : finder_.Volumes()) {
    roots.push_back({volume.root, volume.root, VolumeImage(volume.kind), true});
  }
  return roots;
}

std::vector<CImport2Model::CTreeItem> CImport2Model::TreeChildren(const std::string& folder) const {
  std::vector<CTreeItem> children;
  for (const CFolderEntry& entry : ListFolder(folder)) {
    if (!entry.is_folder) continue;
    const std::string path = JoinPath(folder, entry.name);
    children.push_back({entry.name, path,
                        HoldsPictures(path) ? kImageTreeFolderWithPictures : kImageTreeFolder,
                        HasSubfolder(path)});
  }
  return children;
}

std::vector<std::string> CImport2Model::TreePathOf(const std::string& folder) const {
  const std::string wanted = WithoutTrailingSlash(folder);
  const std::vector<CVolume> volumes = finder_.Volumes();
  const CVolume* volume = VolumeOfPath(volumes, wanted);
  if (!volume) return {};
  std::vector<std::string> chain = {volume->root};
  size_t at = volume->root.size();
  while (at < wanted.size()) {
    if (wanted[at] == '/') ++at;
    size_t end = wanted.find('/', at);
    if (end == std::string::npos) end = wanted.size();
    if (end > at) chain.push_back(wanted.substr(0, end));
    at = end;
  }
  return chain;
}

void CImport2Model::SelectFolder(const std::string& folder) {
  directory = folder;
  RefillList();
}

// --- the list ---

void CImport2Model::RefillList() {
  const std::string folder = CurrentFolderWithSlash();
  std::vector<std::string> stored;
  db_.ImportedInDirectory(folder, finder_.RemovableLabelOf(folder), stored);
  imported_.clear();
  imported_.insert(stored.begin(), stored.end());

  items_.clear();
  const std::vector<CFolderEntry> entries = ListFolder(folder);
  if (WithoutTrailingSlash(folder) != "/") items_.push_back({kParentName, kImageParent});
  for (const CFolderEntry& entry : entries) {
    if (!entry.is_folder) continue;
    const bool pictures = HoldsPictures(JoinPath(folder, entry.name));
    items_.push_back({entry.name, pictures ? kImageFolderWithPictures : kImageFolder});
  }
  for (const CFolderEntry& entry : entries) {
    if (entry.is_folder || !IsListedPictureName(entry.name)) continue;
    const bool imported = IsImported(folder + entry.name);
    if (imported && !show_imported) continue;
    items_.push_back({entry.name, imported ? kImageImportedPicture : kImagePicture});
  }
  // The list sorts its items by their text, ignoring case.
  std::stable_sort(items_.begin(), items_.end(), [](const CListItem& a, const CListItem& b) {
    const std::string la = LowerCase(a.name), lb = LowerCase(b.name);
    return la != lb ? la < lb : a.name < b.name;
  });
}

bool CImport2Model::IsImported(const std::string& file_path) const {
  return imported_.count(ImportedKey(file_path)) > 0;
}

void CImport2Model::SetSelected(size_t index, bool selected) {
  if (index < items_.size()) items_[index].selected = selected;
}

bool CImport2Model::SelectNames(const std::vector<std::string>& names) {
  bool all_found = true;
  for (const std::string& name : names) {
    auto item = std::find_if(items_.begin(), items_.end(),
                             [&](const CListItem& listed) { return listed.name == name; });
    if (item == items_.end()) {
      all_found = false;
    } else {
      item->selected = true;
    }
  }
  return all_found;
}

void CImport2Model::SelectAllFromSecond() {
  for (size_t i = 1; i < items_.size(); ++i) items_[i].selected = true;
}

void CImport2Model::SetShowImported(int show) {
  show_imported = show;
  RefillList();
}

CImport2Model::Opened CImport2Model::OpenItem(size_t index) {
  if (index >= items_.size() || !items_[index].IsFolder()) return Opened::kNothing;
  const std::string folder = WithoutTrailingSlash(CurrentFolderWithSlash());
  if (items_[index].name == kParentName) {
    const size_t slash = folder.rfind('/');
    directory = slash == std::string::npos || slash == 0 ? "/" : folder.substr(0, slash);
    RefillList();
    return Opened::kParent;
  }
  directory = JoinPath(folder, items_[index].name);
  RefillList();
  return Opened::kFolder;
}

void CImport2Model::SetFormatMask(const std::string& mask) {
  format_mask = CutText(mask, kMaxMaskLength);
}

// --- OK and Cancel ---

bool CImport2Model::BuildSelection() {
  auto build = [this] {
    selected_paths.clear();
    const std::string folder = CurrentFolderWithSlash();
    for (const CListItem& item : items_) {
      if (!item.selected) continue;
      const std::string path = WorkListPath(folder + item.name);
      if (path.size() >= 2 && path.compare(path.size() - 2, 2, kParentName) == 0) continue;
      selected_paths.push_back(path);
    }
  };
  build();
  if (!selected_paths.empty()) return true;
  if (front_end_.ShowMessage(LoadString(IDS_IMPORT_ALL_QUESTION), MsgButtons::kYesNo,
                             MsgIcon::kQuestion) != MsgAnswer::kYes) {
    return false;
  }
  for (CListItem& item : items_) item.selected = true;
  build();
  return true;
}

bool CImport2Model::CheckIdFormat() {
  start_number = 0;
  if (id_mode != 2) return true;
  const CMaskCheck check = CheckImportFormatMask(format_mask);
  if (!check.format) {
    front_end_.ShowMessage(check.message, MsgButtons::kOk, MsgIcon::kWarning);
    return false;
  }
  id_format = check.format->format;
  start_number = check.format->start;
  return true;
}

bool CImport2Model::Accept() {
  if (!BuildSelection() || !CheckIdFormat()) return false;
  imported_.clear();
  return true;
}

void CImport2Model::Cancel() { imported_.clear(); }

// --- the expansion ---

int CImport2Model::Expand(CWorkList& work_list, const std::string& path, int group) {
  if (IsFolder(path)) {
    if (!include_subdirs) return 1;
    std::unordered_set<CFolderIdentity, CFolderIdentityHash> visited;
    ExpandFolder(work_list, WithoutTrailingSlash(WorkListPath(path)), visited);
    return 1;
  }
  work_list.push_back({keep_selection_order ? ++directory_counter : group, WorkListPath(path)});
  Trace(work_list.back().Text());
  return 1;
}

void CImport2Model::ExpandFolder(
    CWorkList& work_list, const std::string& folder,
    std::unordered_set<CFolderIdentity, CFolderIdentityHash>& visited) {
  // A folder met again through a link is not expanded twice (a loop of links would never end).
  CFolderIdentity identity;
  if (!IdentityOf(folder, identity) || !visited.insert(identity).second) return;
  const int group = ++directory_counter;
  for (const CFolderEntry& entry : ListFolder(folder)) {
    const std::string path = JoinPath(folder, entry.name);
    if (entry.is_folder) {
      ExpandFolder(work_list, path, visited);
    } else if (IsExpandedPictureName(entry.name)) {
      work_list.push_back({group, path});
      Trace(work_list.back().Text());
    }
  }
}
