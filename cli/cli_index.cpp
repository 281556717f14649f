#include "cli/cli_index.h"

#include "app/string_table.h"
#include "cli/console_front_end.h"
#include "store/string_printf.h"

namespace {

constexpr const char* kMsgOtherVersion =
    "The photo index %s has the format version %d; this program works with version %d.\n"
    "Open it in Albumcraft to upgrade it.";

}  // namespace

void Say(CConsoleFrontEnd& console, const std::string& text) {
  console.ShowMessage(text, MsgButtons::kOk, MsgIcon::kNone);
}

bool OpenIndex(Cdatabase& db, const std::string& main_file, CConsoleFrontEnd& console) {
  const std::string missing = db.SetFileNames(main_file);
  if (!missing.empty()) {
    Say(console, kMsgMissingFiles + missing + kMsgMissingFilesEnd);
    return false;
  }
  if (!db.ReadHeader()) {
    Say(console, db.status().message());
    return false;
  }
  if (db.header.version != kStoreFormatVersion) {
    Say(console,
        StringPrintf(kMsgOtherVersion, main_file.c_str(), db.header.version, kStoreFormatVersion));
    return false;
  }
  return true;
}

int ReportFailure(const Cdatabase& db, CConsoleFrontEnd& console) {
  Say(console, db.status().message());
  return 1;
}

bool WantsHelp(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") return true;
  }
  return false;
}
