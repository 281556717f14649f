#include "import/import_log.h"

#include "base/string_printf.h"
#include "base/string_table.h"

namespace {

constexpr const char* kPathEnd = "....   ";
constexpr const char* kLineEnd = "\r\n";

}  // namespace

void CImportLog::AddLine(const std::string& path, const std::string& result) {
  text_ += path;
  text_ += kPathEnd;
  text_ += result;
  text_ += kLineEnd;
}

void CImportLog::AddImportSummary(int imported, int total) {
  text_ += StringPrintf(LoadString(IDS_IMPORT_FINISHED).c_str(), '\r', '\n', imported, total);
}

void CImportLog::AddMovedLine(const std::string& old_path, const std::string& new_path) {
  text_ += StringPrintf(LoadString(IDS_REFERENCE_MOVED).c_str(), old_path.c_str(), new_path.c_str(),
                        '\r', '\n');
}

void CImportLog::AddNotMovedLine(const std::string& new_path) {
  text_ += StringPrintf(LoadString(IDS_REFERENCE_NOT_MOVED).c_str(), new_path.c_str(), '\r', '\n');
}

void CImportLog::AddMoveSummary(int moved, int matched) {
  text_ +=
      StringPrintf(LoadString(IDS_MOVE_FINISHED).c_str(), '\r', '\n', moved, matched, '\r', '\n');
}
