#include "import/picture_folder.h"

#include <sys/stat.h>

#include <algorithm>
#include <unordered_set>

#include "platform/path_text.h"
#include "store/text_rules.h"

namespace {

// Whether the name ends in `suffix`, comparing the name upper-cased (ASCII letters).
bool EndsInUpper(std::string_view name, std::string_view suffix) {
  if (name.size() < suffix.size()) return false;
  name.remove_prefix(name.size() - suffix.size());
  for (size_t i = 0; i < suffix.size(); ++i) {
    char c = name[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != suffix[i]) return false;
  }
  return true;
}

bool HoldsPicturesOnce(const std::string& folder,
                       std::unordered_set<CFolderIdentity, CFolderIdentityHash>& searched) {
  CFolderIdentity identity;
  if (!IdentityOf(folder, identity) || !searched.insert(identity).second) return false;
  const std::vector<CFolderEntry> entries = ListFolder(folder);
  for (const CFolderEntry& entry : entries) {
    if (!entry.is_folder && IsListedPictureName(entry.name)) return true;
  }
  for (const CFolderEntry& entry : entries) {
    if (entry.is_folder && HoldsPicturesOnce(JoinPath(folder, entry.name), searched)) return true;
  }
  return false;
}

}  // namespace

std::vector<CFolderEntry> ListFolder(const std::string& folder) {
  std::vector<CFolderEntry> entries = ReadFolder(folder).value_or(std::vector<CFolderEntry>());
  std::vector<std::pair<std::string, size_t>> keys;
  keys.reserve(entries.size());
  for (size_t i = 0; i < entries.size(); ++i) keys.emplace_back(LowerCase(entries[i].name), i);
  std::sort(keys.begin(), keys.end(), [&](const auto& a, const auto& b) {
    if (a.first != b.first) return a.first < b.first;
    return entries[a.second].name < entries[b.second].name;
  });
  std::vector<CFolderEntry> sorted;
  sorted.reserve(entries.size());
  for (const auto& key : keys) sorted.push_back(std::move(entries[key.second]));
  return sorted;
}

bool IsListedPictureName(std::string_view name) {
  return EndsInUpper(name, ".JPG") || EndsInUpper(name, ".TIF");
}

bool IsExpandedPictureName(std::string_view name) {
  return EndsInUpper(name, "JPG") || EndsInUpper(name, "TIF");
}

bool HasSubfolder(const std::string& folder) { return FindSubfolder(folder, true).value_or(false); }

bool HoldsPictures(const std::string& folder) {
  std::unordered_set<CFolderIdentity, CFolderIdentityHash> searched;
  return HoldsPicturesOnce(folder, searched);
}

bool IdentityOf(const std::string& path, CFolderIdentity& identity) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) return false;
  identity.device = info.st_dev;
  identity.inode = info.st_ino;
  return true;
}
