// Finding records by their picture files: by file name (the CSV import) and by folder (moving
// image references). Each is one pass over the record table.
#include <functional>
#include <unordered_map>

#include "base/string_printf.h"
#include "store/database.h"
#include "store/picture_folder_match.h"
#include "store/text_rules.h"

namespace {

std::string FileNameOf(const std::string& path) {
  const size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

}  // namespace

void Cdatabase::ForEachLivePath(const std::function<void(uint32_t, const std::string&)>& visit) {
  const uint32_t last =
      std::min<uint32_t>(static_cast<uint32_t>(std::max(header.record_mark - 1, 0)),
                         EntryCount(record_file_, kRecordEntrySize));
  for (uint32_t n = 1; n <= last && status_.ok(); ++n) {
    std::optional<CRecordEntry> entry = ReadRecordEntry(n);
    if (entry && entry->in_use) visit(n, ReadTextChain(entry->image_path));
  }
}

void Cdatabase::FindByFileName(std::vector<CFileNameItem>& items) {
  COpenFiles files(*this);
  if (!files.ok() || !ReadHeader()) return;
  std::unordered_multimap<std::string, size_t> by_name;
  for (size_t i = 0; i < items.size(); ++i) by_name.emplace(LowerCase(items[i].name), i);
  ForEachLivePath([&](uint32_t n, const std::string& path) {
    auto [begin, end] = by_name.equal_range(LowerCase(FileNameOf(path)));
    for (auto it = begin; it != end; ++it) {
      for (int32_t& slot : items[it->second].records) {
        if (slot == 0) {
          slot = static_cast<int32_t>(n);
          break;
        }
      }
    }
  });
}

int Cdatabase::FindByDirectory(const std::string& directory, std::vector<std::string>& list,
                               bool with_subfolders) {
  const std::string wanted = FolderMatchKey(directory);
  COpenFiles files(*this);
  if (!files.ok() || !ReadHeader()) return static_cast<int>(list.size());
  ForEachLivePath([&](uint32_t n, const std::string& stored) {
    if (PathBelowFolder(stored, wanted, with_subfolders)) {
      list.push_back(StringPrintf(kRecordNumberFormat, n));
    }
  });
  return static_cast<int>(list.size());
}
