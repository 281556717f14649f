// The one-time upgrade of an index stored in another format version: the old store files are
// moved aside under their names + "old", new ones are created, and the newest text export
// (the closing backup) is read into them.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/string_printf.h"
#include "store/database.h"

namespace {

constexpr const char* kOldSuffix = "old";

}  // namespace

bool Cdatabase::UpgradeStore() {
  while (open_depth_ > 0) CloseFiles();
  ResetOperation();
  const std::string names[] = {main_file_, key_file_name_, posting_file_name_, header_file_name_,
                               text_file_name_};
  for (const std::string& name : names) io_->Remove(name + kOldSuffix);
  std::vector<const std::string*> moved;
  auto put_back = [&] {
    for (const std::string* name : moved) std::rename((*name + kOldSuffix).c_str(), name->c_str());
  };
  for (const std::string& name : names) {
    if (std::rename(name.c_str(), (name + kOldSuffix).c_str()) == 0) {
      moved.push_back(&name);
    } else if (errno != ENOENT) {
      Fail(CStatus::IoError(StringPrintf("The file %s could not be renamed to %s%s: %s.",
                                         name.c_str(), name.c_str(), kOldSuffix,
                                         std::strerror(errno))));
      put_back();
      return false;
    }
  }
  DropDerivedCaches();
  if (!CreateFiles()) {
    const CStatus failure = status_;
    for (const std::string& name : names) io_->Remove(name);
    put_back();
    status_ = failure;
    return false;
  }
  // The document keeps its own categories and definitions (from the state file).
  std::vector<std::string> categories;
  std::vector<CExportDefinition> definitions;
  const std::string newest = NewestExport(main_file_);
  if (!newest.empty()) ImportText(newest, categories, definitions);
  return status_.ok();
}
