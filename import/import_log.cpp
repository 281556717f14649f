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
