// What the commands of snapstore-cli share: naming an index, reporting its missing files and
// the store's failures.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "app/document.h"
#include "cli/console_front_end.h"
#include "platform/volumes.h"
#include "store/database.h"

// The index named on the command line, opened through the document as the archiver opens it:
// its state files are read, and when the session ends they are saved, the backup export is
// written when the index was changed, and old backups are thinned. The settings file is read
// and never written.
class CCliSession {
 public:
  CCliSession(std::ostream& out, std::ostream& err, bool show_progress = false);
  ~CCliSession();
  // False (after F-0001 naming the missing files, or the format-version message) when the
  // index cannot be used; nothing of it is then written.
  bool Open(const std::string& main_file);
  CConsoleFrontEnd& console() { return console_; }
  CSnapstoreDoc& doc() { return *doc_; }
  Cdatabase& db() { return doc_->db; }

 private:
  CConsoleFrontEnd console_;
  std::unique_ptr<CVolumeSource> volumes_;
  std::unique_ptr<CSnapstoreDoc> doc_;
};

// Shows a message (on standard error).
void Say(CConsoleFrontEnd& console, const std::string& text);

// Names the index in `db` for a command that only reads it; false (with F-0001 naming the
// missing files, or the format-version message) when it cannot be used.
bool OpenIndex(Cdatabase& db, const std::string& main_file, CConsoleFrontEnd& console);

// Finds and reads the record with the picture ID `id` as the user typed it: its number; 0 when
// there is none and -1 when the store failed, both reported.
int ReadRecordOf(Cdatabase& db, const std::string& index, const std::string& id,
                 CConsoleFrontEnd& console);

// The store's message for a failed operation; kExitRefused.
int ReportFailure(const Cdatabase& db, CConsoleFrontEnd& console);

// The record of a picture ID as the user typed it (blanks around it dropped, any case); 0 with
// the message when there is none.
int RecordOf(Cdatabase& db, const std::string& index, const std::string& id,
             CConsoleFrontEnd& console);

// Whether progress is drawn: when standard error is a terminal.
bool ShowProgress();

// A path given on the command line as the index stores it: as given when absolute or with a
// drive prefix ("c:/photos/a.jpg"), else taken from the current folder.
std::string PathFromCommandLine(const std::string& path);
