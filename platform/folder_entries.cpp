#include "platform/folder_entries.h"

#include <dirent.h>
#include <sys/stat.h>

#include <string_view>

#include "platform/path_text.h"

namespace {

bool EntryIsFolder(const std::string& folder, const dirent& entry) {
  if (entry.d_type == DT_DIR) return true;
  if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) return false;
  return IsFolder(JoinPath(folder, entry.d_name));
}

bool EntryIsLink(const std::string& folder, const dirent& entry) {
  if (entry.d_type != DT_UNKNOWN) return entry.d_type == DT_LNK;
  struct stat info;
  return lstat(JoinPath(folder, entry.d_name).c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

bool IsDotEntry(std::string_view name) { return name == "." || name == ".."; }

}  // namespace

std::optional<std::vector<CFolderEntry>> ReadFolder(const std::string& folder) {
  DIR* dir = opendir(folder.c_str());
  if (!dir) return std::nullopt;
  std::vector<CFolderEntry> entries;
  while (const dirent* entry = readdir(dir)) {
    if (IsDotEntry(entry->d_name)) continue;
    entries.push_back({entry->d_name, EntryIsFolder(folder, *entry), EntryIsLink(folder, *entry)});
  }
  closedir(dir);
  return entries;
}

bool IsFolder(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsHiddenName(const std::string& name) { return !name.empty() && name[0] == '.'; }

std::optional<bool> FindSubfolder(const std::string& folder, bool count_hidden) {
  DIR* dir = opendir(folder.c_str());
  if (!dir) return std::nullopt;
  bool found = false;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (IsDotEntry(name) || (!count_hidden && IsHiddenName(name))) continue;
    if (EntryIsFolder(folder, *entry)) {
      found = true;
      break;
    }
  }
  closedir(dir);
  return found;
}
