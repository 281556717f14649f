// The text exports of an index, found by their names beside the index: the closing backups
// are thinned out, and the upgrade reads the newest.
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "base/text_rules.h"
#include "store/database.h"
#include "store/text_export_format.h"

namespace {

constexpr size_t kMainExtensionLength = 4;  // ".acx"

// The full paths of the exports of the index with this main file, in name order. The part
// between the base name's "_" and ".exp" holds no "_": a name that does belongs to another
// index whose own name starts with this one's ("pics_2019_20240101.exp" is an export of
// pics_2019.acx, not of pics.acx).
std::vector<std::string> ExportsOf(const std::string& main_file) {
  const std::string base = main_file.size() >= kMainExtensionLength
                               ? main_file.substr(0, main_file.size() - kMainExtensionLength)
                               : main_file;
  const size_t slash = base.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : base.substr(0, slash + 1);
  const std::string prefix = base.substr(folder.size()) + std::string(kExportNameSeparator);

  std::vector<std::string> paths;
  std::error_code error;
  std::filesystem::directory_iterator it(folder.empty() ? "." : folder, error);
  for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.size() < prefix.size() + kExportExtension.size() || !name.starts_with(prefix) ||
        !name.ends_with(kExportExtension)) {
      continue;
    }
    const std::string_view own = std::string_view(name).substr(
        prefix.size(), name.size() - prefix.size() - kExportExtension.size());
    std::error_code type_error;
    if (own.find(kExportNameSeparator) != std::string_view::npos ||
        !it->is_regular_file(type_error)) {
      continue;
    }
    paths.push_back(folder + name);
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

}  // namespace

bool Cdatabase::RemoveOldExports(const std::string& main_file, int keep) {
  const std::vector<std::string> paths = ExportsOf(main_file);
  if (paths.empty() || (keep >= 0 && static_cast<size_t>(keep) >= paths.size())) return false;
  // The oldest is the one whose upper-cased path sorts first (the date in the name).
  auto oldest = std::min_element(
      paths.begin(), paths.end(),
      [](const std::string& a, const std::string& b) { return UpperCase(a) < UpperCase(b); });
  return unlink(oldest->c_str()) == 0;
}

std::string Cdatabase::NewestExport(const std::string& main_file) {
  const std::vector<std::string> paths = ExportsOf(main_file);
  return paths.empty() ? std::string() : paths.back();
}
