#include "platform/directory_select_model.h"

#include <algorithm>
#include <optional>

#include "base/front_end.h"
#include "base/string_table.h"
#include "platform/folder_entries.h"
#include "platform/folders.h"
#include "platform/name_case.h"
#include "platform/new_directory_dialog_model.h"
#include "platform/path_text.h"

namespace {

int VolumeImage(VolumeKind kind) {
  switch (kind) {
    case VolumeKind::kNetwork:
      return CDirectorySelectModel::kImageNetworkVolume;
    case VolumeKind::kRemovable:
      return CDirectorySelectModel::kImageRemovableVolume;
    case VolumeKind::kCdRom:
      return CDirectorySelectModel::kImageCdRomVolume;
    case VolumeKind::kFixed:
      break;
  }
  return CDirectorySelectModel::kImageFixedVolume;
}

// The parts of a path between its '/' separators, without empty and "." parts.
std::vector<std::string> PathParts(const std::string& path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    const size_t end = std::min(path.find('/', start), path.size());
    std::string part = path.substr(start, end - start);
    if (!part.empty() && part != ".") parts.push_back(std::move(part));
    start = end + 1;
  }
  return parts;
}

bool IsVisibleFolder(const CFolderEntry& entry) {
  return entry.is_folder && !IsHiddenName(entry.name);
}

}  // namespace

CDirectorySelectModel::CDirectorySelectModel(CFrontEnd& front_end, const CVolumeSource& volumes)
    : front_end_(front_end), volumes_(volumes) {}

void CDirectorySelectModel::Open() {
  roots_.clear();
  for (const CVolume& volume : volumes_.Volumes()) {
    if (volume.kind == VolumeKind::kCdRom && !include_cd_drives) continue;
    const int image = VolumeImage(volume.kind);
    roots_.push_back({VolumeTreeText(volume), volume.root, image, image, true});
  }
  walk_ = Walk(selected_path);
  has_selection_ = !walk_.empty();
  if (has_selection_) selected_path = walk_.back();
}

std::vector<std::string> CDirectorySelectModel::Walk(const std::string& start) const {
  std::vector<CVolume> shown;
  for (const CNode& root : roots_) shown.push_back({root.path, VolumeKind::kFixed, ""});
  const std::string wanted = WithoutTrailingSlash(start);
  const CVolume* root = VolumeOfPath(shown, wanted);
  if (!root) return {};
  std::vector<std::string> walk = {root->root};
  for (const std::string& part : PathParts(wanted.substr(root->root.size()))) {
    const std::string& folder = walk.back();
    std::string exact = JoinPath(folder, part);
    if (!IsHiddenName(part) && IsFolder(exact)) {
      walk.push_back(std::move(exact));
      continue;
    }
    std::optional<std::string> match;
    for (const CNode& child : Children(folder)) {
      if (EqualIgnoringCase(child.text, part)) {
        match = child.path;
        break;
      }
    }
    if (!match) break;
    walk.push_back(std::move(*match));
  }
  return walk;
}

std::vector<CDirectorySelectModel::CNode> CDirectorySelectModel::Children(
    const std::string& folder) const {
  std::vector<CFolderEntry> entries = ReadFolder(folder).value_or(std::vector<CFolderEntry>());
  std::erase_if(entries, [](const CFolderEntry& entry) { return !IsVisibleFolder(entry); });
  std::sort(entries.begin(), entries.end(), [](const CFolderEntry& a, const CFolderEntry& b) {
    return LessIgnoringCase(a.name, b.name);
  });
  const std::string home = HomeFolder();
  std::vector<CNode> children;
  children.reserve(entries.size());
  for (const CFolderEntry& entry : entries) {
    CNode node;
    node.text = entry.name;
    node.path = JoinPath(folder, entry.name);
    const std::optional<bool> has_subfolder = FindSubfolder(node.path, false);
    node.has_children = has_subfolder.value_or(false);
    if (!has_subfolder) {
      node.image = node.open_image = kImageLockedFolder;
    } else if (node.path == home) {
      node.image = node.open_image = kImageHomeFolder;
    } else if (entry.is_link) {
      node.image = kImageLinkedFolder;
      node.open_image = kImageOpenLinkedFolder;
    } else {
      node.image = kImageFolder;
      node.open_image = kImageOpenFolder;
    }
    children.push_back(std::move(node));
  }
  return children;
}

void CDirectorySelectModel::Select(const std::string& folder) {
  selected_path = folder;
  has_selection_ = true;
}

bool CDirectorySelectModel::NewDirectory() {
  if (!has_selection_) {
    front_end_.ShowMessage(LoadString(IDS_SELECT_BASE_DIRECTORY), MsgButtons::kOk,
                           MsgIcon::kInformation);
    return false;
  }
  CDlgNewDirModel dialog(front_end_, selected_path);
  return front_end_.RunDialog(dialog);
}
