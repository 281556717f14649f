#include "platform/picture_path.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

#include "platform/name_case.h"
#include "platform/path_text.h"

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool IsRegularFile(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool Exists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}

// The entries of `folder` whose names equal `name` ignoring case, in byte order.
std::vector<std::string> EntriesIgnoringCase(const std::string& folder, std::string_view name) {
  std::vector<std::string> found;
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return found;
  while (dirent* entry = readdir(dir)) {
    std::string_view candidate = entry->d_name;
    if (candidate != "." && candidate != ".." && EqualIgnoringCase(candidate, name)) {
      found.emplace_back(candidate);
    }
  }
  closedir(dir);
  std::sort(found.begin(), found.end());
  return found;
}

// Bounds the folders a resolution may list, whatever a folder tree holds.
constexpr int kResolveBudget = 256;

// The regular file at `folder` followed by names[index..], each name taken as written when
// that leads to the file, else as any entry that matches it ignoring case.
std::optional<std::string> ResolveFrom(const std::string& folder,
                                       const std::vector<std::string_view>& names, size_t index,
                                       int* budget) {
  if (index == names.size()) {
    return IsRegularFile(folder) ? std::optional<std::string>(folder) : std::nullopt;
  }
  auto join = [&](std::string_view name) {
    return folder.empty() ? std::string(name) : JoinPath(folder, name);
  };
  std::string_view name = names[index];
  std::string exact = join(name);
  if (Exists(exact)) {
    if (auto found = ResolveFrom(exact, names, index + 1, budget)) return found;
  }
  if (name == ".." || --*budget < 0) return std::nullopt;
  for (const std::string& entry : EntriesIgnoringCase(folder, name)) {
    if (entry == name) continue;  // tried above
    if (auto found = ResolveFrom(join(entry), names, index + 1, budget)) return found;
  }
  return std::nullopt;
}

}  // namespace

size_t DrivePrefixLength(std::string_view path) {
  bool letter = path.size() >= 2 &&
                ((path[0] >= 'a' && path[0] <= 'z') || (path[0] >= 'A' && path[0] <= 'Z'));
  return letter && path[1] == ':' ? 2 : 0;
}

std::string_view WithoutDrivePrefix(std::string_view path) {
  return path.substr(DrivePrefixLength(path));
}

std::vector<std::string> PathTails(std::string_view stored_path) {
  std::string_view rest = WithoutDrivePrefix(stored_path);
  std::vector<std::string_view> components;
  size_t start = 0;
  for (size_t i = 0; i <= rest.size(); ++i) {
    if (i == rest.size() || IsSeparator(rest[i])) {
      if (i > start) components.push_back(rest.substr(start, i - start));
      start = i + 1;
    }
  }
  std::vector<std::string> tails;
  for (size_t first = 0; first < components.size(); ++first) {
    std::string tail;
    for (size_t i = first; i < components.size(); ++i) {
      if (i > first) tail += '/';
      tail += components[i];
    }
    tails.push_back(std::move(tail));
  }
  return tails;
}

std::optional<std::string> ResolveIgnoringCase(const std::string& path) {
  if (path.empty()) return std::nullopt;
  if (IsRegularFile(path)) return path;
  std::vector<std::string_view> names;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = std::min(path.find('/', start), path.size());
    std::string_view name(path.data() + start, end - start);
    if (!name.empty() && name != ".") names.push_back(name);
    start = end + 1;
  }
  int budget = kResolveBudget;
  return ResolveFrom(path[0] == '/' ? "/" : "", names, 0, &budget);
}

std::optional<std::string> FindOnRoot(const std::string& root, std::string_view stored_path) {
  for (const std::string& tail : PathTails(stored_path)) {
    if (auto found = ResolveIgnoringCase(JoinPath(root, tail))) return found;
  }
  return std::nullopt;
}
