#include "cli/cli_index.h"

#include <unistd.h>

#include <filesystem>

#include "base/string_printf.h"
#include "base/string_table.h"
#include "base/text_rules.h"
#include "cli/console_front_end.h"
#include "platform/picture_path.h"

namespace {

constexpr const char* kMsgNoSuchId = "There is no picture with the ID %s in %s.";
constexpr const char* kMsgOtherVersion =
    "The photo index %s has the format version %d; this program works with version %d.\n"
    "Open it in Albumcraft to upgrade it.";

}  // namespace

void Say(CConsoleFrontEnd& console, const std::string& text) {
  console.ShowMessage(text, MsgButtons::kOk, MsgIcon::kNone);
}

namespace {

// The format check after the store files were found.
bool UsableFormat(Cdatabase& db, const std::string& main_file, CConsoleFrontEnd& console) {
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

}  // namespace

bool OpenIndex(Cdatabase& db, const std::string& main_file, CConsoleFrontEnd& console) {
  const std::string missing = db.SetFileNames(main_file);
  if (!missing.empty()) {
    Say(console, kMsgMissingFiles + missing + kMsgMissingFilesEnd);
    return false;
  }
  return UsableFormat(db, main_file, console);
}

CCliSession::CCliSession(std::ostream& out, std::ostream& err, bool show_progress)
    : console_(out, err, show_progress), volumes_(MakeDefaultVolumeSource()) {}

CCliSession::~CCliSession() { doc_.reset(); }

bool CCliSession::Open(const std::string& main_file) {
  CDocumentOptions options;
  options.write_settings = false;
  options.index_path = main_file;
  doc_ = std::make_unique<CSnapstoreDoc>(console_, *volumes_,
                                         CSettingsFile(CSettingsFile::DefaultPath()), options);
  if (doc_->title_text == kTitleError || !UsableFormat(doc_->db, main_file, console_)) {
    doc_->Abandon();
    return false;
  }
  doc_->db.SetFrontEnd(&console_);
  return true;
}

int ReadRecordOf(Cdatabase& db, const std::string& index, const std::string& id,
                 CConsoleFrontEnd& console) {
  const int record = RecordOf(db, index, id, console);
  if (record == 0) return 0;
  db.GoToRecord(record);
  if (!db.status().ok()) return ReportFailure(db, console), -1;
  return record;
}

int ReportFailure(const Cdatabase& db, CConsoleFrontEnd& console) {
  Say(console, db.status().message());
  return 1;
}

int RecordOf(Cdatabase& db, const std::string& index, const std::string& id,
             CConsoleFrontEnd& console) {
  const int record = db.RecordOfId(UpperCase(TrimBlanks(id)));
  if (record == 0) {
    if (db.status().ok()) {
      Say(console, StringPrintf(kMsgNoSuchId, id.c_str(), index.c_str()));
    } else {
      ReportFailure(db, console);
    }
  }
  return record;
}

std::string PathFromCommandLine(const std::string& path) {
  if (!path.empty() && (path[0] == '/' || DrivePrefixLength(path) > 0)) return path;
  return (std::filesystem::current_path() / path).lexically_normal().string();
}

bool ShowProgress() { return isatty(STDERR_FILENO) == 1; }
